#include "window/SelListBox.h"

const fw::ClassRecord& SelListBox::Lookup() {
    return fw::RuntimeRegisterClass("SelListBox");
}

void SelListBox::Event_GotFocus() {
    ForcusCheck = true;
    fw::Listbox::Event_GotFocus();
}

void SelListBox::Event_LostFocus() {
    ForcusCheck = false;
    fw::Listbox::Event_LostFocus();
}
