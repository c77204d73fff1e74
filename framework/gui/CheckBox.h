#pragma once

#include "framework/gui/ButtonControl.h"

namespace fw {

class CheckBox : public ButtonControl {
public:
    explicit CheckBox(Window& owner);

    bool Value() const;
    void SetValue(bool ticked);
};

}  // namespace fw
