// The URL list on the real widgets: adding rows, the count label, the Delete key and Command-A,
// the context menu, dragging rows out, the stripes and the list's focus flag.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <QTest>
#include <optional>

#include "engine/RenbanLimits.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/Dictionary.h"
#include "framework/gui/DragItem.h"
#include "framework/gui/Hooks.h"
#include "framework/gui/RadioButton.h"
#include "tests/window/UrlListFixture.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace {

using Texts = std::vector<std::string>;

TEST_F(UrlListTest, AddingRowsAppendsAndRewritesTheCount) {
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount);
    window->MP_AddDownloadItem("");
    EXPECT_EQ(List().ListCount(), 0);
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount) << "an empty text touches nothing";

    window->MP_AddDownloadItem("http://x/a.jpg");
    EXPECT_EQ(Rows(), Texts{"http://x/a.jpg"});
    EXPECT_EQ(Label(), Count(1));
    window->MP_AddDownloadItem("http://x/a.jpg");
    EXPECT_EQ(Rows(), (Texts{"http://x/a.jpg", "http://x/a.jpg"}));
    EXPECT_EQ(Label(), Count(2));
    // Taken unchanged: no trimming and no test of its form.
    window->MP_AddDownloadItem("  not a url/ ");
    EXPECT_EQ(List().List(2), "  not a url/ ");

    window->ControlNamed<fw::BevelButton>("BevelButton10").Event_Action();
    Fill(100);
    EXPECT_EQ(List().ListCount(), 100);
    EXPECT_EQ(Label(), Count(100));
}

TEST_F(UrlListTest, DeleteKeyRemovesTheSelectedRows) {
    struct Case {
        int rows;
        std::initializer_list<int> selected;
        Texts left;
    };
    const Case cases[] = {
        {5, {1, 2}, {"r0", "r3", "r4"}},    {5, {0, 4}, {"r1", "r2", "r3"}},
        {5, {0, 1, 2, 3, 4}, {}},           {5, {}, {"r0", "r1", "r2", "r3", "r4"}},
        {6, {1, 3, 5}, {"r0", "r2", "r4"}}, {0, {}, {}},
    };
    for (const Case& c : cases) {
        window->ControlNamed<fw::BevelButton>("BevelButton10").Event_Action();
        Fill(c.rows);
        Select(c.selected);
        FocusList();
        QTest::keyClick(View(), Qt::Key_Backspace);
        EXPECT_EQ(Rows(), c.left) << c.rows << " rows";
        // Rewritten even when nothing was selected, and on an empty list.
        EXPECT_EQ(Label(), Count(static_cast<int>(c.left.size())));
    }
}

TEST_F(UrlListTest, DeleteKeyOnANewWindowWritesTheCount) {
    FocusList();
    QTest::keyClick(View(), Qt::Key_Backspace);
    EXPECT_EQ(Label(), Count(0));
}

TEST_F(UrlListTest, KeysAndTheirResults) {
    struct Case {
        std::string key;
        bool command;
        bool consumed;
        std::vector<int> selectedAfter;
        int rowsAfter;
    };
    const Case cases[] = {
        {"\x08", false, true, {}, 2},         // Delete removes rows 1 and 3
        {"a", true, false, {0, 1, 2, 3}, 4},  // Command-A selects all, passed on
        {"A", true, false, {0, 1, 2, 3}, 4},  // the system's equality ignores case
        {"a", false, false, {1, 3}, 4},       // "a" alone does nothing
        {"\x7f", false, false, {1, 3}, 4},    // forward delete does nothing
        {"b", true, false, {1, 3}, 4},
    };
    for (const Case& c : cases) {
        window->ControlNamed<fw::BevelButton>("BevelButton10").Event_Action();
        Fill(4);
        Select({1, 3});
        FocusList();
        // The Command key is read at the moment of the call; hold it through a real press.
        bool consumed = false;
        List().OnKeyDown = [&](const std::string& key) {
            consumed = window->ListBox1_KeyDown(key);
            return consumed;
        };
        const Qt::KeyboardModifiers mods = c.command ? Qt::ControlModifier : Qt::NoModifier;
        const int qtKey = c.key == "\x08"   ? Qt::Key_Backspace
                          : c.key == "\x7f" ? Qt::Key_Delete
                          : c.key == "A"    ? Qt::Key_A
                          : c.key == "a"    ? Qt::Key_A
                                            : Qt::Key_B;
        QKeyEvent press(QEvent::KeyPress, qtKey, mods,
                        c.key == "A" ? QStringLiteral("A") : QString::fromStdString(c.key));
        QApplication::sendEvent(View(), &press);
        EXPECT_EQ(consumed, c.consumed) << testing::PrintToString(c.key);
        EXPECT_EQ(SelectedRows(), c.selectedAfter) << testing::PrintToString(c.key);
        EXPECT_EQ(List().ListCount(), c.rowsAfter) << testing::PrintToString(c.key);
    }
}

TEST_F(UrlListTest, CommandAThroughAKeyPressSelectsEveryRowAndKeepsTheSelection) {
    Fill(6);
    Select({2});
    FocusList();
    QTest::keyClick(View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Label(), Count(6)) << "the label is not touched";

    List().SetListIndex(-1);
    Select({4});
    QTest::keyClick(View(), Qt::Key_A);
    EXPECT_EQ(SelectedRows(), std::vector<int>{4});
}

TEST_F(UrlListTest, ContextMenuRowsInEachState) {
    struct Case {
        int rows;
        std::initializer_list<int> selected;
        Texts menu;
    };
    const Case cases[] = {
        {0, {}, {}},
        {3, {}, {"全て削除", "-", "全てを選択"}},
        {3, {1}, {"選択項目削除", "全て削除", "-", "全てを選択"}},
        {3, {0, 2}, {"選択項目削除", "全て削除", "-", "全てを選択"}},
    };
    for (const Case& c : cases) {
        window->ControlNamed<fw::BevelButton>("BevelButton10").Event_Action();
        Fill(c.rows);
        Select(c.selected);
        fwtest::ContextMenuChooser chooser(std::nullopt);
        // Below the rows, so the click itself selects nothing.
        fwtest::RightClick(Viewport(), QPoint(20, Viewport()->height() - 5));
        ASSERT_EQ(chooser.Menus().size(), 1u) << "opened even without rows";
        EXPECT_EQ(chooser.Menus()[0], c.menu) << c.rows << " rows";
        EXPECT_EQ(SelectedRows().size(), c.selected.size()) << "a dismissed menu changes nothing";
    }
}

TEST_F(UrlListTest, ContextMenuChoices) {
    struct Case {
        std::string choice;
        Texts left;
        std::vector<int> selected;
        std::string label;
    };
    const Case cases[] = {
        {"選択項目削除", {"r0", "r2", "r4"}, {}, Count(3)},
        {"全て削除", {}, {}, Count(0)},
        {"全てを選択", {"r0", "r1", "r2", "r3", "r4"}, {0, 1, 2, 3, 4}, Count(5)},
    };
    for (const Case& c : cases) {
        window->ControlNamed<fw::BevelButton>("BevelButton10").Event_Action();
        Fill(5);
        Select({1, 3});
        fwtest::ContextMenuChooser chooser(c.choice);
        fwtest::RightClick(Viewport(), QPoint(20, Viewport()->height() - 5));
        EXPECT_EQ(Rows(), c.left) << c.choice;
        EXPECT_EQ(SelectedRows(), c.selected) << c.choice;
        EXPECT_EQ(Label(), c.label) << c.choice;
    }
}

TEST_F(UrlListTest, ContextMenuActsOnExactTextsOnly) {
    Fill(3);
    Select({1});
    for (const char* other : {"全てを削除", "全て削除 ", "選択項目削除\r", "", "ALL"}) {
        window->ContextualMenu1_Action(other);
        EXPECT_EQ(List().ListCount(), 3) << other;
        EXPECT_EQ(SelectedRows(), std::vector<int>{1}) << other;
    }
}

// Clicks that are not contextual are the list's own: Ctrl with the left button adds a row to the
// selection or takes it out, so rows far apart can be picked for a drag.
TEST_F(UrlListTest, ClicksThatAreNotContextualAreLeftToTheList) {
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        int row;
        bool menu;
        std::vector<int> selected;  // after this click and those before it
    };
    const Case cases[] = {
        {Qt::LeftButton, Qt::NoModifier, 0, false, {0}},
        {Qt::LeftButton, Qt::ControlModifier, 2, false, {0, 2}},
        {Qt::LeftButton, Qt::ControlModifier, 5, false, {0, 2, 5}},
        {Qt::LeftButton, Qt::ControlModifier, 2, false, {0, 5}},
        {Qt::LeftButton, Qt::ControlModifier, 2, false, {0, 2, 5}},
        {Qt::RightButton, Qt::NoModifier, 4, true, {0, 2, 5}},
        {Qt::LeftButton, Qt::ShiftModifier, 3, false, {2, 3}},
        {Qt::LeftButton, Qt::NoModifier, 1, false, {1}},
    };
    Fill(6);
    fwtest::ContextMenuChooser chooser(std::nullopt);
    for (const Case& c : cases) {
        const std::size_t menus = chooser.Menus().size();
        const QPoint onRow = View()->visualRect(View()->model()->index(c.row, 0)).center();
        QTest::mouseClick(Viewport(), c.button, c.modifiers, onRow);
        EXPECT_EQ(chooser.Menus().size(), menus + (c.menu ? 1 : 0)) << c.row;
        EXPECT_EQ(SelectedRows(), c.selected) << c.row;
    }
}

// The context menu takes the release of the press that opened it: the next click is the user's
// own, and on a row selects that row alone.
TEST_F(UrlListTest, AClickAfterTheContextMenuSelectsItsRow) {
    Fill(6);
    Select({1});
    fwtest::ContextMenuChooser chooser("全てを選択");
    fwtest::RightPress(Viewport(), QPoint(20, Viewport()->height() - 5));
    ASSERT_EQ(SelectedRows().size(), 6u);
    const QPoint onRow2 = View()->visualRect(View()->model()->index(2, 0)).center();
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, onRow2);
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
}

// The Menu key and Shift+F10 on the focused list open the menu a right click opens.
TEST_F(UrlListTest, TheMenuKeyOpensTheContextMenu) {
    Fill(3);
    Select({1});
    FocusList();
    fwtest::ContextMenuChooser chooser(std::nullopt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    const Texts rows = {"選択項目削除", "全て削除", "-", "全てを選択"};
    EXPECT_EQ(chooser.Menus(), (std::vector<Texts>{rows, rows}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
}

TEST_F(UrlListTest, ClearButtonEmptiesTheListButNotAnEmptyOnesLabel) {
    auto& clear = window->ControlNamed<fw::BevelButton>("BevelButton10");
    clear.Event_Action();
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount) << "an empty list: not even the label";
    Fill(4);
    Select({2});
    QTest::mouseClick(clear.Widget(), Qt::LeftButton);
    EXPECT_EQ(List().ListCount(), 0);
    EXPECT_EQ(Label(), Count(0));
}

// Two rows short of the list's cap, the generator, the extractor and received keys refuse three
// rows all together, leaving the list as it was, and take two; a row past the cap is refused.
TEST_F(UrlListTest, RowsThatWouldPassTheCapAreRefusedAllTogether) {
    const int cap = static_cast<int>(myglobal::kMaxListRows);
    const auto generate = [&](int n) {
        window->ControlNamed<fw::RadioButton>("RadioButton1").SetValue(true);
        window->ControlNamed<allEditfield>("allEditfield1")
            .SetText("http://g/[1-" + std::to_string(n) + "]");
        window->PushButton2_Action();
    };
    const auto extract = [&](int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += "see http://e/" + std::to_string(i) + "\n";
        window->ControlNamed<urlEditfield>("EditField2").SetText(text);
        window->PushButton1_Action();
    };
    const auto receive = [&](int n) {
        auto keys = std::make_shared<fw::Dictionary>();
        for (int i = 0; i < n; ++i) keys->SetValue("http://k/" + std::to_string(i), "");
        window->MP_URLListUketori(keys);
    };
    const struct {
        const char* name;
        std::function<void(int n)> add;
        Texts messagesWhenTaken;
    } roads[] = {
        {"generator", generate, {}},
        {"extractor", extract, {ScrapWindowTexts::kExtractDone}},
        {"received keys", receive, {}},
    };
    FillTo(cap - 2);
    const std::int64_t bytes = List().TextBytes();
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        CutTo(cap - 2);
        fwtest::MsgBoxRecorder messages;
        road.add(3);
        EXPECT_EQ(List().ListCount(), cap - 2);
        EXPECT_EQ(List().TextBytes(), bytes);
        Texts expected = {ScrapWindowTexts::ListAddRefused({cap - 2, bytes}, false)};
        EXPECT_EQ(messages.Texts(), expected);
        EXPECT_EQ(Label(), Count(cap - 2));
        road.add(2);
        EXPECT_EQ(List().ListCount(), cap);
        expected.insert(expected.end(), road.messagesWhenTaken.begin(),
                        road.messagesWhenTaken.end());
        EXPECT_EQ(messages.Texts(), expected);
    }
    fwtest::MsgBoxRecorder messages;
    EXPECT_FALSE(window->MP_AddDownloadItem("http://one/more"));
    EXPECT_EQ(List().ListCount(), cap);
    EXPECT_EQ(messages.Texts(),
              Texts{ScrapWindowTexts::ListAddRefused({cap, List().TextBytes()}, false)});
}

// Records what a drag out carried and the drag flag while the drag was on its way.
class DragWatch {
public:
    explicit DragWatch(ScrapWindow* window, std::function<void(const QMimeData&)> drop = {})
        : previous_(fw::SetDragExecHook([this, window, drop](const QMimeData& data) {
              texts.push_back(data.text().toStdString());
              flagsDuringDrag.push_back(window->p_DragCheck);
              if (drop) drop(data);
          })) {}
    ~DragWatch() { fw::SetDragExecHook(previous_); }
    std::vector<std::string> texts;
    std::vector<bool> flagsDuringDrag;

private:
    fw::DragExecHook previous_;
};

TEST_F(UrlListTest, DraggingOutCarriesEverySelectedRowInListOrder) {
    for (int i = 0; i < 7; ++i) window->MP_AddDownloadItem("http://x/" + std::to_string(i));
    fwtest::ProcessEvents();
    for (int startRow : {2, 5, 0}) {
        List().SetListIndex(-1);
        Select({5, 0, 2});
        DragWatch watch(window);
        fwtest::DragRowOut(View(), startRow);
        ASSERT_EQ(watch.texts.size(), 1u) << "from row " << startRow;
        EXPECT_EQ(watch.texts[0], "http://x/0\nhttp://x/2\nhttp://x/5") << "from row " << startRow;
        EXPECT_TRUE(watch.flagsDuringDrag[0]);
        // Dropped nowhere here: the flag goes back once the drag has ended.
        EXPECT_FALSE(window->p_DragCheck);
        EXPECT_EQ(List().ListCount(), 7);
    }
}

TEST_F(UrlListTest, DragRowGivesEachSelectedRowAnItemOfItsOwn) {
    Fill(7);
    Select({0, 2, 5});
    fw::DragItem drag;
    EXPECT_TRUE(window->ListBox1_DragRow(drag, 6));
    ASSERT_EQ(drag.ItemCount(), 4);
    EXPECT_FALSE(drag.Items()[0].text) << "the framework's first item is left alone";
    EXPECT_EQ(*drag.Items()[1].text, "r0");
    EXPECT_EQ(*drag.Items()[2].text, "r2");
    EXPECT_EQ(*drag.Items()[3].text, "r5");
    for (std::size_t i = 1; i < 4; ++i) {
        const auto& item = drag.Items()[i];
        EXPECT_EQ(std::vector<int>({item.left, item.top, item.width, item.height}),
                  std::vector<int>({0, 0, 20, 4}));
    }
    EXPECT_TRUE(window->p_DragCheck);
}

TEST_F(UrlListTest, OddRowsArePaintedInTheStripeColour) {
    Fill(8);
    window->Widget()->resize(519, 369);
    fwtest::ProcessEvents();
    const QImage image = Viewport()->grab().toImage();
    const QColor stripe(0xED, 0xF3, 0xFE);
    for (int row = 0; row < 8; ++row) {
        const QRect rect = View()->visualRect(View()->model()->index(row, 0));
        ASSERT_TRUE(rect.isValid());
        // Right of the short texts, so only the background shows.
        const QColor painted = image.pixelColor(QPoint(rect.right() - 4, rect.center().y()) *
                                                image.devicePixelRatio());
        if (row % 2 == 1) {
            EXPECT_EQ(painted, stripe) << "row " << row;
        } else {
            EXPECT_NE(painted, stripe) << "row " << row;
        }
    }
}

TEST_F(UrlListTest, FocusFlagFollowsTheKeyboardFocusBeforeTheListsOwnEvents) {
    Unfocus();
    std::vector<std::pair<std::string, bool>> seen;
    List().OnGotFocus = [&] { seen.emplace_back("got", List().ForcusCheck); };
    List().OnLostFocus = [&] { seen.emplace_back("lost", List().ForcusCheck); };
    FocusList();
    window->MP_KirikaeGenerator();
    window->ControlNamed<allEditfield>("allEditfield2").SetFocus();
    fwtest::ProcessEvents();
    EXPECT_FALSE(List().ForcusCheck);
    const std::vector<std::pair<std::string, bool>> expected = {{"got", true}, {"lost", false}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
