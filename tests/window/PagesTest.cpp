#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QMainWindow>
#include <QObject>
#include <QTest>
#include <string>
#include <vector>

#include "app/Pictures.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/RadioButton.h"
#include "tests/support/ShellFixture.h"
#include "window/SelListBox.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace {

using Pages = ShellTest;

const char* const kPageButtons[] = {"BevelButton1", "BevelButton2", "BevelButton4"};

// The page button of each page: 0 the URL list, 1 the editor, 2 the generator.
const char* ButtonOf(int page) {
    return page == 0 ? "BevelButton1" : page == 1 ? "BevelButton2" : "BevelButton4";
}

void Click(ScrapWindow& w, const char* button) {
    QTest::mouseClick(w.ControlNamed<fw::BevelButton>(button).Widget(), Qt::LeftButton);
    fwtest::ProcessEvents();
}

// Exactly one page button is pressed, with the pressed face: the one of the page shown.
void ExpectShown(ScrapWindow& w, int page) {
    EXPECT_EQ(w.ControlNamed<fw::PagePanel>("PagePanel1").Value(), page);
    for (const char* name : kPageButtons) {
        SCOPED_TRACE(name);
        auto& b = w.ControlNamed<fw::BevelButton>(name);
        const bool own = std::string(name) == ButtonOf(page);
        EXPECT_EQ(b.Value(), own);
        EXPECT_EQ(b.Icon(), own ? back2() : back());
    }
    // The page's own controls are on screen, those of the other pages are not.
    const struct {
        const char* control;
        int page;
    } members[] = {{"ListBox1", 0},     {"BevelButton10", 0}, {"EditField2", 1},
                   {"BevelButton3", 1}, {"allEditfield1", 2}, {"PushButton2", 2}};
    for (const auto& m : members) {
        SCOPED_TRACE(m.control);
        auto& c = w.ControlNamed<fw::RectControl>(m.control);
        EXPECT_EQ(c.ShownOnScreen(), m.page == page);
        EXPECT_EQ(c.Widget()->isVisible(), m.page == page);
    }
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

TEST_F(Pages, OpensOnTheGeneratorWithItsButtonPressed) {
    ExpectShown(*window, 2);
}

TEST_F(Pages, ClicksOnThePageButtonsShowTheirPages) {
    const struct {
        std::vector<const char*> clicks;
        int page;
    } sequences[] = {
        {{"BevelButton1"}, 0},
        {{"BevelButton2"}, 1},
        {{"BevelButton4"}, 2},
        {{"BevelButton1", "BevelButton1"}, 0},
        {{"BevelButton2", "BevelButton2", "BevelButton2"}, 1},
        {{"BevelButton1", "BevelButton2", "BevelButton4", "BevelButton4"}, 2},
        {{"BevelButton2", "BevelButton1", "BevelButton2", "BevelButton1"}, 0},
    };
    for (const auto& s : sequences) {
        window->MP_KirikaeGenerator();
        for (const char* b : s.clicks) {
            SCOPED_TRACE(b);
            Click(*window, b);
            ExpectShown(*window, std::string(b) == "BevelButton1"   ? 0
                                 : std::string(b) == "BevelButton2" ? 1
                                                                    : 2);
        }
        ExpectShown(*window, s.page);
    }
}

TEST_F(Pages, ThePageMethodsSwitchAsTheButtonsDo) {
    using Method = void (*)(ScrapWindow&);
    const Method toList = [](ScrapWindow& w) { w.MP_KirikaeURLlist(); };
    const Method toEditor = [](ScrapWindow& w) { w.MP_KirikaeEditor(); };
    const Method toGenerator = [](ScrapWindow& w) { w.MP_KirikaeGenerator(); };
    const struct {
        Method method;
        int page;
    } methods[] = {{toList, 0},   {toEditor, 1}, {toGenerator, 2},
                   {toEditor, 1}, {toEditor, 1}, {toList, 0}};
    for (const auto& m : methods) {
        m.method(*window);
        ExpectShown(*window, m.page);
    }
}

// Switching pages neither clears nor resets anything on any page.
TEST_F(Pages, ContentsAreKeptAcrossSwitches) {
    auto& list = window->ControlNamed<SelListBox>("ListBox1");
    list.AddRow("http://x/1.jpg");
    list.AddRow("http://x/2.jpg");
    list.SetSelected(1, true);
    auto& editor = window->ControlNamed<urlEditfield>("EditField2");
    editor.SetText("http://a/\rhttp://b/");
    // The part fields first: each change of one of them composes the pattern field anew.
    const char* const fields[] = {"allEditfield2", "allEditfield3", "allEditfield4",
                                  "allEditfield5", "allEditfield1"};
    for (const char* f : fields)
        window->ControlNamed<allEditfield>(f).SetText(std::string("値") + f);
    window->ControlNamed<fw::CheckBox>("CheckBox1").SetValue(false);
    window->ControlNamed<fw::RadioButton>("RadioButton1").SetValue(true);

    for (const char* b : {"BevelButton1", "BevelButton2", "BevelButton4", "BevelButton2",
                          "BevelButton1", "BevelButton4"})
        Click(*window, b);

    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.List(0), "http://x/1.jpg");
    EXPECT_EQ(list.List(1), "http://x/2.jpg");
    EXPECT_FALSE(list.Selected(0));
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(editor.Text(), "http://a/\rhttp://b/");
    for (const char* f : fields)
        EXPECT_EQ(window->ControlNamed<allEditfield>(f).Text(), std::string("値") + f);
    EXPECT_FALSE(window->ControlNamed<fw::CheckBox>("CheckBox1").Value());
    EXPECT_TRUE(window->ControlNamed<fw::RadioButton>("RadioButton1").Value());
    EXPECT_FALSE(window->ControlNamed<fw::RadioButton>("RadioButton2").Value());
}

// A switch is drawn before the method returns, so that what its caller does next (a message
// box, a long loop) shows the new page; nothing here lets the event loop run.
TEST_F(Pages, ASwitchIsDrawnBeforeTheMethodReturns) {
    using Method = void (*)(ScrapWindow&);
    const struct {
        Method method;
        const char* shown;  // a control of the page switched to
    } switches[] = {
        {[](ScrapWindow& w) { w.MP_KirikaeURLlist(); }, "ListBox1"},
        {[](ScrapWindow& w) { w.MP_KirikaeEditor(); }, "EditField2"},
        {[](ScrapWindow& w) { w.MP_KirikaeGenerator(); }, "allEditfield1"},
        {[](ScrapWindow& w) { w.MP_KirikaeGenerator(); }, "allEditfield1"},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(s.shown);
        fwtest::ProcessEvents();
        PaintCounter page;
        window->ControlNamed<fw::RectControl>(s.shown).Widget()->installEventFilter(&page);
        s.method(*window);
        EXPECT_GT(page.paints, 0);
    }
}

// Typing and pasting go where the user looks: a page switch takes the focus from the page left to
// the first control of the page shown, never to the memo field placed outside the window.
TEST_F(Pages, TheKeyboardFollowsThePageShown) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    auto& list = window->ControlNamed<SelListBox>("ListBox1");
    auto& editor = window->ControlNamed<urlEditfield>("EditField2");
    auto& memo = window->ControlNamed<allEditfield>("EditField1");
    auto* view = qobject_cast<QAbstractItemView*>(list.Widget());

    Click(*window, "BevelButton1");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    Click(*window, "BevelButton2");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hello"));
    EXPECT_EQ(editor.Text(), "hello");
    EXPECT_EQ(memo.Text(), "メモ");

    Click(*window, "BevelButton4");
    QTest::mouseClick(window->ControlNamed<allEditfield>("allEditfield1").Widget(), Qt::LeftButton);
    Click(*window, "BevelButton1");
    QApplication::clipboard()->setText(QStringLiteral("http://p/1.jpg"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    fwtest::ProcessEvents();
    ASSERT_EQ(list.ListCount(), 1);
    EXPECT_EQ(list.List(0), "http://p/1.jpg");
    EXPECT_EQ(memo.Text(), "メモ");

    // Tab goes round the controls of the page shown alone.
    for (int page : {0, 1, 2}) {
        Click(*window, ButtonOf(page));
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            i % 3 ? Qt::NoModifier : Qt::ShiftModifier);
            fw::RectControl* focused = window->FocusedControl();
            ASSERT_NE(focused, nullptr) << page;
            EXPECT_TRUE(focused->SeenByUser()) << focused->Name();
        }
    }
}

// Right after opening the keyboard is in the first field of the generator; on every page Tab
// walks the controls by their tab indices, passing over those that cannot take the focus, and
// Shift+Tab walks them back.
TEST_F(Pages, TabFollowsTheTabIndicesOfEachPage) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Z"));
    EXPECT_EQ(window->ControlNamed<allEditfield>("allEditfield2").Text(), "Z");

    const std::vector<const char*> generator = {"allEditfield2", "allEditfield3", "allEditfield4",
                                                "CheckBox1",     "allEditfield5", "allEditfield1",
                                                "RadioButton2",  "RadioButton1",  "PushButton2"};
    const struct {
        int page;
        bool generate;  // 連番URL生成 enabled
        std::vector<const char*> order;
    } walks[] = {
        {2, false, {generator.begin(), generator.end() - 1}},
        {2, true, generator},
        {0, false, {"ListBox1"}},
        {1, false, {"EditField2", "PushButton1"}},
    };
    const auto focused = [&] {
        fw::RectControl* c = window->FocusedControl();
        return c ? c->Name() : std::string("(none)");
    };
    for (const auto& walk : walks) {
        SCOPED_TRACE(walk.page);
        window->ControlNamed<fw::RectControl>("PushButton2").SetEnabled(walk.generate);
        Click(*window, ButtonOf(walk.page));
        window->ControlNamed<fw::RectControl>(walk.order[0]).SetFocus();
        const std::size_t n = walk.order.size();
        for (std::size_t i = 1; i <= n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(focused(), walk.order[i % n]);
        }
        for (std::size_t i = n; i > 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(focused(), walk.order[(i - 1) % n]);
        }
    }
}
