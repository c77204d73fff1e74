#pragma once

#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"

// The URL list's class: a list box that knows whether it has the keyboard focus.
class SelListBox : public fw::Listbox {
public:
    explicit SelListBox(fw::Window& owner) : fw::Listbox(owner) {}

    static const fw::ClassRecord& Lookup();

    // True while the list has the keyboard focus.
    bool ForcusCheck = false;
};
