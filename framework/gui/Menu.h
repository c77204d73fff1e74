#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"

class QAction;

namespace fw {

class MenuItem;
using MenuItemRef = std::shared_ptr<MenuItem>;

// An entry of the menu bar: a top menu, an item of one, or a separator (Text "-").
// "Cmd+X" shortcuts are Qt's Ctrl+X (shown as Command on a Mac).
class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    // On: the framework enables the item at every enabling pass; off: it starts each pass
    // disabled and only EnableMenuItems code enables it.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    bool IsSeparator() const { return text_ == "-"; }

    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const std::string& shortcut);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    void Enable() { SetEnabled(true); }

    // Adds the entry after those already there.
    void Append(const MenuItemRef& item);
    int Count() const { return static_cast<int>(children_.size()); }
    MenuItemRef Item(int index) const;
    // The direct child of that name, nil when none.
    MenuItemRef Child(const std::string& name) const;
    MenuItem* Parent() const { return parent_; }

    // The Qt action that stands for the item in the first window showing the bar (tests
    // trigger it); nullptr while no window shows it.
    QAction* Action() const;

protected:
    virtual void ConfigureAction(QAction& action) const;

private:
    friend class MenuBar;
    friend struct MenuInstaller;

    std::string name_;
    bool autoEnable_ = false;
    std::string text_;
    std::string shortcut_;
    bool enabled_ = true;
    std::vector<MenuItemRef> children_;
    MenuItem* parent_ = nullptr;
    // One action per window that shows the bar.
    std::vector<QAction*> actions_;
};

// The program's quit command; the framework quits when no handler consumes it.
class QuitMenuItem : public MenuItem {
protected:
    void ConfigureAction(QAction& action) const override;
};

// The about item; a Mac shows it in the application menu.
class AppleMenuItem : public MenuItem {
protected:
    void ConfigureAction(QAction& action) const override;
};

class MenuBar : public MenuItem {
public:
    // The entry of that name wherever it stands in the bar, nil when none.
    MenuItemRef Lookup(const std::string& name) const;
    // Every entry of the bar, depth first in display order.
    std::vector<MenuItemRef> AllEntries() const;
};

class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "IllegalCastException"; }
};

// The cast of the system: nil passes, an object of another class is refused.
template <class T, class U>
std::shared_ptr<T> Cast(const std::shared_ptr<U>& object) {
    if (!object) return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast) throw IllegalCastException("object is not of the expected class");
    return cast;
}

// Runs the enabling pass: items start enabled or disabled by AutoEnable, a focused edit field
// enables the standard editing items its state allows, then the EnableMenuItems events of the
// application, the front window and the focused control run.
void RunMenuEnablingPass();

// Routes a command: handlers of the focused control, then of its window (or the front window),
// then of the application, until one returns true. A standard editing item that nobody consumed
// goes to a focused edit field; a quit item that nobody consumed quits.
bool DispatchMenuCommand(const MenuItem& item);

}  // namespace fw
