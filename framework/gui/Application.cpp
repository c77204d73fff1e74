#include "framework/gui/Application.h"

#include "framework/gui/Menu_p.h"
#include "framework/gui/Window.h"

namespace fw {

void Application::SetMenuBar(std::shared_ptr<MenuBar> bar) {
    menuBar_ = std::move(bar);
    if (!menuBar_) return;
    for (Window* window : OpenWindows()) {
        if (window->Settings().MenuBarVisible) detail::InstallMenuBar(*menuBar_, *window->Widget());
    }
}

}  // namespace fw
