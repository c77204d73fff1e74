#include "framework/gui/CheckBox.h"

#include <QCheckBox>

namespace fw {

CheckBox::CheckBox(Window& owner) : ButtonControl(owner) {
    SetButton(new QCheckBox);
}

bool CheckBox::Value() const {
    return Button()->isChecked();
}

void CheckBox::SetValue(bool ticked) {
    Button()->setChecked(ticked);
}

}  // namespace fw
