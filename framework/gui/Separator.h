#pragma once

#include "framework/gui/Control.h"

namespace fw {

// A line across the control's place: horizontal when it is wider than tall.
class Separator : public RectControl {
public:
    explicit Separator(Window& owner);
};

}  // namespace fw
