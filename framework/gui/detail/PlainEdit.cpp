#include "framework/gui/detail/PlainEdit.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace fw::detail {

namespace {

// Marks a line separator that stands for a U+2029 of the text.
constexpr int kParagraphSeparatorProperty = QTextFormat::UserProperty + 1;

// A paragraph this long costs several milliseconds to shape, at every paint without its layout
// kept; shorter ones are shaped again at no cost worth the memory.
constexpr int kKeptLayoutLength = 32 * 1024;

}  // namespace

PlainEdit::PlainEdit() {
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { KeepLongLayouts(position, added); });
}

void PlainEdit::KeepLongLayouts(int position, int added) {
    QTextDocument* doc = document();
    const QTextBlock last = doc->findBlock(position + std::max(added, 0));
    for (QTextBlock block = doc->findBlock(position); block.isValid(); block = block.next()) {
        if (block.length() >= kKeptLayoutLength) block.layout()->setCacheEnabled(true);
        if (block == last) break;
    }
}

QString PlainEdit::Held(int from, int to, QChar lineBreak) const {
    QTextDocument* doc = document();
    QString text;
    if (from == 0 && to == doc->characterCount() - 1) {
        text = doc->toRawText();
    } else {
        QTextCursor range(doc);
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        text = range.selectedText();
    }
    text.replace(QChar::ParagraphSeparator, lineBreak);
    if (!kept_) return text;
    QTextCursor after(doc);
    for (qsizetype at = 0; (at = text.indexOf(QChar::LineSeparator, at)) >= 0; ++at) {
        // The format of a character is the one the cursor just behind it reports.
        after.setPosition(from + static_cast<int>(at) + 1);
        if (after.charFormat().boolProperty(kParagraphSeparatorProperty))
            text[at] = QChar::ParagraphSeparator;
    }
    return text;
}

void PlainEdit::AppendText(std::string& out, int from, int to) const {
    const QByteArray utf8 = Held(from, to, QLatin1Char('\r')).toUtf8();
    out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

void PlainEdit::Insert(QTextCursor& cursor, const QString& text) {
    const bool separators = text.contains(QChar::ParagraphSeparator);
    if (!separators && !kept_) {
        cursor.insertText(text);
        return;
    }
    kept_ = true;
    // Text typed after a kept separator would take its mark; what goes in here does not.
    QTextCharFormat plain = cursor.charFormat();
    plain.clearProperty(kParagraphSeparatorProperty);
    if (!separators) {
        cursor.insertText(text, plain);
        return;
    }
    QTextCharFormat separator = plain;
    separator.setProperty(kParagraphSeparatorProperty, true);
    cursor.beginEditBlock();
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(QChar::ParagraphSeparator, from)) >= 0; from = at + 1) {
        cursor.insertText(text.mid(from, at - from), plain);
        cursor.insertText(QString(QChar::LineSeparator), separator);
    }
    cursor.insertText(text.mid(from), plain);
    cursor.endEditBlock();
}

void PlainEdit::Replace(const QString& text) {
    kept_ = false;
    if (!text.contains(QChar::ParagraphSeparator)) {
        setPlainText(text);
        return;
    }
    setPlainText(QString());
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    Insert(cursor, text);
    doc->setUndoRedoEnabled(undo);
    moveCursor(QTextCursor::Start);
}

// What goes to the clipboard and to a drag is the text the field holds: Qt's own plain-text
// conversion would turn a no-break space into a space and U+2028 into a line break.
QMimeData* PlainEdit::createMimeDataFromSelection() const {
    const QTextCursor selection = textCursor();
    auto* mime = new QMimeData;
    mime->setText(Held(selection.selectionStart(), selection.selectionEnd(), QLatin1Char('\n')));
    return mime;
}

void PlainEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText() ||
        !source->text().contains(QChar::ParagraphSeparator)) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    Insert(cursor, source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace fw::detail
