#include "framework/gui/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/gui/Picture.h"

namespace fw {
namespace {

class CanvasWidget : public QWidget {
public:
    const std::shared_ptr<Picture>* backdrop = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!backdrop || !*backdrop) return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, (*backdrop)->Pixmap());
    }
};

}  // namespace

Canvas::Canvas(Window& owner) : RectControl(owner) {
    auto* canvas = new CanvasWidget;
    canvas->backdrop = &backdrop_;
    SetWidget(canvas);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Widget()->update();
}

}  // namespace fw
