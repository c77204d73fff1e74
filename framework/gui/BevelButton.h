#pragma once

#include <memory>

#include "framework/gui/ButtonControl.h"

namespace fw {

class Picture;

// A bevel button, of the push kind (0) or the toggle kind (1). Its icon picture is drawn as
// the button's face with the caption centred on it. It never takes the keyboard focus.
class BevelButton : public ButtonControl {
public:
    explicit BevelButton(Window& owner);

    int ButtonType() const { return buttonType_; }
    void SetButtonType(int type);
    // Pressed state of a toggle button.
    bool Value() const;
    void SetValue(bool pressed);
    const std::shared_ptr<Picture>& Icon() const { return icon_; }
    void SetIcon(std::shared_ptr<Picture> picture);

private:
    int buttonType_ = 0;
    std::shared_ptr<Picture> icon_;
};

}  // namespace fw
