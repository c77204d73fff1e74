#pragma once

#include <string>

#include "framework/gui/ContextualMenu.h"
#include "framework/gui/EditField.h"
#include "framework/gui/Runtime.h"

// The edit context menu that the editor and the memo field share. myglobal::MG_EditMenu fills
// it and points it at the field of the last contextual click; a chosen row acts on that field.
class EditCMenu : public fw::ContextualMenu {
public:
    explicit EditCMenu(fw::Window& owner) : fw::ContextualMenu(owner) {}

    static const fw::ClassRecord& Lookup();

    // The field the menu acts on; the window owns it and outlives the menu's use of it.
    fw::EditField* CMEditfield = nullptr;

    // Runs the command whose text the chosen row holds, compared byte for byte.
    void Event_Action(const std::string& item) override;
};
