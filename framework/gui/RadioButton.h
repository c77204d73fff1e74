#pragma once

#include <functional>
#include <string>

#include "framework/gui/Control.h"

namespace fw {

// Radio buttons of the same page (or of the window itself) form one group.
class RadioButton : public RectControl {
public:
    explicit RadioButton(Window& owner);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Value() const;
    // Selecting one deselects the others of its group.
    void SetValue(bool selected);

    // Raised when the user selects the button.
    std::function<void()> OnAction;
    virtual void Event_Action() {
        if (OnAction) OnAction();
    }
};

}  // namespace fw
