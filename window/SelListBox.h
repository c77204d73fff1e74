#pragma once

#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"

// The URL list's class: a list box that knows whether it has the keyboard focus, so that the
// window's Edit-menu commands act on the list only while the user works in it.
class SelListBox : public fw::Listbox {
public:
    explicit SelListBox(fw::Window& owner) : fw::Listbox(owner) {}

    static const fw::ClassRecord& Lookup();

    // True while the list has the keyboard focus.
    bool ForcusCheck = false;

    // The flag is set first, then the instance's own GotFocus / LostFocus handler runs.
    void Event_GotFocus() override;
    void Event_LostFocus() override;
};
