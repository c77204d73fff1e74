#pragma once

#include <functional>

#include "framework/gui/EditField.h"
#include "framework/gui/Runtime.h"

// Every text field of the main window: knows whether it has the keyboard focus, enables the
// Edit menu's Select All by its own text while it has it, and selects its whole text on that
// item.
class allEditfield : public fw::EditField {
public:
    explicit allEditfield(fw::Window& owner, Lines lines = Lines::Single)
        : fw::EditField(owner, lines) {}

    static const fw::ClassRecord& Lookup();

    // True while the field has the keyboard focus.
    bool sentaku = false;

    // The field's own focus events for its owner, raised after sentaku follows the focus.
    std::function<void()> OnMyGotFocus;
    std::function<void()> OnMyLostFocus;

    void Event_LostFocus() override;
    void Event_GotFocus() override;
    void Event_EnableMenuItems() override;

    // Select All, registered on the field under MenuNames::kFieldSelectAll; passes the command on.
    bool menu_all_Action();
};
