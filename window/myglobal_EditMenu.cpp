#include "window/myglobal_EditMenu.h"

#include "app/MenuTexts.h"
#include "framework/gui/Clipboard.h"
#include "framework/gui/Services.h"

namespace myglobal {

bool MG_EditMenu(fw::EditField& field, EditCMenu& menu) {
    fw::Clipboard clipboard;
    if (!fw::IsContextualClick()) return false;

    menu.DeleteAllRows();
    bool rowsAbove = false;
    if (field.SelLength() > 0) {
        if (!field.ReadOnly()) menu.AddRow(MenuTexts::kCut);
        menu.AddRow(MenuTexts::kCopy);
        rowsAbove = true;
    }
    if (!field.ReadOnly()) {
        if (clipboard.TextAvailable()) {
            menu.AddRow(MenuTexts::kPaste);
            rowsAbove = true;
        }
        clipboard.Close();
        if (field.SelLength() > 0) {
            menu.AddRow(MenuTexts::kClear);
            rowsAbove = true;
        }
    }
    if (!field.TextEmpty()) {
        if (rowsAbove) menu.AddSeparator();
        menu.AddRow(MenuTexts::kSelectAll);
    }
    menu.CMEditfield = &field;
    menu.Open();
    return true;
}

}  // namespace myglobal
