#include "framework/gui/Graphics.h"

#include <QPainter>

namespace fw {

Graphics::Graphics(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {}

void Graphics::FillRect(int x, int y, int width, int height) {
    painter_.fillRect(x, y, width, height,
                      QColor(foreColor_.Red, foreColor_.Green, foreColor_.Blue));
}

}  // namespace fw
