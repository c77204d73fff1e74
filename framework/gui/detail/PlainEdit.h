#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>

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
class PlainEdit : public QPlainTextEdit {
public:
    PlainEdit();

    // The text between two document positions as the system holds it, UTF-8 appended to `out`:
    // the document's paragraph breaks as CR, everything else as it was given.
    void AppendText(std::string& out, int from, int to) const;
    // Inserts at the cursor (replacing its selection), keeping every U+2029 of the text.
    void Insert(QTextCursor& cursor, const QString& text);
    // Replaces the whole text; the caret goes to the start and nothing can be undone.
    void Replace(const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString Held(int from, int to, QChar lineBreak) const;
    void KeepLongLayouts(int position, int added);

    bool kept_ = false;  // a U+2029 may have gone in since the text was last replaced
};

}  // namespace fw::detail
