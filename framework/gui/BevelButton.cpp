#include "framework/gui/BevelButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include "framework/gui/Picture.h"

namespace fw {
namespace {

// Draws the icon picture as the whole face of the button, the caption centred on it.
class FaceButton : public QToolButton {
public:
    const std::shared_ptr<Picture>* face = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!face || !*face) {
            QToolButton::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.drawPixmap(rect(), (*face)->Pixmap());
        if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 40));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    }
};

}  // namespace

BevelButton::BevelButton(Window& owner) : ButtonControl(owner) {
    auto* button = new FaceButton;
    button->face = &icon_;
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetButton(button);
}

void BevelButton::SetButtonType(int type) {
    buttonType_ = type;
    Button()->setCheckable(type == 1);
}

bool BevelButton::Value() const {
    return Button()->isChecked();
}

void BevelButton::SetValue(bool pressed) {
    // A push button has no pressed state of its own to keep.
    if (Button()->isCheckable()) Button()->setChecked(pressed);
}

void BevelButton::SetIcon(std::shared_ptr<Picture> picture) {
    icon_ = std::move(picture);
    Widget()->update();
}

}  // namespace fw
