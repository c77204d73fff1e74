#pragma once

#include <memory>

#include "framework/gui/Menu.h"

// The items that code reaches by name, looked up afresh in the application's menu bar at every
// call. Each throws NilObjectException while there is no application object or it has no bar,
// and yields nil when the bar holds no entry of that name.
std::shared_ptr<fw::AppleMenuItem> menu_apple();
std::shared_ptr<fw::MenuItem> menu_HP();
std::shared_ptr<fw::MenuItem> menu_del();
std::shared_ptr<fw::MenuItem> menu_SelDel();
std::shared_ptr<fw::MenuItem> menu_All();
std::shared_ptr<fw::MenuItem> EditClear();
std::shared_ptr<fw::MenuItem> EditPaste();
std::shared_ptr<fw::MenuItem> EditCopy();
std::shared_ptr<fw::MenuItem> EditCut();

// The item an accessor yielded, for callers that cannot do without it: NilObjectException when
// the bar holds no entry of that name.
fw::MenuItem& Required(const std::shared_ptr<fw::MenuItem>& item);
