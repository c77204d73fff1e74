#include "window/EditorFill.h"

#include <algorithm>

#include "framework/core/EventLoop.h"
#include "framework/gui/EditField.h"
#include "framework/gui/Runtime.h"

namespace {

// Bytes that go into the editor between two event-loop turns: small enough for the field to
// take in a few milliseconds, large enough that a million lines need few turns.
constexpr std::size_t kEditorPiece = 64 * 1024;

// Where the piece that starts at `from` ends: on a character boundary, and not between a CR
// and a LF, which the field would read as two line ends.
std::size_t PieceEnd(const std::string& text, std::size_t from) {
    std::size_t end = std::min(text.size(), from + kEditorPiece);
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    if (end < text.size() && text[end] == '\n' && text[end - 1] == '\r') ++end;
    return end;
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
    for (;;) {
        if (done_ == text_.size()) {
            if (Joined()) break;
            JoinNext(kEditorPiece);
        }
        const std::size_t end = PieceEnd(text_, done_);
        editor_.AppendText(text_.substr(done_, end - done_));
        done_ = end;
        fw::DoEvents();
        if (fill != serial_ || fw::QuitRequested()) return;
    }
    Reset();
    editor_.SetVisible(true);
}

void EditorFill::Finish() {
    if (text_.empty() && Joined()) return;
    ++serial_;
    JoinNext(std::string::npos);
    editor_.AppendText(text_);
    Reset();
    editor_.SetVisible(true);
}

void EditorFill::Clear() {
    ++serial_;
    Reset();
    editor_.SetText("");
    editor_.SetVisible(true);
}
