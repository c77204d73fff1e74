// The Edit-menu commands on the URL list: which items the window enables, what each handler
// does and returns, through the menu bar's actions and the real clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "app/MenuItems.h"
#include "framework/gui/Menu.h"
#include "framework/gui/PagePanel.h"
#include "tests/window/UrlListFixture.h"
#include "window/allEditfield.h"

namespace {

using Texts = std::vector<std::string>;

class ListMenuTest : public UrlListTest {
protected:
    // Copy, Paste, Select All, Delete All, Delete Selected.
    static std::vector<bool> EnabledItems() {
        fw::RunMenuEnablingPass();
        return {EditCopy()->Enabled(), EditPaste()->Enabled(), menu_All()->Enabled(),
                menu_del()->Enabled(), menu_SelDel()->Enabled()};
    }
    // As the user chooses an item: the enabling pass, then the item's action.
    static void Choose(const std::shared_ptr<fw::MenuItem>& item) {
        fw::RunMenuEnablingPass();
        ASSERT_NE(item->Action(), nullptr);
        item->Action()->trigger();
        fwtest::ProcessEvents();
    }
    static std::string ClipboardText() {
        return QGuiApplication::clipboard()->text().toStdString();
    }
    static void SetClipboard(const std::string& text) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
    void FocusEditField() {
        window->MP_KirikaeGenerator();
        window->ControlNamed<allEditfield>("allEditfield2").SetFocus();
        fwtest::ProcessEvents();
        ASSERT_FALSE(List().ForcusCheck);
    }
};

TEST_F(ListMenuTest, EnablingFollowsTheListsFocusRowsAndCurrentRow) {
    struct Case {
        const char* state;
        int rows;
        std::initializer_list<int> selected;
        bool focused;
        std::vector<bool> enabled;  // Copy, Paste, Select All, Delete All, Delete Selected
    };
    const Case cases[] = {
        {"focused, rows, current row", 3, {1}, true, {true, true, true, true, true}},
        {"focused, rows, no current row", 3, {}, true, {false, true, true, true, true}},
        {"focused, empty", 0, {}, true, {false, true, false, false, false}},
        {"not focused", 3, {1}, false, {false, true, false, false, false}},
    };
    for (const Case& c : cases) {
        window->menu_del_Action();
        Fill(c.rows);
        Select(c.selected);
        if (c.focused)
            FocusList();
        else
            Unfocus();
        EXPECT_EQ(EnabledItems(), c.enabled) << c.state;
    }
}

// Alt (or Escape out of a menu) hands the keyboard to the menu bar, to walk its menus with the
// keys; the list stays the control the Edit commands work on until another control takes the focus.
TEST_F(ListMenuTest, TheListKeepsItsFocusWhileTheMenuBarHasTheKeyboard) {
    struct Case {
        const char* leaving;
        std::function<void(QMenuBar&)> leave;
        bool focusedAfter;
    };
    const Case cases[] = {
        {"Escape in the bar", [](QMenuBar& bar) { QTest::keyClick(&bar, Qt::Key_Escape); }, true},
        {"a row clicked",
         [&](QMenuBar&) {
             QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier,
                               View()->visualRect(View()->model()->index(2, 0)).center());
         },
         true},
        {"an edit field clicked",
         [&](QMenuBar&) {
             window->MP_KirikaeGenerator();
             auto& field = window->ControlNamed<allEditfield>("allEditfield1");
             QTest::mouseClick(field.Widget(), Qt::LeftButton);
         },
         false},
    };
    QMenuBar* bar = qobject_cast<QMainWindow*>(window->Widget())->menuBar();
    for (const Case& c : cases) {
        window->MP_KirikaeURLlist();
        window->menu_del_Action();
        Fill(3);
        Select({1});
        FocusList();
        QTest::keyClick(View(), Qt::Key_Alt, Qt::AltModifier);
        fwtest::ProcessEvents();
        ASSERT_EQ(QApplication::focusWidget(), bar) << c.leaving;
        EXPECT_TRUE(List().ForcusCheck) << c.leaving;
        EXPECT_EQ(EnabledItems(), std::vector<bool>(5, true)) << c.leaving;

        c.leave(*bar);
        fwtest::ProcessEvents();
        EXPECT_EQ(List().ForcusCheck, c.focusedAfter) << c.leaving;
        EXPECT_EQ(EnabledItems()[2], c.focusedAfter) << c.leaving;
    }
}

TEST_F(ListMenuTest, HandlerResultsAndEffects) {
    struct Case {
        const char* name;
        bool focused;
        std::function<bool()> handler;
        bool result;
        Texts rows;
        std::vector<int> selected;
        std::string clipboard;
    };
    // Five rows r0..r4 with r1 and r3 selected; the clipboard holds "http://c/1".
    const Case cases[] = {
        {"Copy",
         true,
         [&] { return window->EditCopy_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {1, 3},
         "r1"},
        {"Copy unfocused",
         false,
         [&] { return window->EditCopy_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {1, 3},
         "http://c/1"},
        {"Paste",
         true,
         [&] { return window->EditPaste_Action(); },
         true,
         {"r0", "r1", "r2", "r3", "r4", "http://c/1"},
         {1, 3},
         "http://c/1"},
        {"Paste unfocused",
         false,
         [&] { return window->EditPaste_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {1, 3},
         "http://c/1"},
        {"Select All",
         true,
         [&] { return window->menu_All_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {0, 1, 2, 3, 4},
         "http://c/1"},
        {"Select All unfocused",
         false,
         [&] { return window->menu_All_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {1, 3},
         "http://c/1"},
        {"Delete All unfocused",
         false,
         [&] { return window->menu_del_Action(); },
         false,
         {},
         {},
         "http://c/1"},
        {"Delete Selected unfocused",
         false,
         [&] { return window->menu_SelDel_Action(); },
         false,
         {"r0", "r2", "r4"},
         {},
         "http://c/1"},
        {"menu_urlcopy unfocused",
         false,
         [&] { return window->menu_urlcopy_Action(); },
         false,
         {"r0", "r1", "r2", "r3", "r4"},
         {1, 3},
         "r1"},
    };
    for (const Case& c : cases) {
        List().DeleteAllRows();
        Fill(5);
        Select({1, 3});
        SetClipboard("http://c/1");
        if (c.focused)
            FocusList();
        else
            Unfocus();
        EXPECT_EQ(c.handler(), c.result) << c.name;
        EXPECT_EQ(Rows(), c.rows) << c.name;
        EXPECT_EQ(SelectedRows(), c.selected) << c.name;
        EXPECT_EQ(ClipboardText(), c.clipboard) << c.name;
        EXPECT_EQ(Label(), Count(static_cast<int>(c.rows.size()))) << c.name;
    }
}

TEST_F(ListMenuTest, PasteOfAnEmptyClipboardReadsNothing) {
    Fill(2);
    FocusList();
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(window->EditPaste_Action());
    SetClipboard("");
    EXPECT_FALSE(window->EditPaste_Action());
    EXPECT_EQ(List().ListCount(), 2);
}

TEST_F(ListMenuTest, CommandsThroughTheMenuBarsActions) {
    Fill(4);
    Select({2});
    FocusList();
    Choose(EditCopy());
    EXPECT_EQ(ClipboardText(), "r2");

    SetClipboard("http://p/1\nttp://p/2\r\nhttp://p/[1-2]x");
    Choose(EditPaste());
    EXPECT_EQ(Rows(), (Texts{"r0", "r1", "r2", "r3", "http://p/1", "http://p/2", "http://p/1x",
                             "http://p/2x"}));
    EXPECT_EQ(Label(), Count(8));

    Choose(menu_All());
    EXPECT_EQ(SelectedRows().size(), 8u);

    List().SetListIndex(-1);
    Select({0, 7});
    Choose(menu_SelDel());
    EXPECT_EQ(Rows(), (Texts{"r1", "r2", "r3", "http://p/1", "http://p/2", "http://p/1x"}));
    EXPECT_EQ(Label(), Count(6));

    Choose(menu_del());
    EXPECT_EQ(List().ListCount(), 0);
    EXPECT_EQ(Label(), Count(0));
}

TEST_F(ListMenuTest, ShortcutsReachTheListsCommands) {
    Fill(3);
    Select({1});
    FocusList();
    QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "r1");
    SetClipboard("http://s/1");
    QTest::keyClick(View(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Rows(), (Texts{"r0", "r1", "r2", "http://s/1"}));
}

TEST_F(ListMenuTest, WithAnEditFieldFocusedTheListIgnoresCopyPasteAndSelectAll) {
    Fill(3);
    Select({1});
    SetClipboard("http://c/1");
    FocusEditField();
    EXPECT_FALSE(window->EditCopy_Action());
    EXPECT_FALSE(window->EditPaste_Action());
    EXPECT_FALSE(window->menu_All_Action());
    EXPECT_EQ(Rows(), (Texts{"r0", "r1", "r2"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(ClipboardText(), "http://c/1");
    // Delete All and Delete Selected test no focus themselves (the menu bar offers them only
    // while the list has it).
    EXPECT_FALSE(window->menu_SelDel_Action());
    EXPECT_EQ(Rows(), (Texts{"r0", "r2"}));
    EXPECT_FALSE(window->menu_del_Action());
    EXPECT_EQ(Rows(), Texts{});
}

// The window passes Paste on while an edit field has the focus; the field then pastes by
// itself, and the list reads the clipboard only while it has the focus.
TEST_F(ListMenuTest, PasteFromTheMenuBarGoesToTheFocusedFieldOrTheList) {
    struct Case {
        const char* focus;
        std::function<void()> focusIt;
        std::string editor, generatorField;
        Texts rows;
    };
    const Case cases[] = {
        {"editor",
         [&] {
             window->MP_KirikaeEditor();
             window->ControlNamed<allEditfield>("EditField2").SetFocus();
         },
         "http://p/1",
         "",
         {"r0"}},
        {"generator field",
         [&] {
             window->MP_KirikaeGenerator();
             window->ControlNamed<allEditfield>("allEditfield1").SetFocus();
         },
         "",
         "http://p/1",
         {"r0"}},
        {"list",
         [&] {
             window->MP_KirikaeURLlist();
             FocusList();
         },
         "",
         "",
         {"r0", "http://p/1"}},
    };
    auto& editor = window->ControlNamed<allEditfield>("EditField2");
    auto& generatorField = window->ControlNamed<allEditfield>("allEditfield1");
    for (const Case& c : cases) {
        window->menu_del_Action();
        Fill(1);
        editor.SetText("");
        generatorField.SetText("");
        SetClipboard("http://p/1");
        c.focusIt();
        fwtest::ProcessEvents();
        Choose(EditPaste());
        EXPECT_EQ(editor.Text(), c.editor) << c.focus;
        EXPECT_EQ(generatorField.Text(), c.generatorField) << c.focus;
        EXPECT_EQ(Rows(), c.rows) << c.focus;
    }
}

TEST_F(ListMenuTest, DeleteAllOnAnEmptyListWritesTheCount) {
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount);
    EXPECT_FALSE(window->menu_del_Action());
    EXPECT_EQ(Label(), Count(0));
}

TEST_F(ListMenuTest, NoMenuItemReachesTheUrlCopyHandler) {
    const auto bar = fw::GetAppObject()->GetMenuBar();
    EXPECT_EQ(bar->Lookup("menu_urlcopy"), nullptr);
    EXPECT_TRUE(window->MenuHandlers().Has("menu_urlcopy"));
}

}  // namespace
