#pragma once

#include <cstdlib>

#include "app/App.h"
#include "framework/gui/Runtime.h"
#include "startup/Startup.h"
#include "window/ScrapWindow.h"

// The program built as start-up builds it, on the offscreen platform unless another is set,
// up to the opened main window and the application's Open event, without the event loop.
namespace bench {

inline ScrapWindow* OpenMainWindow(int& argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    Startup::RegisterClasses();
    Startup::Build();
    App::Instance()->Event_Open();
    return ScrapWindow::Instance();
}

inline void CloseMainWindow() {
    Startup::ShutDown();
    fw::RuntimeExit();
}

}  // namespace bench
