// The URL list: its rows, selection, keys, context menu, stripes, drags out and count label.
#include "app/MenuTexts.h"
#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"
#include "framework/core/Strings.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/ContextualMenu.h"
#include "framework/gui/Services.h"
#include "framework/gui/StaticText.h"
#include "window/ListCap.h"
#include "window/ScrapWindow.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"

namespace {
constexpr fw::Color kStripe = fw::RGB(237, 243, 254);
}

void ScrapWindow::InstallListHandlers() {
    auto& list = ListBox1();
    list.OnOpen = [this] { ListBox1_Open(); };
    list.OnMouseDown = [this](int x, int y) { return ListBox1_MouseDown(x, y); };
    list.OnKeyDown = [this](const std::string& key) { return ListBox1_KeyDown(key); };
    list.OnDragRow = [this](fw::DragItem& drag, int row) { return ListBox1_DragRow(drag, row); };
    list.OnDragFinished = [this] { ListBox1_DragFinished(); };
    list.OnCellBackgroundPaint = [this](fw::Graphics& g, int row, int column) {
        return ListBox1_CellBackgroundPaint(g, row, column);
    };
    BevelButton10().OnAction = [this] { BevelButton10_Action(); };
    ContextualMenu1().OnAction = [this](const std::string& item) { ContextualMenu1_Action(item); };
}

bool ScrapWindow::MP_AddDownloadItem(std::string_view s) {
    try {
        if (s.empty()) return true;
        // Callers check their rows all together first; this guards against a turn of the event
        // loop that filled the list between their check and this row.
        if (!ListHasRoom({1, static_cast<std::int64_t>(s.size())})) return false;
        auto& list = ListBox1();
        if (list.ListCount() < 1) list.DeleteAllRows();
        list.AddRow(s);
        PrintListCount(list);
    } catch (...) {
        // A caller adding many rows goes on with the next one.
        fw::MsgBox(ScrapWindowTexts::kAddDownloadItemError);
    }
    return true;
}

std::optional<std::string> ScrapWindow::OverListCap(const myglobal::renban::Figures& more,
                                                    ListCapText text) const {
    const auto& list = ListBox1();
    const myglobal::renban::Figures held{list.ListCount(), list.TextBytes()};
    switch (ListCap::WouldPass(held, more)) {
        case ListCap::Passed::Rows:
            return text(held, false);
        case ListCap::Passed::Bytes:
            return text(held, true);
        case ListCap::Passed::Neither:
            break;
    }
    return std::nullopt;
}

bool ScrapWindow::ListHasRoom(const myglobal::renban::Figures& more) {
    const auto message = OverListCap(more, ScrapWindowTexts::ListAddRefused);
    if (message) fw::MsgBox(*message);
    return !message;
}

void ScrapWindow::MP_ListCountPrint() {
    PrintListCount(ListBox1());
}

void ScrapWindow::PrintListCount(const SelListBox& list) {
    listCountText_.assign(ScrapWindowTexts::kListCount);
    listCountText_ += fw::Str(list.ListCount());
    StaticText1().SetText(listCountText_);
}

// One model operation: the rows left and their order are those of removing the selected rows
// one by one, in time linear in the rows.
void ScrapWindow::MP_SelDelete() {
    ListBox1().RemoveSelectedRows();
    MP_ListCountPrint();
}

// Rows already selected stay so; nothing is deselected.
void ScrapWindow::SelectEveryRow() {
    ListBox1().SelectAllRows();
}

void ScrapWindow::ListBox1_Open() {
    ListBox1().AcceptTextDrop();
}

bool ScrapWindow::ListBox1_KeyDown(const std::string& key) {
    if (fw::StrEq(key, fw::Chr(8))) {
        MP_SelDelete();
        return true;
    }
    // Passed on either way, so the framework's own Select All still sees the key.
    if (fw::StrEq(key, "a") && fw::Keyboard::AsyncCommandKey()) SelectEveryRow();
    return false;
}

bool ScrapWindow::ListBox1_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) {
    if (!fw::IsContextualClick()) return false;
    auto& list = ListBox1();
    auto& menu = ContextualMenu1();
    menu.DeleteAllRows();
    if (list.Selected(list.ListIndex())) menu.AddRow(MenuTexts::kDeleteSelected);
    if (list.ListCount() >= 1) {
        menu.AddRow(ScrapWindowTexts::kListDeleteAll);
        menu.AddSeparator();
        menu.AddRow(MenuTexts::kSelectAll);
    }
    // Opened even without rows, as on an empty list.
    menu.Open();
    return true;
}

void ScrapWindow::ContextualMenu1_Action(const std::string& item) {
    if (fw::StrComp(item, MenuTexts::kDeleteSelected, 0) == 0) {
        MP_SelDelete();
    } else if (fw::StrComp(item, ScrapWindowTexts::kListDeleteAll, 0) == 0) {
        ListBox1().DeleteAllRows();
        MP_ListCountPrint();
    } else if (fw::StrComp(item, MenuTexts::kSelectAll, 0) == 0) {
        SelectEveryRow();
    }
}

void ScrapWindow::BevelButton10_Action() {
    auto& list = ListBox1();
    if (list.ListCount() < 1) return;
    list.DeleteAllRows();
    MP_ListCountPrint();
}

// Every selected row goes out as an item of its own, in list order, whichever row the drag
// began on. The framework's own first item stays as it made it.
bool ScrapWindow::ListBox1_DragRow(fw::DragItem& drag, std::int32_t /*row*/) {
    auto& list = ListBox1();
    const int last = list.ListCount() - 1;
    for (int i = 0; i <= last; ++i) {
        // A turn may have removed rows; Selected is false past the end.
        if (list.Selected(i)) {
            drag.AddItem(0, 0, 20, 4);
            drag.SetText(list.List(i));
        }
        fw::DoEvents();
    }
    p_DragCheck = true;
    return true;
}

// Rows dropped outside the window never reach a drop handler here; without this the next text
// dropped on the list would be ignored without a word.
void ScrapWindow::ListBox1_DragFinished() {
    p_DragCheck = false;
}

bool ScrapWindow::ListBox1_CellBackgroundPaint(fw::Graphics& g, std::int32_t row,
                                               std::int32_t /*column*/) {
    if (row % 2 == 1) {
        g.SetForeColor(kStripe);
        g.FillRect(0, 0, g.Width(), g.Height());
    }
    return false;
}
