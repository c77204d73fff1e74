#pragma once

#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Startup.h"
#include "tests/support/GuiTestSupport.h"
#include "window/ScrapWindow.h"

// Builds the program exactly as start-up does, up to the opened main window and the
// application's Open event, without entering the event loop; shuts it down after each test.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        Startup::RegisterClasses();
        Startup::InitFileTypes();
        Startup::NewAppInstance();
        Startup::ApplicationAddMenuHandlers();
        Startup::MakeDefaultView();
        App::Instance()->Event_Open();
        window = ScrapWindow::Instance();
        fwtest::ProcessEvents();
    }
    void TearDown() override { Startup::ShutDown(); }

    ScrapWindow* window = nullptr;
};
