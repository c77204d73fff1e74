#pragma once

#include <functional>
#include <string>

#include "framework/gui/Control.h"

class QAbstractButton;

namespace fw {

// What the framework's buttons share: a caption, and an action raised when the user clicks.
class ButtonControl : public RectControl {
public:
    std::string Caption() const;
    void SetCaption(const std::string& caption);

    bool TakesWindowFileDrops() const override { return false; }

    std::function<void()> OnAction;
    virtual void Event_Action() {
        if (OnAction) OnAction();
    }

protected:
    explicit ButtonControl(Window& owner) : RectControl(owner) {}
    // Takes `button` as the control's widget, each click raising Event_Action.
    void SetButton(QAbstractButton* button);
    QAbstractButton* Button() const;
};

}  // namespace fw
