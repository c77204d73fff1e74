#include "framework/gui/Separator.h"

#include <QFrame>
#include <QResizeEvent>

namespace fw {
namespace {

// Keeps the line along the longer side whatever size the control gets.
class Line : public QFrame {
protected:
    void resizeEvent(QResizeEvent* event) override {
        setFrameShape(width() >= height() ? QFrame::HLine : QFrame::VLine);
        QFrame::resizeEvent(event);
    }
};

}  // namespace

Separator::Separator(Window& owner) : RectControl(owner) {
    auto* line = new Line;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    SetWidget(line);
}

}  // namespace fw
