#include "framework/gui/MenuHandlers.h"

#include "framework/core/Strings.h"

namespace fw {

void MenuHandlerTable::Add(const std::string& itemName, MenuHandler handler) {
    handlers_.emplace_back(itemName, std::move(handler));
}

bool MenuHandlerTable::Run(const std::string& itemName) const {
    // A copy: a handler may bind further handlers while it runs.
    const auto handlers = handlers_;
    for (const auto& [name, handler] : handlers) {
        if (StrEq(name, itemName) && handler && handler()) return true;
    }
    return false;
}

bool MenuHandlerTable::Has(const std::string& itemName) const {
    for (const auto& entry : handlers_) {
        if (StrEq(entry.first, itemName)) return true;
    }
    return false;
}

std::vector<std::string> MenuHandlerTable::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : handlers_) names.push_back(entry.first);
    return names;
}

}  // namespace fw
