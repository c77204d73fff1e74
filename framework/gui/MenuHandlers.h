#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

// A menu handler: True consumes the command, False passes it on.
using MenuHandler = std::function<bool()>;

// Handlers bound by item name on an application, a window or a control. Names match without
// regard to ASCII letter case, so a handler bound under "menu_all" serves the item "menu_All".
class MenuHandlerTable {
public:
    void Add(const std::string& itemName, MenuHandler handler);
    // Calls the handlers bound under the name, in binding order, until one returns true.
    bool Run(const std::string& itemName) const;
    bool Has(const std::string& itemName) const;
    // The name of every binding, in binding order: a name bound twice comes twice.
    std::vector<std::string> Names() const;

private:
    std::vector<std::pair<std::string, MenuHandler>> handlers_;
};

}  // namespace fw
