#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <map>

#include "framework/gui/BevelButton.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/EditField.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/StaticText.h"
#include "tests/gui/TestWindow.h"

namespace {

using Window = TestWindow;

class WindowTest : public GuiTest {};

TEST_F(WindowTest, EdgeLocksKeepDistancesWhenTheWindowIsResized) {
    struct Case {
        const char* name;
        bool l, t, r, b;
        int left, top, width, height;  // after shrinking by 119 x 19
    };
    const std::vector<Case> cases = {
        {"all", true, true, true, true, 10, 20, 381, 141},
        {"left-right-bottom", true, false, true, true, 10, 1, 381, 30},
        {"right-bottom", false, false, true, true, -109, 1, 500, 30},
        {"left-bottom", true, false, false, true, 10, 1, 500, 30},
        {"right", false, false, true, false, -109, 20, 500, 30},
        {"left", true, false, false, false, 10, 20, 500, 30},
        {"none", false, false, false, false, 10, 20, 500, 30},
    };
    std::vector<fw::StaticText*> labels;
    auto* w = MakeWindow([&](TestWindow& tw) {
        tw.settings.Width = 519;
        tw.settings.Height = 369;
        tw.settings.MinWidth = 400;
        tw.settings.MinHeight = 350;
        tw.ApplySettings(tw.settings);
        for (const Case& c : cases) {
            auto* label = tw.NewControl<fw::StaticText>(c.name);
            const bool tall = c.t && c.b;
            label->SetBounds(10, 20, 500, tall ? 160 : 30);
            label->SetLocks(c.l, c.t, c.r, c.b);
            labels.push_back(label);
        }
    });
    w->SetSize(400, 350);
    fwtest::ProcessEvents();
    EXPECT_EQ(w->Width(), 400);
    EXPECT_EQ(w->Height(), 350);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(labels[i]->Left(), c.left) << c.name;
        EXPECT_EQ(labels[i]->Top(), c.top) << c.name;
        EXPECT_EQ(labels[i]->Width(), c.width) << c.name;
        EXPECT_EQ(labels[i]->Height(), c.height) << c.name;
    }
    // Back at the size the places were laid out for, every control is where it started.
    w->SetSize(519, 369);
    for (auto* label : labels) EXPECT_EQ(label->Left(), 10);
    // The minimum holds.
    w->SetSize(10, 10);
    EXPECT_EQ(w->Width(), 400);
    EXPECT_EQ(w->Height(), 350);
}

TEST_F(WindowTest, ConstructRunsHooksThenOpensControlsThenWindowAndFindsItByName) {
    std::vector<std::string> order;
    fw::ControlRef<fw::StaticText> B;
    EXPECT_THROW(B(), fw::NilObjectException);
    auto* w = MakeWindow(
        [&](TestWindow& tw) {
            order.push_back("CreateControls");
            auto* a = tw.NewControl<fw::StaticText>("A");
            a->OnOpen = [&] { order.push_back("A.Open"); };
            tw.NewControl(B, "B").OnOpen = [&] { order.push_back("B.Open"); };
        },
        "Named.Window");
    order.insert(order.end(), w->events.begin(), w->events.end());
    EXPECT_EQ(order, (std::vector<std::string>{"CreateControls", "A.Open", "B.Open", "Open"}));
    EXPECT_EQ(fw::RuntimeGetImplicitWindow("Named.Window"), w);
    EXPECT_EQ(fw::ImplicitWindow<TestWindow>("Named.Window"), w);
    EXPECT_TRUE(w->Widget()->isVisible());
    EXPECT_EQ(w->FindControl("missing"), nullptr);
    EXPECT_THROW(w->ControlNamed<fw::StaticText>("missing"), fw::NilObjectException);
    EXPECT_NO_THROW(w->ControlNamed<fw::StaticText>("A"));
    EXPECT_EQ(&B(), &w->ControlNamed<fw::StaticText>("B"));

    w->Close();
    EXPECT_EQ(w->events.back(), "Close");
    EXPECT_FALSE(w->Widget()->isVisible());
    EXPECT_EQ(fw::RuntimeGetImplicitWindow("Named.Window"), nullptr);
    // The closed window's controls are still there for code that runs on.
    EXPECT_EQ(w->ControlNamed<fw::StaticText>("A").Name(), "A");
}

TEST_F(WindowTest, ClosingThroughTheWindowSystemRaisesClose) {
    auto* w = MakeWindow(nullptr);
    w->Widget()->close();
    EXPECT_EQ(w->events.back(), "Close");
    EXPECT_FALSE(w->IsOpen());
}

TEST_F(WindowTest, PagePanelShowsOnlyTheControlsOfItsPage) {
    fw::PagePanel* panel = nullptr;
    std::vector<fw::StaticText*> onPage;
    fw::StaticText* onWindow = nullptr;
    MakeWindow([&](TestWindow& tw) {
        panel = tw.NewControl<fw::PagePanel>("PagePanel1");
        panel->SetBounds(0, 0, 300, 200);
        panel->SetPageCount(3);
        for (int page = 0; page < 3; ++page) {
            auto* label = tw.NewControl<fw::StaticText>("L" + std::to_string(page));
            label->SetPanel(panel, page);
            onPage.push_back(label);
        }
        onWindow = tw.NewControl<fw::StaticText>("W");
    });
    for (int page : {2, 0, 1, 1}) {
        panel->SetValue(page);
        for (int i = 0; auto* label : onPage)
            EXPECT_EQ(label->Widget()->isVisible(), i++ == page) << page;
        EXPECT_TRUE(onWindow->Widget()->isVisible());
    }
    // A control hidden by code stays hidden when its page comes back.
    onPage[0]->SetVisible(false);
    panel->SetValue(0);
    EXPECT_FALSE(onPage[0]->Widget()->isVisible());
    EXPECT_THROW(panel->SetValue(3), fw::OutOfBoundsException);
}

// A page shown and drawn at once by UpdateNow is not drawn again at the next turn of the loop.
TEST_F(WindowTest, UpdateNowDrawsAPageShownOnce) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    fw::PagePanel* panel = nullptr;
    fw::EditField* field = nullptr;
    Window* w = MakeWindow([&](TestWindow& tw) {
        panel = tw.NewControl<fw::PagePanel>("PagePanel1");
        panel->SetBounds(0, 0, 300, 200);
        panel->SetPageCount(2);
        field = tw.NewControl<fw::EditField>("allEditfield1");
        field->SetBounds(10, 10, 200, 22);
        field->SetPanel(panel, 1);
    });
    field->Widget()->installEventFilter(&counter);
    panel->SetValue(1);
    w->UpdateNow();
    EXPECT_EQ(counter.paints, 1);
    fwtest::ProcessEvents();
    EXPECT_EQ(counter.paints, 1);
}

// The keyboard focus rests only on controls the user can see: Tab and Shift+Tab pass over a
// hidden page and a field placed outside the window, code cannot focus them, and a control that
// goes out of sight gives the focus up, to the first control of the page shown on a page switch.
TEST_F(WindowTest, TheFocusStaysOnControlsTheUserCanSee) {
    fw::PagePanel* panel = nullptr;
    std::map<std::string, fw::EditField*> fields;
    auto* w = MakeWindow([&](TestWindow& tw) {
        panel = tw.NewControl<fw::PagePanel>("PagePanel1");
        panel->SetBounds(0, 30, 300, 170);
        panel->SetPageCount(3);
        const struct {
            const char* name;
            int page;  // -1: on the window
            int left, tabIndex;
        } places[] = {{"W", -1, 10, 0}, {"Outside", -1, 320, 1}, {"A", 0, 10, 1},
                      {"B", 0, 120, 0}, {"C", 1, 10, 1},         {"D", 1, 120, 0}};
        for (const auto& p : places) {
            auto* f = tw.NewControl<fw::EditField>(p.name);
            f->SetBounds(p.left, p.page < 0 ? 5 : 60, 100, 22);
            f->SetLocks(false, true, p.page < 0, false);
            f->SetTabIndex(p.tabIndex);
            if (p.page >= 0) f->SetPanel(panel, p.page);
            fields[p.name] = f;
        }
        tw.NewControl<fw::StaticText>("Label")->SetPanel(panel, 2);
    });
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    auto focused = [&] {
        fw::RectControl* c = w->FocusedControl();
        return c ? c->Name() : std::string("none");
    };
    auto press = [&](Qt::KeyboardModifiers mods) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mods);
        return focused();
    };
    fields["Outside"]->SetFocus();
    EXPECT_NE(focused(), "Outside");
    fields["W"]->SetFocus();
    std::vector<std::string> tabs, backTabs;
    for (int i = 0; i < 4; ++i) tabs.push_back(press(Qt::NoModifier));
    EXPECT_EQ(tabs, (std::vector<std::string>{"B", "A", "W", "B"}));
    for (int i = 0; i < 4; ++i) backTabs.push_back(press(Qt::ShiftModifier));
    EXPECT_EQ(backTabs, (std::vector<std::string>{"W", "A", "B", "W"}));
    // Wider, the window still leaves the outside field outside.
    w->SetSize(600, 200);
    fwtest::ProcessEvents();
    EXPECT_EQ(press(Qt::ShiftModifier), "A");
    // A page hidden while the window was built follows its tab indices as well.
    panel->SetValue(1);
    fields["W"]->SetFocus();
    tabs.clear();
    for (int i = 0; i < 3; ++i) tabs.push_back(press(Qt::NoModifier));
    EXPECT_EQ(tabs, (std::vector<std::string>{"D", "C", "W"}));

    const struct {
        const char* focus;
        int page;
        const char* after;
    } switches[] = {{"A", 1, "D"}, {"C", 0, "B"}, {"W", 1, "W"}, {"C", 2, "none"}, {"B", 0, "B"}};
    for (const auto& s : switches) {
        panel->SetValue(fields[s.focus]->PanelIndex());
        fields[s.focus]->SetFocus();
        panel->SetValue(s.page);
        fwtest::ProcessEvents();
        EXPECT_EQ(focused(), s.after) << s.focus << " to page " << s.page;
    }
    fields["B"]->SetVisible(false);
    EXPECT_EQ(focused(), "none");
}

struct ClickWindow : TestWindow {
    std::vector<std::pair<int, int>> presses;
    bool Event_MouseDown(int x, int y) override {
        presses.emplace_back(x, y);
        return false;
    }
};

TEST_F(WindowTest, ClicksOnCanvasAndLabelsReachTheWindow) {
    auto* w = new ClickWindow;
    fw::StaticText* label = nullptr;
    w->build = [&](TestWindow& tw) {
        auto* canvas = tw.NewControl<fw::Canvas>("Canvas1");
        canvas->SetBounds(0, 0, 300, 200);
        label = tw.NewControl<fw::StaticText>("StaticText1");
        label->SetBounds(100, 50, 80, 20);
    };
    w->Construct("ClickWindow");
    fwtest::ProcessEvents();
    QWidget* content = w->Content();
    ASSERT_TRUE(label->Widget()->geometry().contains(QPoint(110, 55)));
    QTest::mouseClick(content, Qt::LeftButton, Qt::NoModifier, QPoint(110, 55));
    QTest::mouseClick(content, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(w->presses, (std::vector<std::pair<int, int>>{{110, 55}, {20, 20}}));
}

TEST_F(WindowTest, ToggleBevelButtonKeepsItsValueAndIconAndRaisesAction) {
    fw::BevelButton* button = nullptr;
    int actions = 0;
    MakeWindow([&](TestWindow& tw) {
        button = tw.NewControl<fw::BevelButton>("BevelButton1");
        button->SetBounds(10, 10, 100, 22);
        button->SetButtonType(1);
        button->SetCaption("URL List");
        button->OnAction = [&] { ++actions; };
    });
    EXPECT_FALSE(button->Value());
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_TRUE(button->Value());
    EXPECT_EQ(actions, 1);
    button->SetValue(false);
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(button->Caption(), "URL List");
    EXPECT_EQ(button->Widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(WindowTest, PushOnADisabledButtonDoesNothing) {
    fw::PushButton* button = nullptr;
    int actions = 0;
    MakeWindow([&](TestWindow& tw) {
        button = tw.NewControl<fw::PushButton>("PushButton2");
        button->OnAction = [&] { ++actions; };
    });
    button->SetEnabled(false);
    button->Push();
    EXPECT_EQ(actions, 0);
    button->SetEnabled(true);
    button->Push();
    EXPECT_EQ(actions, 1);
}

}  // namespace
