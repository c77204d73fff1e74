#pragma once

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <string_view>

class QHeaderView;

namespace fw {
class Listbox;
}

namespace fw::detail {

class ListModel;

// The view of a Listbox. Every row has the same height, so a row's place is computed, not laid
// out: appending rows costs the view nothing per row (QListView lays out every row again after
// each insertion, which at a million rows keeps the event loop waiting). Selection lives in the
// model (one byte a row) instead of Qt's selection model, whose ranges would cost memory and
// time per row; the view handles clicks, Shift and Ctrl clicks, the arrow keys and starting a
// drag itself.
class ListView : public QAbstractItemView {
public:
    ListView(Listbox& listbox, ListModel& model);

    void SetHasHeading(bool on);
    void SetRowHeight(int height);
    int RowHeight() const;
    int CursorRow() const { return cursor_; }
    void SetCursorRow(int row) { cursor_ = anchor_ = row; }
    // How far the rows are scrolled, in pixels.
    qint64 Offset() const;
    void SetOffset(qint64 pixels);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction, Qt::KeyboardModifiers) override { return {}; }
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect&, QItemSelectionModel::SelectionFlags) override {}
    QRegion visualRegionForSelection(const QItemSelection&) const override { return {}; }

private:
    void SelectOnly(int row);
    void RowsChanged();
    void MoveCursor(int row, bool extend);
    // The viewport's height in steps of the scroll bar.
    int PageSteps() const;
    // Scrolls to a step of the scroll bar, kept within its range.
    void ScrollToStep(qint64 step);

    Listbox& listbox_;
    ListModel& model_;
    QHeaderView* header_;
    bool hasHeading_ = false;
    int rowHeight_ = -1;
    // Pixels per step of the scroll bar: 1, or a row's height when the rows together are taller
    // than an int counts (a hundred million rows of 20 pixels), so that every row can be reached.
    int scrollUnit_ = 1;
    int cursor_ = -1;
    int anchor_ = -1;
    int pressRow_ = -1;
    int pendingClickRow_ = -1;
    QPoint pressPos_;
    bool dragPossible_ = false;
};

// Paints a row: the CellBackgroundPaint event first, then (unless it took over) the selection
// highlight, then the text.
class ListDelegate : public QStyledItemDelegate {
public:
    ListDelegate(Listbox& listbox, ListModel& model, ListView& view)
        : QStyledItemDelegate(&view), listbox_(listbox), model_(model), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // What fits of a row in `width` pixels, ending in an ellipsis when the row goes on.
    static QString ShownStart(std::string_view row, const QFontMetrics& metrics, int width);

    Listbox& listbox_;
    ListModel& model_;
    ListView& view_;
};

}  // namespace fw::detail
