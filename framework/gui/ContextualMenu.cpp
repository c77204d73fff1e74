#include "framework/gui/ContextualMenu.h"

#include <QMenu>

#include "framework/gui/Hooks_p.h"
#include "framework/gui/InputState_p.h"
#include "framework/gui/detail/Text.h"

namespace fw {
namespace {

std::optional<int> ExecMenu(const std::vector<std::string>& rows) {
    QMenu menu;
    std::vector<QAction*> actions;
    for (const auto& row : rows) {
        actions.push_back(row == "-" ? menu.addSeparator() : menu.addAction(detail::ToQt(row)));
    }
    QAction* chosen = menu.exec(detail::ContextMenuPlace());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (chosen && actions[i] == chosen) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace

void ContextualMenu::Open() {
    // The rows as they are now: the Action handler may refill the menu.
    const std::vector<std::string> rows = rows_;
    auto& hook = detail::Hooks().contextMenu;
    const std::optional<int> chosen = hook ? hook(rows) : ExecMenu(rows);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(rows.size())) return;
    if (rows[static_cast<std::size_t>(*chosen)] == "-") return;
    Event_Action(rows[static_cast<std::size_t>(*chosen)]);
}

}  // namespace fw
