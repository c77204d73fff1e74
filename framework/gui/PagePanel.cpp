#include "framework/gui/PagePanel.h"

#include <QFrame>
#include <algorithm>

#include "framework/core/Exceptions.h"

namespace fw {

PagePanel::PagePanel(Window& owner) : RectControl(owner) {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    SetWidget(frame);
}

PagePanel::~PagePanel() {
    // Members that outlive the panel stand on the window from now on.
    const auto members = members_;
    for (RectControl* member : members) member->SetPanel(nullptr, 0);
}

void PagePanel::SetValue(int page) {
    if (page < 0 || page >= pageCount_)
        throw OutOfBoundsException("page " + std::to_string(page) + " is not in the panel");
    value_ = page;
    for (RectControl* member : members_) member->UpdateShown();
}

void PagePanel::AddMember(RectControl* control) {
    if (std::find(members_.begin(), members_.end(), control) == members_.end())
        members_.push_back(control);
}

void PagePanel::RemoveMember(RectControl* control) {
    members_.erase(std::remove(members_.begin(), members_.end(), control), members_.end());
}

}  // namespace fw
