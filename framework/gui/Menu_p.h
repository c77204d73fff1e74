#pragma once

class QMainWindow;
class QKeyEvent;

namespace fw {
class MenuBar;
}

namespace fw::detail {

// Builds Qt menus for the bar in the window: each entry gets an action that routes its
// command; each menu runs the enabling pass before it opens.
void InstallMenuBar(MenuBar& bar, QMainWindow& window);

// Whether the key is the shortcut of an item of the application's bar.
bool IsMenuShortcut(const QKeyEvent& event);

}  // namespace fw::detail
