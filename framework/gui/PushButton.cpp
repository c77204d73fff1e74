#include "framework/gui/PushButton.h"

#include <QPushButton>

namespace fw {

PushButton::PushButton(Window& owner) : ButtonControl(owner) {
    auto* button = new QPushButton;
    button->setAutoDefault(false);
    SetButton(button);
}

void PushButton::SetDefault(bool on) {
    default_ = on;
    static_cast<QPushButton*>(Widget())->setDefault(on);
}

void PushButton::Push() {
    if (!Enabled()) return;
    Event_Action();
}

}  // namespace fw
