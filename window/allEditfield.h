#pragma once

#include "framework/gui/EditField.h"
#include "framework/gui/Runtime.h"

// Every text field of the main window: selects its whole text on the Edit menu's Select All
// while it has the focus.
class allEditfield : public fw::EditField {
public:
    explicit allEditfield(fw::Window& owner, Lines lines = Lines::Single)
        : fw::EditField(owner, lines) {}

    static const fw::ClassRecord& Lookup();

    // Select All, registered on the field under "menu_all"; passes the command on.
    bool menu_all_Action();
};
