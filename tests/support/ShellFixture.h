#pragma once

#include <gtest/gtest.h>

#include "app/App.h"
#include "startup/Startup.h"
#include "tests/support/GuiTestSupport.h"
#include "window/ScrapWindow.h"

// The application object with its bar and handlers, as start-up builds them, but no window;
// shuts it down after each test.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        Startup::RegisterClasses();
        Startup::InitFileTypes();
        Startup::NewAppInstance();
        Startup::ApplicationAddMenuHandlers();
    }
    void TearDown() override { Startup::ShutDown(); }
};

// Builds the program exactly as start-up does, up to the opened main window and the
// application's Open event, without entering the event loop.
class ShellTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Startup::MakeDefaultView();
        App::Instance()->Event_Open();
        window = ScrapWindow::Instance();
        fwtest::ProcessEvents();
    }

    ScrapWindow* window = nullptr;
};
