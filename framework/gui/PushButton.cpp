#include "framework/gui/PushButton.h"

#include <QPushButton>

#include "framework/gui/Runtime.h"
#include "framework/gui/detail/Text.h"

namespace fw {

PushButton::PushButton(Window& owner) : RectControl(owner) {
    auto* button = new QPushButton;
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this] { Dispatch([this] { Event_Action(); }); });
    SetWidget(button);
}

std::string PushButton::Caption() const {
    return detail::FromQtText(static_cast<QPushButton*>(Widget())->text());
}

void PushButton::SetCaption(const std::string& caption) {
    static_cast<QPushButton*>(Widget())->setText(detail::ToQtText(caption));
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
