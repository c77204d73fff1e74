#include "window/EditorFill.h"

#include <algorithm>

#include "framework/core/EventLoop.h"
#include "framework/gui/EditField.h"
#include "framework/gui/Runtime.h"

namespace {

// Bytes that go into the editor between two event-loop turns, a turn after every piece: small
// enough for the field to take in a few milliseconds, large enough that a million lines need few
// turns. Now and then Qt moves the whole text to a larger buffer inside one piece (20-30 ms at
// 16 million characters); the window then waits for that piece alone, not for what went before.
constexpr std::size_t kEditorPiece = 32 * 1024;

// Where the piece that starts at `from` ends: after the first line end once it holds a piece's
// bytes, or at the end of the text. A line that went in by halves would be laid out again with
// every half, in time that grows with the square of its length; whole, each line is laid out
// once. A CR and the LF after it stay together, as the field would read them as two line ends.
std::size_t PieceEnd(const std::string& text, std::size_t from) {
    if (text.size() - from <= kEditorPiece) return text.size();
    std::size_t end = text.find_first_of("\r\n", from + kEditorPiece - 1);
    if (end == std::string::npos) return text.size();
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    return end + 1;
}

}  // namespace

const std::string& EditorFill::Part(std::size_t index) const {
    return index % 2 == 0 ? lines_[index / 2] : separator_;
}

bool EditorFill::Joined() const {
    return part_ >= 2 * lines_.size();
}

// Joins parts after the text still to go in until it holds `bytes`, or every part; the parts'
// own ends are kept together where a CR ends one and a LF starts the next.
void EditorFill::JoinNext(std::size_t bytes) {
    text_.erase(0, done_);
    done_ = 0;
    while (part_ + 1 < 2 * lines_.size()) {
        const std::string& part = Part(part_);
        const bool crLf =
            !text_.empty() && text_.back() == '\r' && !part.empty() && part.front() == '\n';
        if (text_.size() >= bytes && !crLf) break;
        text_ += part;
        if (part_ % 2 == 0) std::string().swap(lines_[part_ / 2]);
        ++part_;
    }
    if (part_ + 1 >= 2 * lines_.size()) part_ = 2 * lines_.size();
}

void EditorFill::Reset() {
    lines_ = {};
    separator_.clear();
    part_ = 0;
    text_ = std::string();
    done_ = 0;
}

void EditorFill::Replace(std::vector<std::string> lines, std::string separator) {
    const std::uint64_t fill = ++serial_;
    Reset();
    filling_ = false;
    lines_ = std::move(lines);
    separator_ = std::move(separator);
    editor_.SetVisible(false);
    JoinNext(kEditorPiece + 1);
    if (Joined() && text_.size() <= kEditorPiece) {
        editor_.SetText(text_);
        Reset();
        editor_.SetVisible(true);
        return;
    }
    editor_.SetText("");
    filling_ = true;
    for (;;) {
        if (done_ == text_.size()) {
            if (Joined()) break;
            JoinNext(kEditorPiece);
        }
        const std::size_t end = PieceEnd(text_, done_);
        editor_.AppendText(text_.substr(done_, end - done_));
        done_ = end;
        fw::DoEventsNow();
        if (fill != serial_ || fw::QuitRequested()) return;
    }
    Reset();
    // A long line is laid out before it is shown, a slice between two turns.
    while (editor_.LayOutHiddenSlice()) {
        fw::DoEventsNow();
        if (fill != serial_ || fw::QuitRequested()) return;
    }
    filling_ = false;
    editor_.SetVisible(true);
}

void EditorFill::Finish() {
    if (!filling_) return;
    ++serial_;
    JoinNext(std::string::npos);
    editor_.AppendText(text_);
    Reset();
    filling_ = false;
    editor_.SetVisible(true);
}

void EditorFill::Clear() {
    ++serial_;
    Reset();
    filling_ = false;
    editor_.SetText("");
    editor_.SetVisible(true);
}
