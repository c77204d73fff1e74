#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/gui/Control.h"

namespace fw {

class Picture;

// A bevel button, of the push kind (0) or the toggle kind (1). Its icon picture is drawn as
// the button's face with the caption centred on it. It never takes the keyboard focus.
class BevelButton : public RectControl {
public:
    explicit BevelButton(Window& owner);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int ButtonType() const { return buttonType_; }
    void SetButtonType(int type);
    // Pressed state of a toggle button.
    bool Value() const;
    void SetValue(bool pressed);
    const std::shared_ptr<Picture>& Icon() const { return icon_; }
    void SetIcon(std::shared_ptr<Picture> picture);

    std::function<void()> OnAction;
    virtual void Event_Action() {
        if (OnAction) OnAction();
    }

private:
    int buttonType_ = 0;
    std::shared_ptr<Picture> icon_;
};

}  // namespace fw
