#include "framework/gui/Application.h"

#include "framework/gui/Window.h"
#include "framework/gui/detail/MenuInstall.h"

namespace fw {

void Application::SetMenuBar(std::shared_ptr<MenuBar> bar) {
    menuBar_ = std::move(bar);
    if (!menuBar_) return;
    for (Window* window : OpenWindows()) {
        if (window->Settings().MenuBarVisible) detail::InstallMenuBar(*menuBar_, *window->Widget());
    }
}

}  // namespace fw
