#include "framework/gui/RadioButton.h"

#include <QRadioButton>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Text.h"

namespace fw {

RadioButton::RadioButton(Window& owner) : RectControl(owner) {
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

std::string RadioButton::Caption() const {
    return detail::FromQtText(static_cast<QRadioButton*>(Widget())->text());
}

void RadioButton::SetCaption(const std::string& caption) {
    static_cast<QRadioButton*>(Widget())->setText(detail::ToQtText(caption));
}

bool RadioButton::Value() const {
    return static_cast<QRadioButton*>(Widget())->isChecked();
}

void RadioButton::SetValue(bool selected) {
    static_cast<QRadioButton*>(Widget())->setChecked(selected);
    if (!selected) return;
    for (const auto& control : Owner().Controls()) {
        auto* other = dynamic_cast<RadioButton*>(control.get());
        if (other && other != this && other->Panel() == Panel() &&
            (!Panel() || other->PanelIndex() == PanelIndex()))
            static_cast<QRadioButton*>(other->Widget())->setChecked(false);
    }
}

}  // namespace fw
