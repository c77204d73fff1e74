#include "framework/gui/detail/PlainEdit.h"

#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <climits>

#include "framework/gui/detail/Drops.h"

namespace fw::detail {

namespace {

// Marks a line separator that stands for a U+2029 of the text.
constexpr int kParagraphSeparatorProperty = QTextFormat::UserProperty + 1;

// Text typed after a kept separator takes its mark: only separators are restored.
bool Marked(const QTextFragment& run) {
    return run.charFormat().boolProperty(kParagraphSeparatorProperty);
}

void RestoreSeparators(QString& text, qsizetype from) {
    for (qsizetype at = from; at < text.size(); ++at) {
        if (text[at] == QChar::LineSeparator) text[at] = QChar::ParagraphSeparator;
    }
}

// A paragraph this long costs several milliseconds to shape, at every paint without its layout
// kept; shorter ones are shaped again at no cost worth the memory.
constexpr int kKeptLayoutLength = 32 * 1024;

// A slice of layout between two turns of the event loop, in milliseconds.
constexpr qint64 kLayoutSliceMs = 8;

}  // namespace

PlainEdit::PlainEdit() {
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { KeepLongLayouts(position, added); });
}

void PlainEdit::KeepLongLayouts(int position, int added) {
    QTextDocument* doc = document();
    const QTextBlock last = doc->findBlock(position + std::max(added, 0));
    for (QTextBlock block = doc->findBlock(position); block.isValid(); block = block.next()) {
        if (block.length() >= kKeptLayoutLength) {
            block.layout()->setCacheEnabled(true);
            if (!isVisible() && (unlaid_.empty() || unlaid_.back() != block.position()))
                unlaid_.push_back(block.position());
        }
        if (block == last) break;
    }
}

PlainEdit::Reader::Reader(const PlainEdit& edit, int from, QChar lineBreak)
    : edit_(edit),
      at_(from),
      lineBreak_(lineBreak),
      block_(edit.document()->findBlock(from)),
      runs_(block_.begin()) {}

// The text is read from the document's runs of one format, each passed once; so are the marks
// of kept separators. A cursor would cost more than its range: placed in a paragraph laid out,
// it has Qt find its place on the line, which reads the paragraph up to its first letter for
// its direction, the whole of a paragraph of digits and separators.
QString PlainEdit::Reader::Next(int to) {
    QTextDocument* doc = edit_.document();
    const int begin = at_;
    if (begin == 0 && to == doc->characterCount() - 1) {
        // The whole text at once is one copy of Qt's own.
        QString text = doc->toRawText();
        text.replace(QChar::ParagraphSeparator, lineBreak_);
        if (edit_.kept_) RestoreKeptSeparators(text);
        at_ = to;
        return text;
    }
    QString text;
    text.reserve(to - begin);
    while (at_ < to) {
        // Past its last run a paragraph has only its break left.
        if (runs_.atEnd()) {
            text += lineBreak_;
            ++at_;
            block_ = block_.next();
            runs_ = block_.begin();
            continue;
        }
        if (!run_.isValid()) run_ = runs_.fragment();
        const int start = run_.position();
        const int end = start + run_.length();
        const int until = std::min(end, to);
        if (at_ < until) {
            if (runText_.isNull()) runText_ = run_.text();
            const qsizetype from = text.size();
            text += QStringView(runText_).mid(at_ - start, until - at_);
            if (edit_.kept_ && Marked(run_)) RestoreSeparators(text, from);
            at_ = until;
        }
        if (at_ >= end) NextRun();
    }
    return text;
}

// Only the paragraphs that hold a U+2028 are walked, each once.
void PlainEdit::Reader::RestoreKeptSeparators(QString& text) const {
    QTextDocument* doc = edit_.document();
    int blockEnd = 0;
    QTextBlock::iterator runs;
    int runEnd = 0;
    bool marked = false;
    for (qsizetype at = 0; (at = text.indexOf(QChar::LineSeparator, at)) >= 0; ++at) {
        const int position = static_cast<int>(at);
        if (position >= blockEnd) {
            const QTextBlock block = doc->findBlock(position);
            blockEnd = block.position() + block.length();
            runs = block.begin();
            runEnd = 0;
        }
        while (runEnd <= position) {
            const QTextFragment run = runs.fragment();
            runEnd = run.position() + run.length();
            marked = Marked(run);
            ++runs;
        }
        if (marked) text[at] = QChar::ParagraphSeparator;
    }
}

void PlainEdit::Reader::NextRun() {
    ++runs_;
    run_ = QTextFragment();
    runText_.clear();
}

void PlainEdit::Reader::AppendNext(std::string& out, int to) {
    const QByteArray utf8 = Next(to).toUtf8();
    out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

void PlainEdit::AppendText(std::string& out, int from, int to) const {
    Reader(*this, from).AppendNext(out, to);
}

void PlainEdit::Insert(QTextCursor& cursor, const QString& text) {
    StopSlicedLayout();
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
    StopSlicedLayout();
    unlaid_.clear();
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

void PlainEdit::Append(const QString& text) {
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    const QTextCursor caret = textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    QTextCursor end(doc);
    if (isVisible() || text.contains(QLatin1Char('\n'))) {
        end.movePosition(QTextCursor::End);
        Insert(end, text);
    } else {
        // Qt lays out at once a change within one paragraph, and only forgets the layouts of a
        // change that adds or removes paragraphs, as a text with a line break does; a cursor
        // placed outside an edit, the caret put back included, lays out the paragraph it stands
        // in. So a text without a break goes in as a paragraph of its own behind a break put in
        // first, with the caret back before it, and then the breaks go again, every step an
        // edit of its own.
        end.beginEditBlock();
        end.movePosition(QTextCursor::End);
        const int at = end.position();
        end.insertBlock();
        end.endEditBlock();
        RestoreCaret(anchor, position);
        end.beginEditBlock();
        Insert(end, text);
        end.insertBlock();
        end.endEditBlock();
        end.beginEditBlock();
        end.deletePreviousChar();
        end.endEditBlock();
        end.beginEditBlock();
        end.setPosition(at + 1);
        end.deletePreviousChar();
        end.endEditBlock();
    }
    doc->setUndoRedoEnabled(undo);
    // Only a caret that stood at the very end has moved with the text.
    RestoreCaret(anchor, position);
}

void PlainEdit::RestoreCaret(int anchor, int position) {
    QTextCursor caret = textCursor();
    if (caret.anchor() == anchor && caret.position() == position) return;
    caret.setPosition(anchor);
    caret.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(caret);
}

bool PlainEdit::LayOutSlice() {
    QElapsedTimer clock;
    clock.start();
    QTextDocument* doc = document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(doc->documentLayout());
    const QTextOption option = doc->defaultTextOption();
    // The lines are laid out as Qt's own plain-text layout does when it lines up paragraphs
    // one below another, which is all it does while lines wrap at the field's width.
    if (isVisible() || !layout || lineWrapMode() != WidgetWidth ||
        option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators) {
        unlaid_.clear();
        return false;
    }
    if (!slicing_.isValid()) {
        while (!unlaid_.empty()) {
            const QTextBlock block = doc->findBlock(unlaid_.back());
            unlaid_.pop_back();
            if (block.length() < kKeptLayoutLength || block.layout()->lineCount() > 0) continue;
            // Beginning reads the whole paragraph once: a slice of its own.
            block.layout()->setTextOption(option);
            block.layout()->beginLayout();
            slicing_ = block;
            slicedHeight_ = 0;
            return true;
        }
        return false;
    }
    QTextLayout* lines = slicing_.layout();
    const qreal margin = doc->documentMargin();
    // Lines wrap at the viewport's width, the width Qt gives its layout.
    const int viewportWidth = viewport()->width();
    const qreal width = (viewportWidth > 0 ? qreal(viewportWidth) : qreal(INT_MAX)) - 2 * margin;
    do {
        QTextLine line = lines->createLine();
        if (!line.isValid()) {
            EndSlicedLayout();
            return !unlaid_.empty();
        }
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(margin, slicedHeight_));
        slicedHeight_ += line.height();
        if (line.leading() < 0) slicedHeight_ += qCeil(line.leading());
    } while (clock.elapsed() < kLayoutSliceMs);
    return true;
}

void PlainEdit::EndSlicedLayout() {
    slicing_.layout()->endLayout();
    slicing_.setLineCount(slicing_.isVisible() ? slicing_.layout()->lineCount() : 0);
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
    slicing_ = QTextBlock();
}

// A layout under way is dropped, the paragraph left to be laid out when it is needed.
void PlainEdit::StopSlicedLayout() {
    if (!slicing_.isValid()) return;
    slicing_.layout()->endLayout();
    slicing_.layout()->clearLayout();
    slicing_ = QTextBlock();
}

void PlainEdit::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::InsertLineSeparator)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // Whatever keys the platform binds to a line separator, they end the line as Return does.
    const Qt::Key key = event->key() == Qt::Key_Enter ? Qt::Key_Enter : Qt::Key_Return;
    QKeyEvent lineEnd(event->type(), key, event->modifiers() & Qt::KeypadModifier,
                      QStringLiteral("\r"), event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
    QPlainTextEdit::keyPressEvent(&lineEnd);
    event->setAccepted(lineEnd.isAccepted());
}

void PlainEdit::showEvent(QShowEvent* event) {
    StopSlicedLayout();
    unlaid_.clear();
    QPlainTextEdit::showEvent(event);
}

// What goes to the clipboard and to a drag is the text the field holds: Qt's own plain-text
// conversion would turn a no-break space into a space and U+2028 into a line break.
QMimeData* PlainEdit::createMimeDataFromSelection() const {
    const QTextCursor selection = textCursor();
    auto* mime = new QMimeData;
    mime->setText(Reader(*this, selection.selectionStart(), QLatin1Char('\n'))
                      .Next(selection.selectionEnd()));
    return mime;
}

// Pasted and dropped text goes straight in at the cursor: Qt's own way builds a document of the
// whole text first and then copies it over, which nearly doubles the wait for a long list.
void PlainEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = source->text();
    // Qt leaves the selection alone when there is nothing to put in its place.
    if (text.isEmpty()) return;
    QTextCursor cursor = textCursor();
    Insert(cursor, text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void PlainEdit::dragEnterEvent(QDragEnterEvent* event) {
    QPlainTextEdit::dragEnterEvent(event);
    AnswerUrlsAsCopy(*event);
}

void PlainEdit::dragMoveEvent(QDragMoveEvent* event) {
    QPlainTextEdit::dragMoveEvent(event);
    AnswerUrlsAsCopy(*event);
}

void PlainEdit::dropEvent(QDropEvent* event) {
    QPlainTextEdit::dropEvent(event);
    AnswerUrlsAsCopy(*event);
}

}  // namespace fw::detail
