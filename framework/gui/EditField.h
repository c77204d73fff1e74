#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/gui/Control.h"

class QLineEdit;
class QPlainTextEdit;

namespace fw {

namespace detail {
class LineEdit;
class PlainEdit;
}  // namespace detail

// A text field, single- or multi-line (fixed when it is made). Text is UTF-8 with the
// system's line ends (CR); selections and carets count characters (code points) from 0.
class EditField : public RectControl {
public:
    enum class Lines { Single, Multi };
    explicit EditField(Window& owner, Lines lines = Lines::Single);

    bool MultiLine() const { return plain_ != nullptr; }

    std::string Text() const;
    // The same text, read a piece at a time with a turn of the event loop between pieces, so
    // that reading tens of megabytes keeps the window answering. A change of the text during a
    // turn starts the read again: what comes back is the whole text as it stood at one moment.
    std::string TextInPieces();
    // Whether the text is empty, found without building the text: the Edit menu asks before
    // every shortcut, and the editor may hold tens of megabytes.
    bool TextEmpty() const;
    // Replaces the text; raises TextChange once, as typing does.
    void SetText(const std::string& text);

    // Appends at the end, leaving the caret and selection where they are and no undo step;
    // raises TextChange once. Long texts go in piece by piece this way without blocking.
    void AppendText(const std::string& text);
    // While a multi-line field is hidden, lays out a few milliseconds' worth of a long line that
    // went in since it was hidden; whether any is left. Otherwise the field lays the line out in
    // one piece when it is shown.
    bool LayOutHiddenSlice();

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection, or inserts at the caret.
    void SetSelText(const std::string& text);

    bool ReadOnly() const;
    void SetReadOnly(bool on);

    void SetTextColor(Color c);
    void SetBackColor(Color c);
    // 0 default (left), 1 left, 2 centre, 3 right.
    void SetAlignment(int code);
    void SetBorder(bool on);
    void SetScrollBarVertical(bool on);
    void SetScrollBarHorizontal(bool on);
    // Whether the Tab key is typed into the field instead of moving the focus.
    void SetAcceptTabs(bool on);
    // Longest text in characters; 0 for no limit.
    void SetLimitText(int characters);

    std::function<void()> OnTextChange;
    std::function<void()> OnSelChange;
    virtual void Event_TextChange() {
        if (OnTextChange) OnTextChange();
    }
    virtual void Event_SelChange() {
        if (OnSelChange) OnSelChange();
    }

    bool HandleUnconsumedKey(const std::string& key) override;
    void Detach() override;

    QLineEdit* LineWidget() const;
    QPlainTextEdit* PlainWidget() const;

private:
    void Connect();
    void RaiseSelChangeIfMoved();
    void DeliverPendingResize();
    int ToCharacters(int utf16) const;
    int ToUtf16(int characters) const;

    detail::LineEdit* line_ = nullptr;
    detail::PlainEdit* plain_ = nullptr;
    bool settingText_ = false;
    bool astral_ = false;        // the multi-line text holds a character outside the BMP
    std::uint64_t changes_ = 0;  // changes of the multi-line text so far
    int lastSelStart_ = -1;
    int lastSelLength_ = -1;
};

}  // namespace fw
