#include "framework/gui/CheckBox.h"

#include <QCheckBox>

#include "framework/gui/Runtime.h"
#include "framework/gui/detail/Text.h"

namespace fw {

CheckBox::CheckBox(Window& owner) : RectControl(owner) {
    auto* box = new QCheckBox;
    QObject::connect(box, &QCheckBox::clicked, box,
                     [this] { Dispatch([this] { Event_Action(); }); });
    SetWidget(box);
}

std::string CheckBox::Caption() const {
    return detail::FromQtText(static_cast<QCheckBox*>(Widget())->text());
}

void CheckBox::SetCaption(const std::string& caption) {
    static_cast<QCheckBox*>(Widget())->setText(detail::ToQtText(caption));
}

bool CheckBox::Value() const {
    return static_cast<QCheckBox*>(Widget())->isChecked();
}

void CheckBox::SetValue(bool ticked) {
    static_cast<QCheckBox*>(Widget())->setChecked(ticked);
}

}  // namespace fw
