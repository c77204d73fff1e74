#pragma once

#include <vector>

#include "framework/gui/Control.h"

namespace fw {

// A panel of pages: the controls put on a page (RectControl::SetPanel) are shown only while
// that page is the panel's value. Pages count from 0.
class PagePanel : public RectControl {
public:
    explicit PagePanel(Window& owner);
    ~PagePanel() override;

    int PageCount() const { return pageCount_; }
    void SetPageCount(int count) { pageCount_ = count; }
    int Value() const { return value_; }
    // Shows that page; throws OutOfBoundsException for a page the panel does not have. When the
    // keyboard focus was on the page left, it goes to the first control of the page shown.
    void SetValue(int page);

    void AddMember(RectControl* control);
    void RemoveMember(RectControl* control);

private:
    // The control of the page shown that comes first in the Tab order, nullptr when none.
    RectControl* FirstFocusable() const;

    int pageCount_ = 1;
    int value_ = 0;
    std::vector<RectControl*> members_;
};

}  // namespace fw
