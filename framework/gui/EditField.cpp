#include "framework/gui/EditField.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <limits>

#include "framework/core/EventLoop.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/LineEdit.h"
#include "framework/gui/detail/PlainEdit.h"
#include "framework/gui/detail/Text.h"

namespace fw {

using detail::CodePointsBefore;
using detail::Utf16IndexOf;

namespace {

// A one-line field has no length limit of its own; Qt's default stops at 32,767 characters.
constexpr int kNoLimit = std::numeric_limits<int>::max();

// UTF-16 units read between two turns of the event loop: well under a millisecond each.
constexpr int kReadPiece = 64 * 1024;

bool HasSurrogates(const QString& s) {
    for (QChar c : s) {
        if (c.isSurrogate()) return true;
    }
    return false;
}

}  // namespace

EditField::EditField(Window& owner, Lines lines) : RectControl(owner) {
    if (lines == Lines::Multi) {
        plain_ = new detail::PlainEdit;
        plain_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Qt's default wraps at word boundaries and breaks a line anywhere only when it has
        // none, but to learn that it reads on to the next boundary for every line it lays out:
        // a URL of a megabyte without a blank took time in the square of its length. Breaking
        // anywhere reads each line once; the field holds URLs, where a word boundary means
        // little.
        plain_->setWordWrapMode(QTextOption::WrapAnywhere);
        plain_->setTabChangesFocus(true);
        SetWidget(plain_, plain_->viewport());
    } else {
        line_ = new detail::LineEdit;
        line_->quiet = &settingText_;
        line_->setMaxLength(kNoLimit);
        SetWidget(line_);
    }
    Connect();
}

void EditField::Connect() {
    auto textChanged = [this] {
        if (settingText_) return;
        Dispatch([this] { Event_TextChange(); });
    };
    auto selChanged = [this] { RaiseSelChangeIfMoved(); };
    if (line_) {
        QObject::connect(line_, &QLineEdit::textChanged, line_, textChanged);
        QObject::connect(line_, &QLineEdit::selectionChanged, line_, selChanged);
        QObject::connect(line_, &QLineEdit::cursorPositionChanged, line_, selChanged);
    } else {
        QObject::connect(plain_, &QPlainTextEdit::textChanged, plain_, textChanged);
        QObject::connect(plain_->document(), &QTextDocument::contentsChanged, plain_,
                         [this] { ++changes_; });
        // Positions convert between characters and UTF-16 units only while the text holds a
        // character outside the BMP; otherwise they are the same numbers, at no cost.
        QObject::connect(plain_->document(), &QTextDocument::contentsChange, plain_,
                         [this](int position, int, int added) {
                             if (astral_ || added <= 0) return;
                             QTextDocument* doc = plain_->document();
                             // The count may take in the document's closing paragraph mark.
                             const int end = std::min(position + added, doc->characterCount() - 1);
                             if (end <= position) return;
                             QTextCursor cursor(doc);
                             cursor.setPosition(position);
                             cursor.setPosition(end, QTextCursor::KeepAnchor);
                             astral_ = HasSurrogates(cursor.selectedText());
                         });
        QObject::connect(plain_, &QPlainTextEdit::selectionChanged, plain_, selChanged);
        QObject::connect(plain_, &QPlainTextEdit::cursorPositionChanged, plain_, selChanged);
    }
}

// Qt reports one move as several signals; the system hears of each new selection once.
void EditField::RaiseSelChangeIfMoved() {
    if (settingText_) return;
    const int start = SelStart();
    const int length = SelLength();
    if (start == lastSelStart_ && length == lastSelLength_) return;
    lastSelStart_ = start;
    lastSelLength_ = length;
    Dispatch([this] { Event_SelChange(); });
}

std::string EditField::Text() const {
    if (line_) return detail::FromQtText(line_->text());
    std::string text;
    plain_->AppendText(text, 0, plain_->document()->characterCount() - 1);
    return text;
}

std::string EditField::TextInPieces() {
    if (line_) return Text();
    QTextDocument* doc = plain_->document();
    for (;;) {
        const std::uint64_t changes = changes_;
        const int end = doc->characterCount() - 1;  // without the closing paragraph mark
        std::string text;
        // Each piece goes on from where the last one ended, so a long text costs time in
        // proportion to it.
        detail::PlainEdit::Reader reader(*plain_, 0);
        for (int from = 0; from < end && changes == changes_;) {
            int to = std::min(end, from + kReadPiece);
            if (to < end && doc->characterAt(to).isLowSurrogate()) ++to;
            reader.AppendNext(text, to);
            from = to;
            if (from < end) DoEvents();
        }
        if (changes == changes_) return text;
    }
}

bool EditField::TextEmpty() const {
    return line_ ? line_->text().isEmpty() : plain_->document()->isEmpty();
}

void EditField::SetText(const std::string& text) {
    settingText_ = true;
    const QString qtext = detail::ToQtText(text);
    if (line_)
        line_->setText(qtext);
    else {
        astral_ = HasSurrogates(qtext);
        DeliverPendingResize();
        plain_->Replace(qtext);
    }
    settingText_ = false;
    Event_TextChange();
    RaiseSelChangeIfMoved();
}

void EditField::AppendText(const std::string& text) {
    if (text.empty()) return;
    const QString qtext = detail::ToQtText(text);
    settingText_ = true;
    // The selection is kept in Qt's own positions: nothing here costs more than the piece.
    if (line_) {
        line_->KeepSelection([&] { line_->setText(line_->text() + qtext); });
    } else {
        DeliverPendingResize();
        plain_->Append(qtext);
    }
    settingText_ = false;
    Event_TextChange();
}

bool EditField::LayOutHiddenSlice() {
    return plain_ && plain_->LayOutSlice();
}

// A hidden field keeps its last resize for when it is shown; delivered then, to a field full
// of text, it lays out every line again in one piece. Delivered now, it costs what the text
// costs so far.
void EditField::DeliverPendingResize() {
    if (!plain_ || plain_->isVisible()) return;
    for (QWidget* w : {static_cast<QWidget*>(plain_), plain_->viewport()}) {
        if (!w->testAttribute(Qt::WA_PendingResizeEvent)) continue;
        QResizeEvent resize(w->size(), QSize());
        QCoreApplication::sendEvent(w, &resize);
        w->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

int EditField::ToCharacters(int utf16) const {
    if (line_) return CodePointsBefore(line_->text(), utf16);
    return astral_ ? CodePointsBefore(plain_->document()->toRawText(), utf16) : utf16;
}

int EditField::ToUtf16(int characters) const {
    characters = std::max(0, characters);
    if (line_) return Utf16IndexOf(line_->text(), characters);
    if (astral_) return Utf16IndexOf(plain_->document()->toRawText(), characters);
    return std::min(characters, plain_->document()->characterCount() - 1);
}

int EditField::SelStart() const {
    if (line_) {
        return ToCharacters(line_->hasSelectedText() ? line_->selectionStart()
                                                     : line_->cursorPosition());
    }
    return ToCharacters(plain_->textCursor().selectionStart());
}

int EditField::SelLength() const {
    if (line_) {
        if (!line_->hasSelectedText()) return 0;
        return ToCharacters(line_->selectionEnd()) - ToCharacters(line_->selectionStart());
    }
    const QTextCursor cursor = plain_->textCursor();
    return ToCharacters(cursor.selectionEnd()) - ToCharacters(cursor.selectionStart());
}

void EditField::SetSelStart(int start) {
    if (line_) {
        line_->setCursorPosition(ToUtf16(start));
    } else {
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(ToUtf16(start));
        plain_->setTextCursor(cursor);
    }
    RaiseSelChangeIfMoved();
}

void EditField::SetSelLength(int length) {
    const int start = SelStart();
    length = std::max(0, length);
    const int from = ToUtf16(start);
    const int to = ToUtf16(start + length);
    if (line_) {
        line_->setSelection(from, to - from);
    } else {
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        plain_->setTextCursor(cursor);
    }
    RaiseSelChangeIfMoved();
}

std::string EditField::SelText() const {
    if (line_) return detail::FromQtText(line_->selectedText());
    const QTextCursor cursor = plain_->textCursor();
    std::string text;
    plain_->AppendText(text, cursor.selectionStart(), cursor.selectionEnd());
    return text;
}

void EditField::SetSelText(const std::string& text) {
    const QString qtext = detail::ToQtText(text);
    if (line_) {
        // Code may change a read-only field; only the user may not.
        const bool readOnly = line_->isReadOnly();
        line_->setReadOnly(false);
        line_->insert(qtext);
        line_->setReadOnly(readOnly);
    } else {
        QTextCursor cursor = plain_->textCursor();
        plain_->Insert(cursor, qtext);
        plain_->setTextCursor(cursor);
    }
    RaiseSelChangeIfMoved();
}

bool EditField::ReadOnly() const {
    return line_ ? line_->isReadOnly() : plain_->isReadOnly();
}

void EditField::SetReadOnly(bool on) {
    if (line_)
        line_->setReadOnly(on);
    else
        plain_->setReadOnly(on);
}

void EditField::SetTextColor(Color c) {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Text, QColor(c.Red, c.Green, c.Blue));
    Widget()->setPalette(palette);
}

void EditField::SetBackColor(Color c) {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, QColor(c.Red, c.Green, c.Blue));
    Widget()->setPalette(palette);
}

void EditField::SetAlignment(int code) {
    const Qt::Alignment align = code == 2   ? Qt::AlignHCenter
                                : code == 3 ? Qt::AlignRight
                                            : Qt::AlignLeft;
    if (line_) {
        line_->setAlignment(align | Qt::AlignVCenter);
    } else {
        QTextOption option = plain_->document()->defaultTextOption();
        option.setAlignment(align);
        plain_->document()->setDefaultTextOption(option);
    }
}

void EditField::SetBorder(bool on) {
    if (line_)
        line_->setFrame(on);
    else
        plain_->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
}

void EditField::SetScrollBarVertical(bool on) {
    // Shown always: a bar that came and went would change the text's width and lay out a long
    // text again.
    if (plain_)
        plain_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void EditField::SetScrollBarHorizontal(bool on) {
    if (!plain_) return;
    plain_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // A horizontal scroll bar means long lines run on instead of wrapping.
    plain_->setLineWrapMode(on ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void EditField::SetAcceptTabs(bool on) {
    if (plain_) plain_->setTabChangesFocus(!on);
}

void EditField::SetLimitText(int characters) {
    if (line_) line_->setMaxLength(characters > 0 ? characters : kNoLimit);
}

void EditField::Detach() {
    RectControl::Detach();
    if (plain_) plain_->document()->blockSignals(true);
}

QLineEdit* EditField::LineWidget() const {
    return line_;
}

QPlainTextEdit* EditField::PlainWidget() const {
    return plain_;
}

bool EditField::HandleUnconsumedKey(const std::string& key) {
    if (plain_ || key.size() != 1) return false;
    // Return and Enter in a one-line field answer the window's default button, Escape its
    // cancel button, as in a dialog.
    if (key[0] == '\r' || key[0] == '\x03') {
        if (PushButton* button = Owner().DefaultButton(); button && button->ShownOnScreen()) {
            button->Push();
            return true;
        }
    }
    if (key[0] == '\x1b') {
        for (const auto& control : Owner().Controls()) {
            auto* button = dynamic_cast<PushButton*>(control.get());
            if (button && button->Cancel() && button->ShownOnScreen()) {
                button->Push();
                return true;
            }
        }
    }
    return false;
}

}  // namespace fw
