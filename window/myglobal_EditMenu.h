#pragma once

#include "framework/gui/EditField.h"
#include "window/EditCMenu.h"

namespace myglobal {

// On a contextual click, fills the edit context menu with the commands that fit the field's
// state, points the menu at the field, opens it and returns true; on any other click returns
// false and leaves the menu as it was, so the field handles the click itself.
bool MG_EditMenu(fw::EditField& field, EditCMenu& menu);

}  // namespace myglobal
