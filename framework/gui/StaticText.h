#pragma once

#include <string>

#include "framework/gui/Control.h"

namespace fw {

// A label. Clicks pass through it to what lies beneath (a canvas, the window). Setting the
// text is cheap: the label shows the last text set when it next paints, so a count rewritten
// for every added row costs little.
class StaticText : public RectControl {
public:
    explicit StaticText(Window& owner);

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    // 0 left, 1 centre, 2 right.
    void SetTextAlign(int code);
    void SetTextColor(Color c);
    void SetMultiline(bool on);

    // Shows the last text set now (the window's UpdateNow calls it).
    void FlushText();

private:
    std::string text_;
    bool pushPending_ = false;
};

}  // namespace fw
