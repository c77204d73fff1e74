#include "framework/gui/Control.h"

#include <QMainWindow>
#include <QWidget>

#include "framework/core/Exceptions.h"
#include "framework/gui/ControlEvents_p.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Fonts.h"
#include "framework/gui/detail/Text.h"

namespace fw {

RectControl::~RectControl() {
    if (panel_) panel_->RemoveMember(this);
    DestroyWidget();
}

void RectControl::DestroyWidget() {
    delete widget_;
    widget_ = nullptr;
    eventSource_ = nullptr;
    events_ = nullptr;
}

void RectControl::Detach() {
    delete events_;
    events_ = nullptr;
    if (widget_) widget_->blockSignals(true);
}

void RectControl::SetWidget(QWidget* widget, QWidget* eventSource) {
    widget_ = widget;
    eventSource_ = eventSource ? eventSource : widget;
    widget->setParent(Owner().Content());
    auto* events = new detail::ControlEvents(*this, widget);
    events_ = events;
    widget->installEventFilter(events);
    if (eventSource_ != widget) eventSource_->installEventFilter(events);
    ApplyFont();
    widget->show();
}

int RectControl::Left() const {
    return widget_ ? widget_->x() : left_;
}
int RectControl::Top() const {
    return widget_ ? widget_->y() : top_;
}
int RectControl::Width() const {
    return widget_ ? widget_->width() : width_;
}
int RectControl::Height() const {
    return widget_ ? widget_->height() : height_;
}

void RectControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    // Distances to the edges are kept from the window's size in its settings, the size the
    // places were laid out for.
    designWidth_ = Owner().Settings().Width;
    designHeight_ = Owner().Settings().Height;
    ApplyLocks(Owner().Width(), Owner().Height());
}

void RectControl::SetLocks(bool left, bool top, bool right, bool bottom) {
    lockLeft_ = left;
    lockTop_ = top;
    lockRight_ = right;
    lockBottom_ = bottom;
    ApplyLocks(Owner().Width(), Owner().Height());
}

void RectControl::ApplyLocks(int contentWidth, int contentHeight) {
    if (!widget_) return;
    const int dw = contentWidth - designWidth_;
    const int dh = contentHeight - designHeight_;
    int left = left_, width = width_, top = top_, height = height_;
    if (lockRight_) {
        if (lockLeft_)
            width += dw;
        else
            left += dw;
    }
    if (lockBottom_) {
        if (lockTop_)
            height += dh;
        else
            top += dh;
    }
    widget_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    UpdateFocusable();
}

void RectControl::SetPanel(PagePanel* panel, int page) {
    if (panel_) panel_->RemoveMember(this);
    panel_ = panel;
    page_ = page;
    if (panel_) panel_->AddMember(this);
    UpdateShown();
}

void RectControl::SetEnabled(bool on) {
    enabled_ = on;
    if (widget_) widget_->setEnabled(on);
}

void RectControl::SetVisible(bool on) {
    visible_ = on;
    UpdateShown();
}

bool RectControl::ShownOnScreen() const {
    if (!visible_) return false;
    if (!panel_) return true;
    return panel_->Value() == page_ && panel_->ShownOnScreen();
}

bool RectControl::SeenByUser() const {
    return widget_ && ShownOnScreen() && widget_->geometry().intersects(Owner().Content()->rect());
}

void RectControl::UpdateShown() {
    if (!widget_) return;
    // Before hiding: Qt would hand the focus of a hidden widget on to the next in the Tab chain.
    UpdateFocusable();
    widget_->setVisible(ShownOnScreen());
}

void RectControl::UpdateFocusable() {
    if (!widget_) return;
    const bool seen = SeenByUser();
    if (seen == (keptFocusPolicy_ < 0)) return;
    if (seen) {
        widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(keptFocusPolicy_));
        keptFocusPolicy_ = -1;
        return;
    }
    keptFocusPolicy_ = widget_->focusPolicy();
    widget_->setFocusPolicy(Qt::NoFocus);
    if (HasFocus()) widget_->clearFocus();
}

void RectControl::SetHelpTag(const std::string& text) {
    helpTag_ = text;
    if (widget_) widget_->setToolTip(detail::ToQtText(text));
}

void RectControl::SetTextFont(const std::string& family) {
    fontFamily_ = family;
    ApplyFont();
}
void RectControl::SetTextSize(int size) {
    fontSize_ = size;
    ApplyFont();
}
void RectControl::SetBold(bool on) {
    bold_ = on;
    ApplyFont();
}
void RectControl::SetItalic(bool on) {
    italic_ = on;
    ApplyFont();
}
void RectControl::SetUnderline(bool on) {
    underline_ = on;
    ApplyFont();
}

void RectControl::ApplyFont() {
    if (widget_)
        widget_->setFont(detail::MakeFont(fontFamily_, fontSize_, bold_, italic_, underline_));
}

void RectControl::SetFocus() {
    if (SeenByUser()) widget_->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
    return widget_ && Owner().Widget()->focusWidget() == widget_;
}

bool RectControl::TakesFocus() const {
    if (!widget_) return false;
    const int policy = keptFocusPolicy_ >= 0 ? keptFocusPolicy_ : widget_->focusPolicy();
    return policy != Qt::NoFocus;
}

void RectControl::FollowInTabChain(RectControl& previous) {
    // Qt ignores an order that involves a widget taking no focus, as a control out of sight does
    // for now: both lend their own policies while the link is made.
    const auto lend = [](RectControl& c, bool on) {
        if (c.keptFocusPolicy_ >= 0)
            c.widget_->setFocusPolicy(on ? static_cast<Qt::FocusPolicy>(c.keptFocusPolicy_)
                                         : Qt::NoFocus);
    };
    lend(previous, true);
    lend(*this, true);
    QWidget::setTabOrder(previous.widget_, widget_);
    lend(previous, false);
    lend(*this, false);
}

void RectControl::AcceptTextDrop() {
    acceptText_ = true;
    if (eventSource_) eventSource_->setAcceptDrops(true);
}

void RectControl::AcceptFileDrop(const std::string& fileTypeName) {
    fileTypes_.push_back(fileTypeName);
    if (eventSource_) eventSource_->setAcceptDrops(true);
}

}  // namespace fw
