#include "framework/gui/WindowRegistry_p.h"

#include "framework/gui/Window.h"

namespace fw::detail {
namespace {

std::vector<std::unique_ptr<Window>>& Windows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}
Window* lastActivated = nullptr;

}  // namespace

void AdoptWindow(Window* window) {
    for (const auto& w : Windows()) {
        if (w.get() == window) return;
    }
    Windows().emplace_back(window);
}

const std::vector<std::unique_ptr<Window>>& AllWindows() {
    return Windows();
}

void NoteActivated(Window* window) {
    lastActivated = window;
}

Window* LastActivated() {
    return lastActivated;
}

void ForgetActivated(Window* window) {
    if (lastActivated == window) lastActivated = nullptr;
}

void DestroyAllWindows() {
    lastActivated = nullptr;
    // Destroyed one by one from a moved-out list, so a window's destructor sees a consistent
    // registry.
    auto windows = std::move(Windows());
    Windows().clear();
    windows.clear();
}

}  // namespace fw::detail
