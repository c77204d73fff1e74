#pragma once

#include <functional>
#include <string>

#include "framework/gui/Control.h"

namespace fw {

class CheckBox : public RectControl {
public:
    explicit CheckBox(Window& owner);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Value() const;
    void SetValue(bool ticked);

    // Raised when the user ticks or unticks the box.
    std::function<void()> OnAction;
    virtual void Event_Action() {
        if (OnAction) OnAction();
    }
};

}  // namespace fw
