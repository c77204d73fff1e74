#include "framework/gui/RadioButton.h"

#include <QRadioButton>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"

namespace fw {

RadioButton::RadioButton(Window& owner) : ButtonControl(owner) {
    auto* button = new QRadioButton;
    // Qt would group every radio button of the content area; the group is the page instead.
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, button, [this, button] {
        if (!button->isChecked()) button->setChecked(true);
        SetValue(true);
        Dispatch([this] { Event_Action(); });
    });
    SetWidget(button);
}

bool RadioButton::Value() const {
    return Button()->isChecked();
}

void RadioButton::SetValue(bool selected) {
    Button()->setChecked(selected);
    if (!selected) return;
    for (const auto& control : Owner().Controls()) {
        auto* other = dynamic_cast<RadioButton*>(control.get());
        if (other && other != this && other->Panel() == Panel() &&
            (!Panel() || other->PanelIndex() == PanelIndex()))
            other->Button()->setChecked(false);
    }
}

}  // namespace fw
