#include "window/allEditfield.h"

#include "app/MenuItems.h"
#include "framework/core/Strings.h"

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
    // Set both ways: the field decides the item while it has the focus.
    Required(menu_All()).SetEnabled(!TextEmpty());
}

bool allEditfield::menu_all_Action() {
    // Selections count characters, so the length is taken in characters, not bytes.
    SetSelStart(0);
    SetSelLength(fw::Len(Text()));
    return false;
}
