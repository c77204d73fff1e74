#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/gui/Control.h"

namespace fw {

class DragItem;
class Graphics;
namespace detail {
class ListModel;
class ListView;
}  // namespace detail

// A one-column list made for millions of rows: rows are plain strings held by a Qt model,
// shown by a view with uniform row heights. Appending is amortised constant time; the view
// learns of new rows in batches (at the next event-loop turn) so adding rows one by one stays
// linear. Rows are 0-based.
class Listbox : public RectControl {
public:
    explicit Listbox(Window& owner);
    ~Listbox() override;

    int ListCount() const;
    // Bytes of text the rows hold, all together.
    std::int64_t TextBytes() const;
    // Appends a row at the end.
    void AddRow(std::string_view text);
    // Appends many rows at once.
    void AddRows(std::vector<std::string> texts);
    // Makes room for `rows` more rows holding `bytes` of text in all, so that adding them one
    // by one never stops to move everything the list holds into a larger store.
    void ReserveRows(std::size_t rows, std::size_t bytes);
    // Removes a row; the rows below move up. Throws OutOfBoundsException for a bad index.
    void RemoveRow(int row);
    // Removes every selected row in one pass; the others keep their order. Returns how many.
    int RemoveSelectedRows();
    void DeleteAllRows();
    // Moves the selected rows, in their order, before the row `before` (ListCount for the end):
    // what dragging rows within the list does when drag-reorder is on.
    void MoveSelectedRows(int before);

    // Row text (column 0). Throws OutOfBoundsException for a bad index.
    std::string List(int row) const;
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, const std::string& text);
    // The row added last, -1 before any.
    int LastIndex() const { return lastIndex_; }

    // The current row: the first selected row, -1 when none. Setting it selects that row alone
    // (-1 clears the selection).
    int ListIndex() const;
    void SetListIndex(int row);
    // The current row's text, "" when there is none.
    std::string Text() const;

    // False for an index that is not a row. Selecting a row leaves the others as they are.
    bool Selected(int row) const;
    void SetSelected(int row, bool on);
    // Selects every row in one pass.
    void SelectAllRows();
    int SelCount() const;

    // Settings.
    void SetHeading(const std::string& heading);
    void SetHasHeading(bool on);
    // 0: one row at a time; 1: several rows.
    void SetSelectionType(int type);
    int SelectionType() const { return selectionType_; }
    // Rows may be dragged out (DragRow); with reorder, a drag within the list moves them.
    void SetEnableDrag(bool on) { enableDrag_ = on; }
    void SetEnableDragReorder(bool on) { enableDragReorder_ = on; }
    bool EnableDrag() const { return enableDrag_; }
    bool EnableDragReorder() const { return enableDragReorder_; }
    void SetScrollBarVertical(bool on);
    void SetScrollBarHorizontal(bool on);
    // Row height in pixels; -1 for the font's default.
    void SetDefaultRowHeight(int height);

    // Events. DragRow gets a drag whose first item is empty; returning true starts the drag.
    // DragFinished follows when the drag has ended, wherever it was dropped (a drop on this list
    // has been handled by then). CellBackgroundPaint paints a cell's background; false lets
    // the framework draw its own (the selection highlight) on top.
    std::function<bool(DragItem& drag, int row)> OnDragRow;
    std::function<void()> OnDragFinished;
    std::function<bool(Graphics& g, int row, int column)> OnCellBackgroundPaint;

    virtual bool Event_DragRow(DragItem& drag, int row) {
        return OnDragRow && OnDragRow(drag, row);
    }
    virtual void Event_DragFinished() {
        if (OnDragFinished) OnDragFinished();
    }
    virtual bool Event_CellBackgroundPaint(Graphics& g, int row, int column) {
        return OnCellBackgroundPaint && OnCellBackgroundPaint(g, row, column);
    }

    // Tells the view of rows appended since the last time (the event-loop turn calls it).
    void FlushPendingRows();

    // The Qt view (tests drive it directly).
    detail::ListView* View() const { return view_; }

private:
    friend class detail::ListView;
    void CheckRow(int row) const;
    // Raises DragRow for a drag begun on the row and, when it agrees, carries the drag out.
    void StartDrag(int row);

    std::unique_ptr<detail::ListModel> model_;
    detail::ListView* view_ = nullptr;
    int lastIndex_ = -1;
    int selectionType_ = 0;
    bool enableDrag_ = false;
    bool enableDragReorder_ = false;
};

}  // namespace fw
