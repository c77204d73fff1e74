#pragma once

#include <string>

namespace fw {

class EditField;
class MenuBar;

namespace detail {

// The Edit menu's standard editing items (undo, cut, copy, paste, clear), which the framework
// serves on its own for the edit field that has the focus, as the field's own keys do.

// Enables the items of the bar that the field's state allows.
void EnableStandardEditItems(const EditField& field, const MenuBar& bar);

// Performs the named item on the field when it is a standard item and the field's state allows
// it; true when it did.
bool PerformStandardEditItem(EditField& field, const std::string& itemName);

}  // namespace detail
}  // namespace fw
