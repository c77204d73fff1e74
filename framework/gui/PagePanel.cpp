#include "framework/gui/PagePanel.h"

#include <QFrame>
#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/gui/Window.h"

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
    RectControl* focused = Owner().FocusedControl();
    const bool focusLeaves = focused && focused->Panel() == this && !focused->ShownOnScreen();
    // The page shown comes first, so the focus goes straight from the page left to it.
    for (RectControl* member : members_) {
        if (member->ShownOnScreen()) member->UpdateShown();
    }
    // As on a tab widget: a focus on the page left moves to the first control of the page shown.
    if (focusLeaves) {
        if (RectControl* first = FirstFocusable()) first->SetFocus();
    }
    for (RectControl* member : members_) {
        if (!member->ShownOnScreen()) member->UpdateShown();
    }
}

RectControl* PagePanel::FirstFocusable() const {
    RectControl* first = nullptr;
    for (RectControl* member : members_) {
        if (!member->SeenByUser() || !member->TakesFocus() || !member->Enabled()) continue;
        if (!first || member->TabIndex() < first->TabIndex()) first = member;
    }
    return first;
}

void PagePanel::AddMember(RectControl* control) {
    if (std::find(members_.begin(), members_.end(), control) == members_.end())
        members_.push_back(control);
}

void PagePanel::RemoveMember(RectControl* control) {
    members_.erase(std::remove(members_.begin(), members_.end(), control), members_.end());
}

}  // namespace fw
