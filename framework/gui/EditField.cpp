#include "framework/gui/EditField.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/gui/PushButton.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Text.h"

namespace fw {

using detail::CodePointsBefore;
using detail::Utf16IndexOf;

EditField::EditField(Window& owner, Lines lines) : RectControl(owner) {
    if (lines == Lines::Multi) {
        plain_ = new QPlainTextEdit;
        plain_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        plain_->setTabChangesFocus(true);
        SetWidget(plain_, plain_->viewport());
    } else {
        line_ = new QLineEdit;
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
    return detail::FromQtText(line_ ? line_->text() : plain_->toPlainText());
}

void EditField::SetText(const std::string& text) {
    settingText_ = true;
    const QString qtext = detail::ToQtText(text);
    if (line_)
        line_->setText(qtext);
    else
        plain_->setPlainText(qtext);
    settingText_ = false;
    Event_TextChange();
    RaiseSelChangeIfMoved();
}

void EditField::AppendText(const std::string& text) {
    if (text.empty()) return;
    const int start = SelStart();
    const int length = SelLength();
    settingText_ = true;
    const QString qtext = detail::ToQtText(text);
    if (line_) {
        line_->setText(line_->text() + qtext);
    } else {
        QTextDocument* doc = plain_->document();
        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        QTextCursor end(doc);
        end.movePosition(QTextCursor::End);
        end.insertText(qtext);
        doc->setUndoRedoEnabled(undo);
    }
    settingText_ = false;
    SetSelStart(start);
    SetSelLength(length);
    Event_TextChange();
}

int EditField::SelStart() const {
    if (line_) {
        const int start =
            line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
        return CodePointsBefore(line_->text(), start);
    }
    const QTextCursor cursor = plain_->textCursor();
    return CodePointsBefore(plain_->toPlainText(), cursor.selectionStart());
}

int EditField::SelLength() const {
    if (line_) {
        if (!line_->hasSelectedText()) return 0;
        const QString text = line_->text();
        const int start = line_->selectionStart();
        return CodePointsBefore(text, start + static_cast<int>(line_->selectedText().size())) -
               CodePointsBefore(text, start);
    }
    const QTextCursor cursor = plain_->textCursor();
    const QString text = plain_->toPlainText();
    return CodePointsBefore(text, cursor.selectionEnd()) -
           CodePointsBefore(text, cursor.selectionStart());
}

void EditField::SetSelStart(int start) {
    if (line_) {
        line_->setCursorPosition(Utf16IndexOf(line_->text(), std::max(0, start)));
    } else {
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(Utf16IndexOf(plain_->toPlainText(), std::max(0, start)));
        plain_->setTextCursor(cursor);
    }
    RaiseSelChangeIfMoved();
}

void EditField::SetSelLength(int length) {
    const int start = SelStart();
    length = std::max(0, length);
    if (line_) {
        const QString text = line_->text();
        const int from = Utf16IndexOf(text, start);
        const int to = Utf16IndexOf(text, start + length);
        line_->setSelection(from, to - from);
    } else {
        const QString text = plain_->toPlainText();
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(Utf16IndexOf(text, start));
        cursor.setPosition(Utf16IndexOf(text, start + length), QTextCursor::KeepAnchor);
        plain_->setTextCursor(cursor);
    }
    RaiseSelChangeIfMoved();
}

std::string EditField::SelText() const {
    if (line_) return detail::FromQtText(line_->selectedText());
    return detail::FromQtText(plain_->textCursor().selectedText());
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
        cursor.insertText(qtext);
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
    if (plain_)
        plain_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
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
    if (line_) line_->setMaxLength(characters > 0 ? characters : 32767);
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
