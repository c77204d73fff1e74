#pragma once

#include "framework/gui/ContextualMenu.h"
#include "framework/gui/Runtime.h"

// The edit context menu that the editor and the memo field share.
class EditCMenu : public fw::ContextualMenu {
public:
    explicit EditCMenu(fw::Window& owner) : fw::ContextualMenu(owner) {}

    static const fw::ClassRecord& Lookup();
};
