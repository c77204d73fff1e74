#pragma once

#include <functional>
#include <string>

#include "framework/gui/Control.h"

namespace fw {

class PushButton : public RectControl {
public:
    explicit PushButton(Window& owner);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The window's default button answers Return and Enter typed in a single-line field
    // that does not consume them.
    bool Default() const { return default_; }
    void SetDefault(bool on);
    // The cancel button answers Escape typed in a single-line field.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    // Acts as if clicked; does nothing while the button is disabled.
    void Push();

    std::function<void()> OnAction;
    virtual void Event_Action() {
        if (OnAction) OnAction();
    }

private:
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace fw
