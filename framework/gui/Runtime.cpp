#include "framework/gui/Runtime.h"

#include <cxxabi.h>
#include <QApplication>
#include <QMessageBox>
#include <deque>
#include <iostream>
#include <memory>
#include <typeinfo>

#include "framework/core/EventLoop.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MsgBox.h"
#include "framework/gui/Application.h"
#include "framework/gui/detail/EventLoopTurn.h"
#include "framework/gui/detail/InputState.h"
#include "framework/gui/detail/Text.h"
#include "framework/gui/detail/WindowRegistry.h"

namespace fw {
namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> ownedApp;
    int exitCode = 0;
    bool quitRequested = false;
    Application* app = nullptr;
    std::deque<ClassRecord> classes;
    bool handlingFailure = false;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

void ShowMessageDialog(const std::string& text) {
    QMessageBox box;
    box.setText(detail::ToQtText(text));
    box.exec();
}

std::string Demangled(const char* name) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> out(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                               std::free);
    return status == 0 && out ? std::string(out.get()) : std::string(name);
}

const char* const kFrameworkClasses[] = {
    "Application", "MenuBar",   "MenuItem",    "QuitMenuItem", "AppleMenuItem", "Window",
    "Listbox",     "EditField", "BevelButton", "PushButton",   "CheckBox",      "RadioButton",
    "StaticText",  "PagePanel", "Separator",   "Canvas",       "ContextualMenu"};

}  // namespace

void RuntimeInit(int& argc, char** argv) {
    auto& state = State();
    if (!QApplication::instance()) state.ownedApp = std::make_unique<QApplication>(argc, argv);
    // Closing the main window quits through the window's own Close event, not through Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    SetEventLoopTurn(&detail::ThrottledEventLoopTurn);
    SetMsgBoxHook(&ShowMessageDialog);
    detail::InstallApplicationFilter();
    for (const char* name : kFrameworkClasses) RuntimeRegisterClass(name);
}

void RuntimeRun() {
    auto& state = State();
    state.quitRequested = false;
    if (state.app) Dispatch([&] { state.app->Event_Open(); });
    if (!state.quitRequested) QApplication::exec();
}

void Quit(int code) {
    auto& state = State();
    state.exitCode = code;
    state.quitRequested = true;
    // Leaves every running loop, nested ones (a drag, a menu, an event-loop turn) included.
    QCoreApplication::exit(code);
}

bool QuitRequested() {
    return State().quitRequested;
}

void RuntimeReleaseModuleLists() {
    detail::DestroyAllWindows();
    State().classes.clear();
}

int RuntimeExit() {
    auto& state = State();
    detail::DestroyAllWindows();
    SetEventLoopTurn(nullptr);
    SetMsgBoxHook(nullptr);
    state.ownedApp.reset();
    return state.exitCode;
}

const ClassRecord& RuntimeRegisterClass(const std::string& name) {
    auto& classes = State().classes;
    for (const auto& record : classes) {
        if (record.Name == name) return record;
    }
    classes.push_back({name, static_cast<int>(classes.size())});
    return classes.back();
}

std::vector<std::string> RegisteredClassNames() {
    std::vector<std::string> names;
    for (const auto& record : State().classes) names.push_back(record.Name);
    return names;
}

void RuntimeRegisterAppObject(Application* app) {
    State().app = app;
}

Application* GetAppObject() {
    return State().app;
}

void HandleUnhandledException(std::exception_ptr failure) {
    std::string name = "unknown exception";
    std::string what;
    try {
        std::rethrow_exception(failure);
    } catch (const RuntimeException& e) {
        name = e.Name();
        what = e.what();
    } catch (const std::exception& e) {
        name = Demangled(typeid(e).name());
        what = e.what();
    } catch (...) {
    }
    std::string text = "An exception of class " + name + " was not handled.";
    if (!what.empty()) text += "\r" + what;
    auto& state = State();
    // A failure while the message is shown (a broken hook) must not recurse.
    if (state.handlingFailure) {
        std::cerr << text << '\n';
        return;
    }
    state.handlingFailure = true;
    try {
        MsgBox(text);
    } catch (...) {
        std::cerr << text << '\n';
    }
    state.handlingFailure = false;
}

}  // namespace fw
