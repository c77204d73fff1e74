#pragma once

#include "framework/gui/ButtonControl.h"

namespace fw {

class PushButton : public ButtonControl {
public:
    explicit PushButton(Window& owner);

    // The window's default button answers Return and Enter typed in a single-line field
    // that does not consume them.
    bool Default() const { return default_; }
    void SetDefault(bool on);
    // The cancel button answers Escape typed in a single-line field.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    // Acts as if clicked; does nothing while the button is disabled.
    void Push();

private:
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace fw
