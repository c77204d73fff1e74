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

void EditorFill::Replace(std::string text) {
    const std::uint64_t fill = ++serial_;
    text_.clear();
    done_ = 0;
    editor_.SetVisible(false);
    if (text.size() <= kEditorPiece) {
        editor_.SetText(text);
        editor_.SetVisible(true);
        return;
    }
    text_ = std::move(text);
    editor_.SetText("");
    while (done_ < text_.size()) {
        const std::size_t end = PieceEnd(text_, done_);
        editor_.AppendText(text_.substr(done_, end - done_));
        done_ = end;
        fw::DoEvents();
        if (fill != serial_ || fw::QuitRequested()) return;
    }
    text_ = std::string();
    editor_.SetVisible(true);
}

void EditorFill::Finish() {
    if (text_.empty()) return;
    ++serial_;
    editor_.AppendText(text_.substr(done_));
    text_ = std::string();
    done_ = 0;
    editor_.SetVisible(true);
}

void EditorFill::Clear() {
    ++serial_;
    text_ = std::string();
    done_ = 0;
    editor_.SetText("");
    editor_.SetVisible(true);
}
