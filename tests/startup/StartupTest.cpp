#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Pictures.h"
#include "engine/myglobal.h"
#include "framework/gui/FileType.h"
#include "framework/gui/Hooks.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "startup/Startup.h"
#include "tests/support/GuiTestSupport.h"
#include "window/ScrapWindow.h"

namespace {

// What the program holds at one moment of its start or its end.
struct Snapshot {
    std::string step;
    std::vector<std::string> fileTypes;
    bool mainWindowOpen = false;
    bool appObject = false;
    bool menuInstance = false;
    bool picturesCached = false;
    std::string cl;
};

Snapshot Take(std::string step) {
    Snapshot s;
    s.step = std::move(step);
    for (const auto& t : fw::RegisteredFileTypes()) s.fileTypes.push_back(t.name);
    s.mainWindowOpen = fw::RuntimeGetImplicitWindow("ScrapWindow.ScrapWindow") != nullptr;
    s.appObject = App::Instance() != nullptr;
    s.menuInstance = Menu::ImplicitInstance() != nullptr;
    s.picturesCached = !Pictures::back_permapic.Empty() && !Pictures::back2_permapic.Empty();
    s.cl = myglobal::CL;
    return s;
}

const std::vector<std::string> kTypesInOrder = {"text/plain", "text/ttro",   "www/msie",
                                                "All",        "special/any", "crc/text"};

struct ProgramRun {
    std::vector<Snapshot> steps;
    bool completed = false;
    bool loopRan = false;
};

// Runs the program from the class registrations to the end of shut-down, from the state of a
// fresh process (the run-time itself stays up for the next test). `inLoop` runs once the event
// loop has started and has to end it.
ProgramRun RunProgram(const std::function<void()>& inLoop) {
    fw::RuntimeRegisterAppObject(nullptr);
    Pictures::Exit();
    myglobal::CL.clear();

    ProgramRun run;
    Startup::SetStepHook(
        [&](std::string_view step) { run.steps.push_back(Take(std::string(step))); });
    Startup::RegisterClasses();
    QTimer::singleShot(0, [&] {
        run.loopRan = true;
        run.steps.push_back(Take("loop"));
        inLoop();
    });
    run.completed = Startup::Main();
    Startup::ShutDown();
    Startup::SetStepHook(nullptr);
    return run;
}

ScrapWindow& MainWindow() {
    auto* w = dynamic_cast<ScrapWindow*>(fw::RuntimeGetImplicitWindow("ScrapWindow.ScrapWindow"));
    if (!w) throw std::runtime_error("no main window");
    return *w;
}

}  // namespace

TEST(Startup, RegistersTheEightClassesInOrderAfterTheFrameworksOwn) {
    Startup::RegisterClasses();
    const std::vector<std::string> names = fw::RegisteredClassNames();
    const std::vector<std::string> ours = {"Menu.Menu",
                                           "App",
                                           "allEditfield",
                                           "urlEditfield",
                                           "EditCMenu",
                                           "SelListBox",
                                           "ScrapWindow.ScrapWindow",
                                           "applemenu.applemenu"};
    ASSERT_GE(names.size(), ours.size());
    const std::vector<std::string> last(names.end() - static_cast<long>(ours.size()), names.end());
    EXPECT_EQ(last, ours);
    // The framework's own come first (a shut-down earlier in this process forgets them).
    if (names.size() > ours.size()) {
        EXPECT_EQ(names.front(), "Application");
    }
}

TEST(Startup, StartsAndShutsDownInItsFixedOrder) {
    const ProgramRun run =
        RunProgram([] { App::Instance()->GetMenuBar()->Lookup("FileQuit")->Action()->trigger(); });
    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(run.loopRan);

    struct Expect {
        const char* step;
        bool allTypes, mainWindowOpen, appObject, menuInstance, picturesCached;
        const char* cl;
    };
    // The file types come before any window; the pictures are read while the main window builds
    // its buttons; the line separator is set by the application's Open event in the loop.
    // The framework keeps the application object (and so its bar) to the end of the process.
    const Expect table[] = {
        {"InitFileTypes", true, false, false, false, false, ""},
        {"NewAppInstance", true, false, true, true, false, ""},
        {"ApplicationAddMenuHandlers", true, false, true, true, false, ""},
        {"MakeDefaultView", true, true, true, true, true, ""},
        {"loop", true, true, true, true, true, "\r"},
        {"Pictures", true, true, true, true, false, "\r"},
        {"ModuleLists", true, false, true, true, false, "\r"},
        {"FileTypes", false, false, true, true, false, "\r"},
        {"Menu", false, false, true, false, false, "\r"},
        {"CL", false, false, true, false, false, ""},
    };
    ASSERT_EQ(run.steps.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const Expect& e = table[i];
        const Snapshot& s = run.steps[i];
        SCOPED_TRACE(e.step);
        EXPECT_EQ(s.step, e.step);
        EXPECT_EQ(s.fileTypes, e.allTypes ? kTypesInOrder : std::vector<std::string>{});
        EXPECT_EQ(s.mainWindowOpen, e.mainWindowOpen);
        EXPECT_EQ(s.appObject, e.appObject);
        EXPECT_EQ(s.menuInstance, e.menuInstance);
        EXPECT_EQ(s.picturesCached, e.picturesCached);
        EXPECT_EQ(s.cl, e.cl);
    }
}

// The program goes by its name, not its file's: message boxes are titled "Pavrine".
TEST(Startup, WhenTheLoopRunsTheMainWindowIsShownWithTheMenuBar) {
    bool visible = false;
    std::vector<std::string> menus;
    std::string name;
    const ProgramRun run = RunProgram([&] {
        QMainWindow* widget = MainWindow().Widget();
        visible = widget->isVisible();
        for (QAction* a : widget->menuBar()->actions()) menus.push_back(a->text().toStdString());
        name = QGuiApplication::applicationDisplayName().toStdString();
        fw::Quit(0);
    });
    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(visible);
    EXPECT_EQ(menus, (std::vector<std::string>{"ファイル", "編集", "エクストラ"}));
    EXPECT_EQ(name, "Pavrine");
}

// The registry receives the six types in their order, each with every field as set, the
// empty extension lists included, and loses them all at shut-down.
TEST(Startup, RegistersTheSixFileTypesWithTheirFields) {
    const struct {
        const char* name;
        const char* creator;
        const char* type;
        const char* extensions;
    } expected[] = {
        {"text/plain", "****", "TEXT", ".asc;.ascii;.text;.txt"},
        {"text/ttro", "****", "ttro", ".txt"},
        {"www/msie", "****", "WAFF", ""},
        {"All", "????", "????", ""},
        {"special/any", "????", "????", ""},
        {"crc/text", "????", "????", ".crc;.md5"},
    };
    ASSERT_TRUE(fw::RegisteredFileTypes().empty());
    Startup::InitFileTypes();
    const auto registered = fw::RegisteredFileTypes();
    ASSERT_EQ(registered.size(), std::size(expected));
    for (std::size_t i = 0; i < registered.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(registered[i].name, expected[i].name);
        EXPECT_EQ(registered[i].creator, expected[i].creator);
        EXPECT_EQ(registered[i].type, expected[i].type);
        EXPECT_EQ(registered[i].extensions, expected[i].extensions);
    }
    FileTypes::Exit();
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

// Every road out of the program ends the loop the same way and runs the whole shut-down.
TEST(Startup, QuitsByTheQuitItemAndByClosingTheMainWindow) {
    const struct {
        const char* road;
        std::function<void()> quit;
    } roads[] = {
        {"quit item",
         [] { App::Instance()->GetMenuBar()->Lookup("FileQuit")->Action()->trigger(); }},
        {"quit handler", [] { EXPECT_FALSE(App::Instance()->FileQuit_Action()); }},
        {"close box", [] { MainWindow().Widget()->close(); }},
        {"Close", [] { MainWindow().Close(); }},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(road.road);
        const ProgramRun run = RunProgram(road.quit);
        EXPECT_TRUE(run.completed);
        EXPECT_TRUE(fw::QuitRequested());
        ASSERT_FALSE(run.steps.empty());
        EXPECT_EQ(run.steps.back().step, "CL");
    }
}

// A failure in a start-up step reaches the framework's handler, which names it; the event loop
// is not entered and shut-down runs all the same.
TEST(Startup, AFailureDuringStartUpIsReportedAndShutsDown) {
    fwtest::MsgBoxRecorder boxes;
    fw::RuntimeRegisterAppObject(nullptr);
    std::vector<std::string> steps;
    Startup::SetStepHook([&](std::string_view step) {
        steps.emplace_back(step);
        if (step == "ApplicationAddMenuHandlers") throw fw::NilObjectException("test failure");
    });
    Startup::RegisterClasses();
    const bool completed = Startup::Main();
    Startup::ShutDown();
    Startup::SetStepHook(nullptr);

    EXPECT_FALSE(completed);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("NilObjectException"), std::string::npos);
    EXPECT_EQ(steps, (std::vector<std::string>{"InitFileTypes", "NewAppInstance",
                                               "ApplicationAddMenuHandlers", "Pictures",
                                               "ModuleLists", "FileTypes", "Menu", "CL"}));
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

// The Open event sets the line separator and the five edit captions the bar already carries.
TEST(Startup, TheApplicationsOpenEventSetsTheLineSeparatorAndTheEditCaptions) {
    std::string cl;
    std::vector<std::string> captions;
    RunProgram([&] {
        cl = myglobal::CL;
        const auto bar = App::Instance()->GetMenuBar();
        for (const char* name : {"EditCut", "EditCopy", "EditPaste", "EditClear", "menu_All"})
            captions.push_back(bar->Lookup(name)->Text());
        fw::Quit(0);
    });
    EXPECT_EQ(cl, std::string(1, '\r'));
    EXPECT_EQ(captions,
              (std::vector<std::string>{"カット", "コピー", "ペースト", "クリア", "全てを選択"}));
}

// A failure inside a menu handler is reported by the framework's handler, naming it, and the
// program goes on: the loop keeps running until the user quits.
TEST(Startup, AFailureInAHandlerIsReportedAndTheProgramGoesOn) {
    fwtest::MsgBoxRecorder boxes;
    const auto previous =
        fw::SetShowURLHook([](const std::string&) { throw fw::IOException("no browser"); });
    bool stillRunning = false;
    const ProgramRun run = RunProgram([&] {
        App::Instance()->GetMenuBar()->Lookup("menu_HP")->Action()->trigger();
        QTimer::singleShot(0, [&] {
            stillRunning = fw::RuntimeGetImplicitWindow("ScrapWindow.ScrapWindow") != nullptr;
            App::Instance()->GetMenuBar()->Lookup("FileQuit")->Action()->trigger();
        });
    });
    fw::SetShowURLHook(previous);

    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(stillRunning);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("IOException"), std::string::npos);
    EXPECT_NE(boxes.Texts()[0].find("no browser"), std::string::npos);
}

// Started where no window can be shown, the program says why in one line and ends with
// status 1, instead of Qt's page of advice and an abort.
TEST(Startup, WithoutADisplayTheProgramSaysSoInOneLine) {
    const struct {
        const char* where;
        const char* display;  // nullptr: unset
        const char* line;
    } cases[] = {
        {"no display", nullptr,
         "pavrine: cannot show its window: no display here (DISPLAY and WAYLAND_DISPLAY are "
         "unset).\n"},
        {"unreachable display", ":4095",
         "pavrine: cannot show its window: the display \":4095\" could not be reached.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (c.display)
            env.insert(QStringLiteral("DISPLAY"), QString::fromUtf8(c.display));
        else
            env.remove(QStringLiteral("DISPLAY"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(PAVRINE_EXECUTABLE), {});
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_EQ(program.readAllStandardError().toStdString(), c.line);
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}
