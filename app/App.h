#pragma once

#include "framework/gui/Application.h"
#include "framework/gui/Runtime.h"

// The application object: lives for the whole run, holds the menu bar, sets the line separator
// when the program opens and answers the about, home-page and quit items.
class App : public fw::Application {
public:
    // The program's name as the user reads it (message boxes are titled with it).
    static constexpr const char* kDisplayName = "Pavrine";

    static const fw::ClassRecord& Lookup();

    // The registered application object; nil while none is registered. Throws
    // IllegalCastException when the registered object is not an App.
    static App* Instance();

    void Event_Open() override;
    void Event_EnableMenuItems() override;

    // Menu handlers, bound by item name at start-up; each passes the command on (False).
    bool menu_apple_Action();
    bool menu_HP_Action();
    bool FileQuit_Action();
};
