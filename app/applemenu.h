#pragma once

#include <string>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"

namespace fw {
class ContextualMenu;
}

// The about window: the title picture with the version and the copyright. A plain click
// anywhere closes it; a contextual click offers the maker's home page.
class applemenu : public fw::Window {
public:
    static const fw::ClassRecord& Lookup();

    // The open about window, or a new one, built and shown; there is never more than one.
    static applemenu* Instance();

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override {}
    bool Event_MouseDown(int x, int y) override;

    void ContextualMenu1_Action(const std::string& item);

private:
    fw::ControlRef<fw::ContextualMenu> ContextualMenu1;

    void CreateControls0();
};
