#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Maker.h"
#include "app/applemenu.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Hooks.h"
#include "framework/gui/Menu.h"
#include "framework/gui/Picture.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/StaticText.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ShellFixture.h"

namespace {

class AboutWindow : public ShellTest {
protected:
    // Chooses the about item as the user does.
    applemenu* ChooseAbout() {
        fw::DispatchMenuCommand(*App::Instance()->GetMenuBar()->Lookup("menu_apple"));
        fwtest::ProcessEvents();
        return Open();
    }
    static applemenu* Open() {
        return dynamic_cast<applemenu*>(fw::RuntimeGetImplicitWindow("applemenu.applemenu"));
    }
    static int OpenAboutWindows() {
        int n = 0;
        for (fw::Window* w : fw::OpenWindows()) n += dynamic_cast<applemenu*>(w) != nullptr;
        return n;
    }
};

// The place of a click in the about window: on a control, or on the window's content.
struct ClickPlace {
    const char* control;  // nullptr: the content area
    QPoint at;
};

const ClickPlace kPlaces[] = {
    {"Canvas1", QPoint(30, 30)},    {"StaticText1", QPoint(40, 7)}, {"StaticText2", QPoint(100, 6)},
    {"StaticText4", QPoint(60, 5)}, {nullptr, QPoint(370, 150)},
};

QWidget* WidgetAt(applemenu& w, const ClickPlace& p) {
    if (!p.control) return w.Content();
    return w.ControlNamed<fw::RectControl>(p.control).Widget();
}

}  // namespace

TEST_F(AboutWindow, ChoosingTheAboutItemTwiceLeavesOneWindow) {
    EXPECT_EQ(Open(), nullptr);
    applemenu* first = ChooseAbout();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Widget()->isVisible());
    EXPECT_FALSE(App::Instance()->menu_apple_Action());
    EXPECT_EQ(ChooseAbout(), first);
    EXPECT_EQ(OpenAboutWindows(), 1);
    // A minimized about window comes back into view, not a second one.
    first->Widget()->showMinimized();
    EXPECT_EQ(ChooseAbout(), first);
    EXPECT_FALSE(first->Widget()->isMinimized());
    EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(AboutWindow, ShowsTheTitlePictureAndItsLabels) {
    applemenu* w = ChooseAbout();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Title(), "Velkanth");
    EXPECT_EQ(w->Width(), 376);
    EXPECT_EQ(w->Height(), 155);

    auto& canvas = w->ControlNamed<fw::Canvas>("Canvas1");
    ASSERT_NE(canvas.Backdrop(), nullptr);
    EXPECT_EQ(canvas.Backdrop()->Width(), 386);
    EXPECT_EQ(canvas.Backdrop()->Height(), 155);
    EXPECT_EQ(canvas.Left(), -11);
    EXPECT_EQ(canvas.Top(), -2);

    const struct {
        const char* name;
        std::string text;
        int right;
    } labels[] = {
        {"StaticText1", "Ver. 1.0 ", 339},
        {"StaticText2", Maker::kCopyrightLine, 341},
        {"StaticText4", "All Right Reserved  ", 341},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        auto& t = w->ControlNamed<fw::StaticText>(l.name);
        EXPECT_EQ(t.Text(), l.text);
        EXPECT_EQ(t.Left() + t.Width(), l.right);
    }
}

// The about window shows the application's bar: its commands and shortcuts work while the
// window is in front, enabled by the rules of that moment.
TEST_F(AboutWindow, TheBarWorksWhileTheWindowIsInFront) {
    fwtest::ShowURLRecorder urls;
    applemenu* w = ChooseAbout();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    std::map<std::string, QAction*> items;
    for (QAction* top : w->Widget()->menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        for (QAction* a : top->menu()->actions()) items[a->text().toStdString()] = a;
    }
    fw::RunMenuEnablingPass();
    const struct {
        const char* text;
        bool enabled;
    } expected[] = {
        {"終了", true}, {"Pavrineサイトへ", true}, {"コピー", false}, {"全てを削除", false}};
    for (const auto& e : expected) {
        ASSERT_TRUE(items.count(e.text)) << e.text;
        EXPECT_EQ(items[e.text]->isEnabled(), e.enabled) << e.text;
    }
    items["Pavrineサイトへ"]->trigger();
    EXPECT_EQ(urls.Urls(), std::vector<std::string>{Maker::kHomePage});
    QTest::keyClick(w->Widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(fw::QuitRequested());
    // The run-time forgets the quit when its loop runs again; later tests start afresh.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    fw::RuntimeRun();
}

TEST_F(AboutWindow, APlainClickAnywhereClosesIt) {
    for (const ClickPlace& place : kPlaces) {
        SCOPED_TRACE(place.control ? place.control : "content");
        applemenu* w = ChooseAbout();
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(WidgetAt(*w, place), Qt::LeftButton, Qt::NoModifier, place.at);
        fwtest::ProcessEvents();
        EXPECT_EQ(Open(), nullptr);
        EXPECT_FALSE(w->Widget()->isVisible());
    }
}

TEST_F(AboutWindow, AContextualClickOffersOnlyTheHomePage) {
    fwtest::ShowURLRecorder urls;
    applemenu* w = ChooseAbout();
    ASSERT_NE(w, nullptr);
    {
        // Dismissed menus: the window stays, nothing opens, and the menu never grows.
        fwtest::ContextMenuChooser dismiss(std::nullopt);
        for (const ClickPlace& place : kPlaces) {
            fwtest::RightClick(WidgetAt(*w, place), place.at);
            fwtest::ProcessEvents();
        }
        ASSERT_EQ(dismiss.Menus().size(), std::size(kPlaces));
        for (const auto& menu : dismiss.Menus())
            EXPECT_EQ(menu, std::vector<std::string>{"Velkanth HPへ"});
        EXPECT_TRUE(urls.Urls().empty());
        EXPECT_EQ(Open(), w);
    }
    fwtest::ContextMenuChooser choose(std::string("Velkanth HPへ"));
    fwtest::RightClick(w->Content(), QPoint(200, 120));
    fwtest::ProcessEvents();
    EXPECT_EQ(urls.Urls(), std::vector<std::string>{Maker::kHomePage});
    EXPECT_EQ(Open(), w);
    EXPECT_TRUE(w->Widget()->isVisible());
}

TEST_F(AboutWindow, MouseDownPassesTheClickOnEitherWay) {
    applemenu* w = ChooseAbout();
    ASSERT_NE(w, nullptr);
    fwtest::ContextMenuChooser dismiss(std::nullopt);
    for (bool contextual : {true, false}) {
        auto previous = fw::SetContextualClickHook([contextual] { return contextual; });
        EXPECT_FALSE(w->Event_MouseDown(10, 10));
        fw::SetContextualClickHook(previous);
    }
    EXPECT_EQ(Open(), nullptr);
}

TEST_F(AboutWindow, OnlyTheHomePageRowOpensTheHomePage) {
    fwtest::ShowURLRecorder urls;
    applemenu* w = ChooseAbout();
    ASSERT_NE(w, nullptr);
    const struct {
        const char* item;
        bool opens;
    } rows[] = {
        {"Velkanth HPへ", true}, {"Velkanth HP", false}, {"", false}, {"VELKANTH HPへ", true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        const auto before = urls.Urls().size();
        w->ContextualMenu1_Action(r.item);
        EXPECT_EQ(urls.Urls().size() - before, r.opens ? 1u : 0u);
    }
}
