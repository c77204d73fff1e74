#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/gui/Color.h"
#include "framework/gui/Control.h"
#include "framework/gui/ControlRef.h"
#include "framework/gui/MenuHandlers.h"

class QWidget;
class QMainWindow;

namespace fw {

class DragItem;
class FolderItem;
class PushButton;

// A window's settings. Width and Height are those of the content area. The defaults make a
// plain resizable window with the application's menu bar; a window states only what differs.
struct WindowSettings {
    int Width = 300;
    int Height = 300;
    int MinWidth = 64;
    int MinHeight = 64;
    int MaxWidth = 32000;
    int MaxHeight = 32000;
    std::string Title;
    bool HasBackColor = false;
    Color BackColor = Color::FromHex(0xFFFFFF);
    bool Visible = true;
    bool CloseButton = true;
    bool MinimizeButton = true;
    bool MaximizeButton = true;
    bool Resizeable = true;
    bool FullScreen = false;
    // Shows the application's menu bar in this window.
    bool MenuBarVisible = true;
};

// Base of the system's windows. Construct builds one: Layout, CreateControls, AddMenuHandlers,
// the Open events of the controls in creation order, the window's Open, then Show when the
// settings say Visible. The framework owns every constructed window; a closed window is
// hidden at once and destroyed only when the run-time releases its lists, so code that runs
// on after a Close never touches freed controls.
class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Builds the window and registers it under the name (found by RuntimeGetImplicitWindow
    // while open). Takes ownership: the window must have been made with new.
    void Construct(const std::string& registeredName);
    const std::string& RegisteredName() const { return registeredName_; }

    void ApplySettings(const WindowSettings& settings);
    const WindowSettings& Settings() const { return settings_; }

    std::string Title() const;
    void SetTitle(const std::string& title);
    int Width() const;
    int Height() const;
    // Resizes the content area (kept within the minimum and maximum) and applies edge locks.
    void SetSize(int width, int height);

    void Show();
    // Raises Close, hides the window and forgets it as the open window of its name.
    void Close();
    bool IsOpen() const { return open_; }
    // Repaints the window before returning.
    void UpdateNow();

    // Drops on the window: files of the registered type of that name, text.
    void AcceptFileDrop(const std::string& fileTypeName);
    void AcceptTextDrop();
    bool AcceptsTextDrop() const { return acceptText_; }
    // Whether a file matches one of the file types the window accepts.
    bool AcceptsFile(const FolderItem& file) const;
    // A drop on the window outside any control that accepts drops. Without it the window's own
    // area refuses drops: the types the window accepts then serve its controls alone.
    std::function<void(DragItem& item, int action)> OnDropObject;

    // Creates a control of class T (constructed with the window and args) under a name.
    template <class T, class... Args>
    T* NewControl(const std::string& name, Args&&... args) {
        static_assert(std::is_base_of_v<Control, T>);
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T* raw = control.get();
        AddControl(std::move(control), name);
        return raw;
    }
    // The same, binding the window's member of the control's name to the new control.
    template <class T, class... Args>
    T& NewControl(ControlRef<T>& member, const std::string& name, Args&&... args) {
        member.control_ = NewControl<T>(name, std::forward<Args>(args)...);
        return *member.control_;
    }
    // The control of that name, nullptr when none. A window's own code holds its controls in
    // ControlRef members; lookups by name serve those that know the window only by its controls'
    // names.
    Control* FindControl(const std::string& name) const;
    // The control of that name and class; throws NilObjectException when the window holds
    // none, IllegalCastException when it is of another class.
    template <class T>
    T& ControlNamed(const std::string& name) const {
        Control* c = FindControl(name);
        if (!c) throw NilObjectException("no control named " + name);
        T* t = dynamic_cast<T*>(c);
        if (!t) ThrowWrongClass(name);
        return *t;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // The control that has the keyboard focus in this window, nullptr when none. While the menu
    // bar borrows the keyboard, the control that lent it still counts.
    RectControl* FocusedControl() const;
    // The control whose focus the menu bar borrows, nullptr once the loan is over.
    void SetFocusLentToMenuBar(RectControl* control) { focusLent_ = control; }

    // Return or Enter in a single-line field that does not consume it pushes this button.
    PushButton* DefaultButton() const;

    void AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlerTable& MenuHandlers() const { return menuHandlers_; }

    // Construction hooks and events.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}
    // A press on the window outside any control that handles the mouse.
    virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }

    // The Qt top-level widget and the content area the controls stand in.
    QMainWindow* Widget() const { return widget_; }
    QWidget* Content() const { return content_; }

    // Called by the content area after a resize.
    void ApplyLocks();

private:
    void AddControl(std::unique_ptr<Control> control, const std::string& name);
    [[noreturn]] static void ThrowWrongClass(const std::string& name);
    void ApplyTabOrder();

    QMainWindow* widget_ = nullptr;
    QWidget* content_ = nullptr;
    std::string registeredName_;
    WindowSettings settings_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> byName_;
    MenuHandlerTable menuHandlers_;
    std::vector<std::string> fileTypes_;
    bool acceptText_ = false;
    bool open_ = false;
    RectControl* focusLent_ = nullptr;
};

// The open window registered under the name, nullptr when none.
Window* RuntimeGetImplicitWindow(const std::string& registeredName);

// The open window of that name, or a new T built and opened under it.
template <class T>
T* ImplicitWindow(const std::string& registeredName) {
    if (Window* open = RuntimeGetImplicitWindow(registeredName)) {
        if (T* t = dynamic_cast<T*>(open)) return t;
    }
    T* created = new T();
    created->Construct(registeredName);
    return created;
}

// The window shown in front (the one holding the focus, else the last activated one).
Window* FrontWindow();

// Every window that is open, in the order of construction.
std::vector<Window*> OpenWindows();

}  // namespace fw
