#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/gui/Color.h"
#include "framework/gui/MenuHandlers.h"

class QObject;
class QWidget;

namespace fw {

class Window;
class PagePanel;
class DragItem;

// Any control of a window, found there by name. Handlers of an instance's events are set
// through its On... members; a subclass overrides the Event_... methods instead, whose
// default raises the instance's handler.
class Control {
public:
    explicit Control(Window& owner) : owner_(owner) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Window& Owner() const { return owner_; }

    std::function<void()> OnOpen;
    virtual void Event_Open() {
        if (OnOpen) OnOpen();
    }

private:
    friend class Window;
    Window& owner_;
    std::string name_;
};

// A control with a place on the window. Positions are pixels in the window's content area;
// a locked edge keeps its distance to the same edge of the window when the window is resized.
class RectControl : public Control {
public:
    explicit RectControl(Window& owner) : Control(owner) {}
    ~RectControl() override;

    // The Qt widget (tests drive it directly).
    QWidget* Widget() const { return widget_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);

    bool LockLeft() const { return lockLeft_; }
    bool LockTop() const { return lockTop_; }
    bool LockRight() const { return lockRight_; }
    bool LockBottom() const { return lockBottom_; }
    void SetLocks(bool left, bool top, bool right, bool bottom);

    // Puts the control on a page of a page panel: shown only while that page is shown.
    void SetPanel(PagePanel* panel, int page);
    PagePanel* Panel() const { return panel_; }
    int PanelIndex() const { return page_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    // Visible and, for a control of a page, its page shown.
    bool ShownOnScreen() const;
    // Shown on screen and at least partly inside the window's content area: only such a
    // control takes the keyboard focus.
    bool SeenByUser() const;

    // Help tags are tooltips; a carriage return starts a new line.
    const std::string& HelpTag() const { return helpTag_; }
    void SetHelpTag(const std::string& text);

    // "Osaka" is the installed Japanese font; "System" with size 0 the default UI font.
    // Sizes are in pixels.
    void SetTextFont(const std::string& family);
    void SetTextSize(int size);
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    const std::string& TextFont() const { return fontFamily_; }
    int TextSize() const { return fontSize_; }

    // Place in the keyboard focus order among the controls of the same page or window.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index) { tabIndex_ = index; }

    // Does nothing for a control the user cannot see.
    void SetFocus();
    bool HasFocus() const;
    // Whether the control takes the keyboard focus when the user can see it.
    bool TakesFocus() const;
    // Puts the control right after the other in the window's Tab chain, in or out of sight.
    void FollowInTabChain(RectControl& previous);

    // Drops: text dropped on the control, files of a registered type by its name.
    void AcceptTextDrop();
    void AcceptFileDrop(const std::string& fileTypeName);
    bool AcceptsTextDrop() const { return acceptText_; }
    const std::vector<std::string>& AcceptedFileTypes() const { return fileTypes_; }
    // Whether the control declared any drops: then a drop over it is its own to take or refuse,
    // and neither its widget nor the window behind it takes what it refuses.
    bool DeclaresDrops() const { return acceptText_ || !fileTypes_.empty(); }
    // Whether a drop on the control also offers the files its window accepts: a control that
    // shows content takes them (a file dropped over a list reaches the list); a button takes
    // only what it accepts itself.
    virtual bool TakesWindowFileDrops() const { return true; }

    // A menu handler of the control, reached only while it has the focus.
    void AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlerTable& MenuHandlers() const { return menuHandlers_; }

    // Events. Keys arrive as the system's strings: Return Chr(13), Enter Chr(3), Backspace
    // Chr(8), forward Delete Chr(127), a printable key its character (with Ctrl, the letter).
    std::function<bool(int x, int y)> OnMouseDown;
    std::function<bool(const std::string& key)> OnKeyDown;
    std::function<void()> OnGotFocus;
    std::function<void()> OnLostFocus;
    std::function<void(DragItem& item, int action)> OnDropObject;
    std::function<void()> OnEnableMenuItems;

    virtual bool Event_MouseDown(int x, int y) { return OnMouseDown && OnMouseDown(x, y); }
    virtual bool Event_KeyDown(const std::string& key) { return OnKeyDown && OnKeyDown(key); }
    virtual void Event_GotFocus() {
        if (OnGotFocus) OnGotFocus();
    }
    virtual void Event_LostFocus() {
        if (OnLostFocus) OnLostFocus();
    }
    virtual void Event_DropObject(DragItem& item, int action) {
        if (OnDropObject) OnDropObject(item, action);
    }
    virtual void Event_EnableMenuItems() {
        if (OnEnableMenuItems) OnEnableMenuItems();
    }

    // What the control does itself with a key that KeyDown left (a field pushes the default
    // button on Return); true when it took the key.
    virtual bool HandleUnconsumedKey(const std::string& /*key*/) { return false; }

    // Stops routing the widget's events and signals to the system: the window calls it on every
    // control before any is destroyed, when the window's own parts are already gone.
    virtual void Detach();

    // Called by the window when its content area changes size.
    void ApplyLocks(int contentWidth, int contentHeight);
    // Called by the page panel when its page changes. A focused control that goes out of sight
    // gives the focus up.
    void UpdateShown();

protected:
    // A subclass creates its widget in its constructor and hands it over here; the control
    // then routes the widget's events to the Event_ methods.
    void SetWidget(QWidget* widget, QWidget* eventSource = nullptr);
    // Deletes the widget before the subclass's own parts go (a view that refers to them).
    void DestroyWidget();
    virtual void ApplyFont();

private:
    // Out of sight the widget takes no focus (nor a place in the Tab chain); its own focus policy
    // is kept for when it comes back.
    void UpdateFocusable();

    QWidget* widget_ = nullptr;
    QWidget* eventSource_ = nullptr;
    QObject* events_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int designWidth_ = 0, designHeight_ = 0;
    bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
    PagePanel* panel_ = nullptr;
    int page_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    std::string helpTag_;
    std::string fontFamily_ = "System";
    int fontSize_ = 0;
    bool bold_ = false, italic_ = false, underline_ = false;
    int tabIndex_ = 0;
    int keptFocusPolicy_ = -1;  // the widget's own policy while out of sight, else -1
    bool acceptText_ = false;
    std::vector<std::string> fileTypes_;
    MenuHandlerTable menuHandlers_;
};

}  // namespace fw
