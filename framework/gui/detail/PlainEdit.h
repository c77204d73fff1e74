#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <string>
#include <vector>

class QTextCursor;

namespace fw::detail {

// The multi-line field's widget: Qt's plain-text editor holding the characters it is given.
//
// Qt's document takes every U+2029 as a paragraph break of its own. One that comes with the
// text is kept as a line separator marked as the paragraph separator it was, shown as the line
// break it asks for and read back as U+2029; only the document's own breaks are line ends.
//
// A paragraph of tens of thousands of characters keeps its shaped layout between paints: Qt
// frees it after laying the paragraph out and otherwise shapes the whole paragraph again at
// every blink of the caret, focus change and paint, to place the caret on one line.
//
// Shift+Return makes the line end Return makes: Qt's own inserts a U+2028, one line on screen
// but none in the text the system reads.
//
// Hidden, the field lays out nothing of what is appended: Qt lays a paragraph out again at every
// change within it, and a long line going in by pieces took time in the square of its length.
// Such a paragraph is laid out when shown, or before, a slice at a time (LayOutSlice), so that
// laying out megabytes leaves the event loop turns in between.
class PlainEdit : public QPlainTextEdit {
public:
    PlainEdit();

    // Reads the text as the system holds it, from a document position on, one range after
    // another: the document's paragraph breaks as the line break given, everything else as it
    // was given. Ranges read one after another cost together what the text they span costs,
    // whatever its characters, and the paragraph they start in; a change of the text ends what a
    // reader may be used for.
    class Reader {
    public:
        Reader(const PlainEdit& edit, int from, QChar lineBreak = QLatin1Char('\r'));
        // The text from where the last range ended up to `to`.
        QString Next(int to);
        // The same, UTF-8 appended to `out`.
        void AppendNext(std::string& out, int to);

    private:
        void NextRun();
        void RestoreKeptSeparators(QString& text) const;

        const PlainEdit& edit_;
        int at_;
        QChar lineBreak_;
        // The paragraph and the run of one format that hold `at_`, and the run's text, read
        // whole once and kept while ranges end inside it.
        QTextBlock block_;
        QTextBlock::iterator runs_;
        QTextFragment run_;
        QString runText_;
    };

    // The text between two document positions, UTF-8 appended to `out` (see Reader).
    void AppendText(std::string& out, int from, int to) const;
    // Inserts at the cursor (replacing its selection), keeping every U+2029 of the text.
    void Insert(QTextCursor& cursor, const QString& text);
    // Replaces the whole text; the caret goes to the start and nothing can be undone.
    void Replace(const QString& text);
    // Appends at the end, as no undo step, leaving the caret and selection where they are.
    void Append(const QString& text);
    // Lays out for a few milliseconds a long paragraph that went in while the field was hidden
    // and has not been laid out since; whether any is left.
    bool LayOutSlice();

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void KeepLongLayouts(int position, int added);
    void RestoreCaret(int anchor, int position);
    void EndSlicedLayout();
    void StopSlicedLayout();

    bool kept_ = false;  // a U+2029 may have gone in since the text was last replaced
    // Where long paragraphs start that went in hidden, and may wait for their layout.
    std::vector<int> unlaid_;
    // The paragraph being laid out in slices, and the height of its lines so far. While it is,
    // the text does not change: every change of it here ends the layout first.
    QTextBlock slicing_;
    qreal slicedHeight_ = 0;
};

}  // namespace fw::detail
