#include "framework/gui/ButtonControl.h"

#include <QAbstractButton>

#include "framework/gui/Runtime.h"
#include "framework/gui/detail/Text.h"

namespace fw {

std::string ButtonControl::Caption() const {
    return detail::FromQtText(Button()->text());
}

void ButtonControl::SetCaption(const std::string& caption) {
    Button()->setText(detail::ToQtText(caption));
}

void ButtonControl::SetButton(QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this] { Dispatch([this] { Event_Action(); }); });
    SetWidget(button);
}

QAbstractButton* ButtonControl::Button() const {
    return static_cast<QAbstractButton*>(Widget());
}

}  // namespace fw
