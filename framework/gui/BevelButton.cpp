#include "framework/gui/BevelButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include "framework/gui/Picture.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/detail/Text.h"

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

BevelButton::BevelButton(Window& owner) : RectControl(owner) {
    auto* button = new FaceButton;
    button->face = &icon_;
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QObject::connect(button, &QToolButton::clicked, button,
                     [this] { Dispatch([this] { Event_Action(); }); });
    SetWidget(button);
}

std::string BevelButton::Caption() const {
    return detail::FromQtText(static_cast<QToolButton*>(Widget())->text());
}

void BevelButton::SetCaption(const std::string& caption) {
    static_cast<QToolButton*>(Widget())->setText(detail::ToQtText(caption));
}

void BevelButton::SetButtonType(int type) {
    buttonType_ = type;
    static_cast<QToolButton*>(Widget())->setCheckable(type == 1);
}

bool BevelButton::Value() const {
    return static_cast<QToolButton*>(Widget())->isChecked();
}

void BevelButton::SetValue(bool pressed) {
    auto* button = static_cast<QToolButton*>(Widget());
    // A push button has no pressed state of its own to keep.
    if (button->isCheckable()) button->setChecked(pressed);
}

void BevelButton::SetIcon(std::shared_ptr<Picture> picture) {
    icon_ = std::move(picture);
    Widget()->update();
}

}  // namespace fw
