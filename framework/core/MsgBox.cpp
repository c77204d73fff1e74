#include "framework/core/MsgBox.h"

#include <iostream>
#include <utility>

#include "framework/core/EventLoop.h"

namespace fw {
namespace {

MsgBoxHook& hook() {
    static MsgBoxHook h;
    return h;
}

FirstMessageOnly* innermost = nullptr;

}  // namespace

MsgBoxHook SetMsgBoxHook(MsgBoxHook h) {
    return std::exchange(hook(), std::move(h));
}

FirstMessageOnly::FirstMessageOnly()
    : depth_(EventLoopTurnDepth()), outer_(std::exchange(innermost, this)) {}

FirstMessageOnly::~FirstMessageOnly() {
    innermost = outer_;
}

void MsgBox(const std::string& text) {
    const int depth = EventLoopTurnDepth();
    for (FirstMessageOnly* policy = innermost; policy; policy = policy->outer_) {
        if (policy->depth_ != depth) continue;
        if (policy->shown_) return;
        policy->shown_ = true;
    }
    if (hook()) {
        hook()(text);
    } else {
        std::cerr << text << '\n';
    }
}

}  // namespace fw
