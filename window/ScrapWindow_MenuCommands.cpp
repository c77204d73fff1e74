// The Edit-menu commands that act on the URL list, and when they are enabled.
#include "app/MenuItems.h"
#include "app/MenuNames.h"
#include "framework/core/Strings.h"
#include "framework/gui/Clipboard.h"
#include "window/ScrapWindow.h"
#include "window/SelListBox.h"

void ScrapWindow::AddMenuHandlers() {
    AddMenuHandler(MenuNames::kCopy, [this] { return EditCopy_Action(); });
    AddMenuHandler(MenuNames::kPaste, [this] { return EditPaste_Action(); });
    AddMenuHandler(MenuNames::kSelectAll, [this] { return menu_All_Action(); });
    AddMenuHandler(MenuNames::kDeleteAll, [this] { return menu_del_Action(); });
    AddMenuHandler(MenuNames::kDeleteSelected, [this] { return menu_SelDel_Action(); });
    // No item of the menu bar bears this name.
    AddMenuHandler(MenuNames::kUrlCopy, [this] { return menu_urlcopy_Action(); });
}

// Only enables: what stays disabled is the framework's and the other enabling code's.
void ScrapWindow::Event_EnableMenuItems() {
    Required(EditPaste()).Enable();
    const auto& list = ListBox1();
    if (list.ListCount() >= 1 && list.ForcusCheck) {
        Required(menu_All()).Enable();
        Required(menu_del()).Enable();
        Required(menu_SelDel()).Enable();
        if (!list.Text().empty()) Required(EditCopy()).Enable();
    }
}

// Copies the current row only, even with several rows selected, and lets the command go on.
bool ScrapWindow::EditCopy_Action() {
    const auto& list = ListBox1();
    if (list.ForcusCheck) {
        fw::Clipboard clipboard;
        clipboard.SetText(list.Text());
        clipboard.Close();
    }
    return false;
}

bool ScrapWindow::EditPaste_Action() {
    if (!ListBox1().ForcusCheck) return false;
    fw::Clipboard clipboard;
    std::string text = clipboard.Text();
    if (fw::LenB(text) < 1) return false;
    MP_ReadDownloadList({std::move(text), fw::Encodings::UTF8});
    clipboard.Close();
    return true;
}

bool ScrapWindow::menu_All_Action() {
    if (ListBox1().ForcusCheck) SelectEveryRow();
    return false;
}

// No focus test and no question: the menu bar's Delete All acts on the list from anywhere.
bool ScrapWindow::menu_del_Action() {
    ListBox1().DeleteAllRows();
    MP_ListCountPrint();
    return false;
}

bool ScrapWindow::menu_SelDel_Action() {
    MP_SelDelete();
    return false;
}

bool ScrapWindow::menu_urlcopy_Action() {
    fw::Clipboard clipboard;
    clipboard.SetText(ListBox1().Text());
    clipboard.Close();
    return false;
}
