#pragma once

#include "framework/gui/Color.h"

class QPainter;

namespace fw {

// Drawing surface handed to paint events, in the coordinates of the painted area.
class Graphics {
public:
    Graphics(QPainter& painter, int width, int height);

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c) { foreColor_ = c; }

    void FillRect(int x, int y, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    QPainter& painter_;
    int width_;
    int height_;
    Color foreColor_{};
};

}  // namespace fw
