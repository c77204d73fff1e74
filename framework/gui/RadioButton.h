#pragma once

#include "framework/gui/ButtonControl.h"

namespace fw {

// Radio buttons of the same page (or of the window itself) form one group.
class RadioButton : public ButtonControl {
public:
    explicit RadioButton(Window& owner);

    bool Value() const;
    // Selecting one deselects the others of its group.
    void SetValue(bool selected);
};

}  // namespace fw
