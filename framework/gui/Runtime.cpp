#include "framework/gui/Runtime.h"

#include <cxxabi.h>
#include <malloc.h>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/core/EventLoop.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MsgBox.h"
#include "framework/gui/Application.h"
#include "framework/gui/InputState_p.h"
#include "framework/gui/WindowRegistry_p.h"
#include "framework/gui/detail/EventLoopTurn.h"
#include "framework/gui/detail/Text.h"
#include "framework/gui/detail/Translations.h"

namespace fw {
namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> ownedApp;
    std::optional<ScopedEventLoopTurn> throttledTurn;
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

// Why no window can be shown, from what the environment names.
std::string NoDisplayReason() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const std::string chosen = platform ? platform : "";
    const bool needsDisplay =
        chosen.empty() || chosen.starts_with("xcb") || chosen.starts_with("wayland");
    if (!needsDisplay) return "the platform \"" + chosen + "\" could not be started";
    const bool hasX11 = x11 && *x11;
    const bool hasWayland = wayland && *wayland;
    if (!hasX11 && !hasWayland) return "no display here (DISPLAY and WAYLAND_DISPLAY are unset)";
    if (hasX11) return std::string("the display \"") + x11 + "\" could not be reached";
    return std::string("the Wayland display \"") + wayland + "\" could not be reached";
}

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// While Qt starts its platform, its messages about the platform are held back: when no
// display can be reached Qt ends the process with a page of advice about reinstalling; the
// user gets one line saying why instead. Held messages go on to the usual handler once the
// platform has started.
struct PlatformStart {
    static inline QtMessageHandler previous = nullptr;
    static inline std::vector<HeldMessage>* held = nullptr;
    static inline std::string program;

    static void Forward(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (previous)
            previous(type, context, text);
        else
            std::cerr << qFormatLogMessage(type, context, text).toStdString() << '\n';
    }

    static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg) {
            const std::string line =
                program + ": cannot show its window: " + NoDisplayReason() + ".\n";
            std::fputs(line.c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(1);
        }
        const bool platform =
            context.category && std::string_view(context.category).starts_with("qt.qpa");
        if (platform && held)
            held->push_back({type, context.category, text});
        else
            Forward(type, context, text);
    }

    static std::unique_ptr<QApplication> Create(int& argc, char** argv) {
        const std::string path = argc > 0 && argv[0] ? argv[0] : "";
        const auto slash = path.find_last_of('/');
        program = slash == std::string::npos ? path : path.substr(slash + 1);
        if (program.empty()) program = "the program";
        std::vector<HeldMessage> messages;
        held = &messages;
        previous = qInstallMessageHandler(&Handler);
        auto app = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
        held = nullptr;
        for (const HeldMessage& m : messages) {
            const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
            Forward(m.type, context, m.text);
        }
        return app;
    }
};

}  // namespace

void RuntimeInit(int& argc, char** argv) {
#ifdef __GLIBC__
    // Blocks of megabytes get mappings of their own, so a buffer that keeps growing (the text
    // and the block tables of an editor taking a million lines) grows by remapping instead of
    // copying all it holds: each copy kept the window waiting 30 ms and more. The C library's
    // own threshold rises with every large block freed, up to 32 MB, bringing the copies back.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
    auto& state = State();
    if (!QApplication::instance()) state.ownedApp = PlatformStart::Create(argc, argv);
    detail::InstallQtTranslations();
    // Closing the main window quits through the window's own Close event, not through Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    state.throttledTurn.emplace(&detail::ThrottledEventLoopTurn);
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
    state.throttledTurn.reset();
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

void RuntimeSetDisplayName(const std::string& name) {
    // Given as the application's name, which Qt also shows as the display name: a display name
    // set of its own would be appended to every other window's title by Qt.
    QCoreApplication::setApplicationName(detail::ToQt(name));
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
