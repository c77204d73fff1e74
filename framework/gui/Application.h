#pragma once

#include <memory>
#include <string>

#include "framework/gui/Menu.h"
#include "framework/gui/MenuHandlers.h"

namespace fw {

// Base of the application object. Registered with RuntimeRegisterAppObject.
class Application {
public:
    virtual ~Application() = default;

    // The bar shown by windows whose settings ask for the menu bar.
    const std::shared_ptr<MenuBar>& GetMenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<MenuBar> bar);

    // Binds a menu handler to an item name (letter case ignored).
    void AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlerTable& MenuHandlers() const { return menuHandlers_; }

    // Raised once when the event loop starts.
    virtual void Event_Open() {}
    // Raised at every enabling pass, before those of the window and the focused control.
    virtual void Event_EnableMenuItems() {}

private:
    std::shared_ptr<MenuBar> menuBar_;
    MenuHandlerTable menuHandlers_;
};

}  // namespace fw
