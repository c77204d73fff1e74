#include "framework/core/MsgBox.h"

#include <iostream>
#include <utility>

namespace fw {
namespace {
MsgBoxHook& hook() {
    static MsgBoxHook h;
    return h;
}
}  // namespace

MsgBoxHook SetMsgBoxHook(MsgBoxHook h) { return std::exchange(hook(), std::move(h)); }

void MsgBox(const std::string& text) {
    if (hook()) {
        hook()(text);
    } else {
        std::cerr << text << '\n';
    }
}

}  // namespace fw
