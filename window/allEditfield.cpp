#include "window/allEditfield.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"
#include "framework/gui/Application.h"
#include "framework/gui/Menu.h"

const fw::ClassRecord& allEditfield::Lookup() {
    return fw::RuntimeRegisterClass("allEditfield");
}

void allEditfield::Event_LostFocus() {
    sentaku = false;
    if (OnMyLostFocus) OnMyLostFocus();
}

void allEditfield::Event_GotFocus() {
    sentaku = true;
    if (OnMyGotFocus) OnMyGotFocus();
}

void allEditfield::Event_EnableMenuItems() {
    if (!sentaku) return;
    fw::Application* app = fw::GetAppObject();
    if (!app || !app->GetMenuBar()) throw fw::NilObjectException("no menu bar");
    const fw::MenuItemRef item = app->GetMenuBar()->Lookup("menu_All");
    if (!item) throw fw::NilObjectException("no menu item menu_All");
    // Set both ways: the field decides the item while it has the focus.
    item->SetEnabled(!TextEmpty());
}

bool allEditfield::menu_all_Action() {
    // Selections count characters, so the length is taken in characters, not bytes.
    SetSelStart(0);
    SetSelLength(fw::Len(Text()));
    return false;
}
