#pragma once

#include <QLineEdit>

namespace fw::detail {

// The one-line field's widget: Qt's own line edit for editing, input methods, clipboard and undo,
// with three differences. It keeps its selection whatever the focus does, as the system's fields
// keep SelStart and SelLength; it shows that selection and its caret only while it has the focus
// (or lends it to a popup such as its context menu); and a paint costs what can be seen, not the
// whole line.
class LineEdit : public QLineEdit {
public:
    // Set while the widget restores its own selection, so that the field hears nothing of it.
    bool* quiet = nullptr;

    // Runs `change` (which may drop the selection or set the text, keeping the positions valid),
    // then puts the selection back with the cursor on the side it stood, or else the caret.
    template <class Change>
    void KeepSelection(Change&& change) {
        const int start = selectionStart();
        const int length = selectionLength();
        const int cursor = cursorPosition();
        change();
        RestoreSelection(start, length, cursor);
    }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void RestoreSelection(int start, int length, int cursor);

    bool focused_ = false;   // has the focus, or lends it to a popup
    bool dragOver_ = false;  // a drag shows where its text would go
};

}  // namespace fw::detail
