#include "framework/gui/Menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <functional>

#include "framework/gui/Application.h"
#include "framework/gui/EditField.h"
#include "framework/gui/EditFieldMenu_p.h"
#include "framework/gui/Menu_p.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Text.h"

namespace fw {
namespace {

// "Cmd+X" in the system's notation is Qt's Ctrl+X, which Qt shows as Command on a Mac.
QKeySequence ToKeySequence(const std::string& shortcut) {
    QString text = detail::ToQt(shortcut);
    text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"), Qt::CaseInsensitive);
    return QKeySequence(text, QKeySequence::PortableText);
}

EditField* FocusedEditField() {
    Window* window = FrontWindow();
    return window ? dynamic_cast<EditField*>(window->FocusedControl()) : nullptr;
}

}  // namespace

MenuItem::~MenuItem() {
    for (QAction* action : actions_) QObject::disconnect(action, nullptr, nullptr, nullptr);
}

void MenuItem::SetText(const std::string& text) {
    text_ = text;
    for (QAction* action : actions_) {
        if (!action->isSeparator()) action->setText(detail::ToQt(text));
    }
}

void MenuItem::SetKeyboardShortcut(const std::string& shortcut) {
    shortcut_ = shortcut;
    for (QAction* action : actions_) action->setShortcut(ToKeySequence(shortcut));
}

void MenuItem::SetEnabled(bool on) {
    enabled_ = on;
    for (QAction* action : actions_) action->setEnabled(on);
}

void MenuItem::Append(const MenuItemRef& item) {
    if (!item) throw NilObjectException("appending a missing menu item");
    item->parent_ = this;
    children_.push_back(item);
}

MenuItemRef MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) throw OutOfBoundsException("menu item index out of range");
    return children_[static_cast<std::size_t>(index)];
}

MenuItemRef MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
    }
    return nullptr;
}

QAction* MenuItem::Action() const {
    return actions_.empty() ? nullptr : actions_.front();
}

void MenuItem::ConfigureAction(QAction& action) const {
    action.setMenuRole(QAction::NoRole);
}

void QuitMenuItem::ConfigureAction(QAction& action) const {
    action.setMenuRole(QAction::QuitRole);
}

void AppleMenuItem::ConfigureAction(QAction& action) const {
    action.setMenuRole(QAction::AboutRole);
}

MenuItemRef MenuBar::Lookup(const std::string& name) const {
    for (const auto& entry : AllEntries()) {
        if (entry->Name() == name) return entry;
    }
    return nullptr;
}

std::vector<MenuItemRef> MenuBar::AllEntries() const {
    std::vector<MenuItemRef> out;
    std::function<void(const MenuItem&)> walk = [&](const MenuItem& item) {
        for (const auto& child : item.children_) {
            out.push_back(child);
            walk(*child);
        }
    };
    walk(*this);
    return out;
}

struct MenuInstaller {
    static void Install(MenuBar& bar, QMenuBar& qbar) {
        for (const auto& top : bar.children_) {
            QMenu* menu = qbar.addMenu(detail::ToQt(top->Text()));
            QObject::connect(menu, &QMenu::aboutToShow, [] { RunMenuEnablingPass(); });
            Track(*top, menu->menuAction());
            Fill(*menu, *top);
        }
    }

    static void Track(MenuItem& item, QAction* action) {
        item.actions_.push_back(action);
        QObject::connect(action, &QObject::destroyed, [&item, action] {
            auto& list = item.actions_;
            list.erase(std::remove(list.begin(), list.end(), action), list.end());
        });
    }

    static void Fill(QMenu& menu, MenuItem& parent) {
        for (const auto& child : parent.children_) {
            MenuItem& item = *child;
            if (item.IsSeparator()) {
                Track(item, menu.addSeparator());
            } else if (!item.children_.empty()) {
                QMenu* sub = menu.addMenu(detail::ToQt(item.Text()));
                QObject::connect(sub, &QMenu::aboutToShow, [] { RunMenuEnablingPass(); });
                Track(item, sub->menuAction());
                Fill(*sub, item);
            } else {
                QAction* action = menu.addAction(detail::ToQt(item.Text()));
                item.ConfigureAction(*action);
                action->setShortcut(ToKeySequence(item.KeyboardShortcut()));
                action->setEnabled(item.Enabled());
                // The item is held by the bar, which outlives every window showing it.
                QObject::connect(action, &QAction::triggered,
                                 [&item] { Dispatch([&item] { DispatchMenuCommand(item); }); });
                Track(item, action);
            }
        }
    }
};

namespace detail {

void InstallMenuBar(MenuBar& bar, QMainWindow& window) {
    if (window.menuWidget()) return;
    auto* qbar = new QMenuBar(&window);
    MenuInstaller::Install(bar, *qbar);
    window.setMenuBar(qbar);
}

bool IsMenuShortcut(const QKeyEvent& event) {
    Application* app = GetAppObject();
    if (!app || !app->GetMenuBar()) return false;
    const QKeySequence pressed(event.keyCombination());
    for (const auto& entry : app->GetMenuBar()->AllEntries()) {
        if (!entry->KeyboardShortcut().empty() &&
            ToKeySequence(entry->KeyboardShortcut()) == pressed)
            return true;
    }
    return false;
}

}  // namespace detail

void RunMenuEnablingPass() {
    Application* app = GetAppObject();
    if (!app || !app->GetMenuBar()) return;
    for (const auto& entry : app->GetMenuBar()->AllEntries()) {
        // Menus themselves stay enabled so they can be opened.
        if (entry->Count() > 0)
            entry->SetEnabled(true);
        else
            entry->SetEnabled(entry->AutoEnable());
    }
    // The framework's own part comes first: the system's enabling code may still set any item.
    if (EditField* field = FocusedEditField())
        detail::EnableStandardEditItems(*field, *app->GetMenuBar());
    Dispatch([app] { app->Event_EnableMenuItems(); });
    Window* window = FrontWindow();
    if (!window) return;
    Dispatch([window] { window->Event_EnableMenuItems(); });
    if (RectControl* control = window->FocusedControl())
        Dispatch([control] { control->Event_EnableMenuItems(); });
}

bool DispatchMenuCommand(const MenuItem& item) {
    const std::string& name = item.Name();
    if (Window* window = FrontWindow()) {
        if (RectControl* control = window->FocusedControl();
            control && control->MenuHandlers().Run(name))
            return true;
        if (window->MenuHandlers().Run(name)) return true;
    }
    if (Application* app = GetAppObject(); app && app->MenuHandlers().Run(name)) return true;
    if (EditField* field = FocusedEditField();
        field && detail::PerformStandardEditItem(*field, name))
        return true;
    if (dynamic_cast<const QuitMenuItem*>(&item)) {
        Quit(0);
        return true;
    }
    return false;
}

}  // namespace fw
