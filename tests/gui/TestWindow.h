#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <functional>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "tests/support/GuiTestSupport.h"

// A window whose controls a test builds; destroyed with the framework's lists after each test.
class TestWindow : public fw::Window {
public:
    std::function<void(TestWindow&)> build;
    fw::WindowSettings settings{
        .Width = 300, .Height = 200, .MinWidth = 100, .MinHeight = 100, .Title = "test"};
    std::vector<std::string> events;

    void Layout() override { ApplySettings(settings); }
    void CreateControls() override {
        if (build) build(*this);
    }
    void Event_Open() override { events.push_back("Open"); }
    void Event_Close() override { events.push_back("Close"); }
    void Event_EnableMenuItems() override {
        events.push_back("EnableMenuItems");
        if (onEnable) onEnable();
    }
    std::function<void()> onEnable;
};

inline TestWindow* MakeWindow(std::function<void(TestWindow&)> build,
                              const std::string& name = "TestWindow") {
    auto* w = new TestWindow;
    w->build = std::move(build);
    w->Construct(name);
    fwtest::ProcessEvents();
    return w;
}

class GuiTest : public testing::Test {
protected:
    void TearDown() override { fw::RuntimeReleaseModuleLists(); }
};
