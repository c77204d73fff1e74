#pragma once

#include <memory>

#include "framework/gui/Control.h"

namespace fw {

class Picture;

// A drawing area showing a backdrop picture at its top left. Without a MouseDown handler of
// its own, clicks pass through to the window.
class Canvas : public RectControl {
public:
    explicit Canvas(Window& owner);

    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);

private:
    std::shared_ptr<Picture> backdrop_;
};

}  // namespace fw
