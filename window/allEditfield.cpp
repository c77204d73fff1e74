#include "window/allEditfield.h"

#include "framework/core/Strings.h"

const fw::ClassRecord& allEditfield::Lookup() {
    return fw::RuntimeRegisterClass("allEditfield");
}

bool allEditfield::menu_all_Action() {
    // Selections count characters, so the length is taken in characters, not bytes.
    SetSelStart(0);
    SetSelLength(fw::Len(Text()));
    return false;
}
