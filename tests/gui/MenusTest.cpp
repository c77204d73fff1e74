#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <optional>

#include "framework/gui/Application.h"
#include "framework/gui/EditField.h"
#include "framework/gui/Menu.h"
#include "tests/gui/TestWindow.h"

namespace {

std::shared_ptr<fw::MenuItem> Entry(std::shared_ptr<fw::MenuItem> item, const std::string& name,
                                    bool autoEnable, const std::string& text,
                                    const std::string& shortcut = "") {
    item->SetName(name);
    item->SetAutoEnable(autoEnable);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    return item;
}

std::shared_ptr<fw::MenuBar> SmallBar() {
    auto bar = std::make_shared<fw::MenuBar>();
    bar->Append(Entry(std::make_shared<fw::MenuItem>(), "Edit", false, "編集"));
    auto edit = bar->Child("Edit");
    edit->Append(Entry(std::make_shared<fw::MenuItem>(), "EditCopy", false, "コピー", "Cmd+C"));
    edit->Append(Entry(std::make_shared<fw::MenuItem>(), "Sep", false, "-"));
    edit->Append(Entry(std::make_shared<fw::MenuItem>(), "menu_All", false, "全てを選択", "Cmd+A"));
    edit->Append(Entry(std::make_shared<fw::MenuItem>(), "Auto", true, "自動"));
    bar->Append(Entry(std::make_shared<fw::MenuItem>(), "File", false, "ファイル"));
    bar->Child("File")->Append(
        Entry(std::make_shared<fw::QuitMenuItem>(), "FileQuit", true, "終了", "Cmd+Q"));
    bar->Child("File")->Append(
        Entry(std::make_shared<fw::AppleMenuItem>(), "menu_apple", false, "About"));
    return bar;
}

// An Edit menu with the standard editing items, in the order a program shows them.
const std::vector<std::string> kStandardItems = {"EditUndo", "EditCut", "EditCopy", "EditPaste",
                                                 "EditClear"};

std::shared_ptr<fw::MenuBar> StandardEditBar() {
    auto bar = std::make_shared<fw::MenuBar>();
    bar->Append(Entry(std::make_shared<fw::MenuItem>(), "Edit", false, "編集"));
    for (const std::string& name : kStandardItems)
        bar->Child("Edit")->Append(Entry(std::make_shared<fw::MenuItem>(), name, false, name));
    return bar;
}

void SetClipboard(const std::optional<std::string>& text) {
    if (text)
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
    else
        QGuiApplication::clipboard()->clear();
}

// A window with a single-line field "Line" and a multi-line field "Memo".
TestWindow* MakeLineAndMemoWindow(fw::EditField* (&fields)[2]) {
    return MakeWindow([&](TestWindow& tw) {
        fields[0] = tw.NewControl<fw::EditField>("Line");
        fields[0]->SetBounds(10, 10, 100, 22);
        fields[1] = tw.NewControl<fw::EditField>("Memo", fw::EditField::Lines::Multi);
        fields[1]->SetBounds(10, 40, 100, 80);
    });
}

struct RecordingApp : fw::Application {
    std::vector<std::string>* log = nullptr;
    std::function<void()> onEnable;
    void Event_EnableMenuItems() override {
        log->push_back("app");
        if (onEnable) onEnable();
    }
};

class MenuTest : public GuiTest {
protected:
    void SetUp() override {
        app.log = &log;
        app.SetMenuBar(SmallBar());
        fw::RuntimeRegisterAppObject(&app);
    }
    void TearDown() override {
        GuiTest::TearDown();
        fw::RuntimeRegisterAppObject(nullptr);
    }
    fw::MenuItemRef Item(const std::string& name) { return app.GetMenuBar()->Lookup(name); }

    RecordingApp app;
    std::vector<std::string> log;
};

TEST_F(MenuTest, LookupFindsEntriesAnywhereInTheBarAndCastRefusesOtherClasses) {
    auto bar = app.GetMenuBar();
    EXPECT_EQ(bar->Lookup("Edit")->Text(), "編集");
    EXPECT_EQ(bar->Lookup("menu_All")->KeyboardShortcut(), "Cmd+A");
    EXPECT_EQ(bar->Lookup("nothing"), nullptr);
    EXPECT_EQ(bar->Child("EditCopy"), nullptr);  // Child looks at the bar's own menus only
    EXPECT_NE(fw::Cast<fw::AppleMenuItem>(bar->Lookup("menu_apple")), nullptr);
    EXPECT_EQ(fw::Cast<fw::AppleMenuItem>(bar->Lookup("nothing")), nullptr);
    EXPECT_THROW(fw::Cast<fw::AppleMenuItem>(bar->Lookup("EditCopy")), fw::IllegalCastException);
}

TEST_F(MenuTest, InstalledBarShowsCaptionsSeparatorsAndShortcuts) {
    auto* w = MakeWindow(nullptr);
    auto* qbar = w->Widget()->menuBar();
    ASSERT_EQ(qbar->actions().size(), 2);
    QMenu* edit = qbar->actions()[0]->menu();
    ASSERT_NE(edit, nullptr);
    struct Row {
        std::string text;
        bool separator;
        std::string shortcut;
    };
    const std::vector<Row> expected = {{"コピー", false, "Ctrl+C"},
                                       {"", true, ""},
                                       {"全てを選択", false, "Ctrl+A"},
                                       {"自動", false, ""}};
    ASSERT_EQ(edit->actions().size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAction* a = edit->actions()[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->isSeparator(), expected[i].separator) << i;
        if (!expected[i].separator) {
            EXPECT_EQ(a->text().toStdString(), expected[i].text) << i;
        }
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText).toStdString(),
                  expected[i].shortcut)
            << i;
    }
}

TEST_F(MenuTest, EnablingPassStartsFromAutoEnableThenAppWindowAndFocusedControl) {
    fw::EditField* field = nullptr;
    auto* w = MakeWindow([&](TestWindow& tw) {
        field = tw.NewControl<fw::EditField>("Field");
        field->SetBounds(10, 10, 100, 22);
        field->OnEnableMenuItems = [&] { log.push_back("control"); };
    });
    w->onEnable = [&] { log.push_back("window"); };
    w->Widget()->setFocus();
    Item("EditCopy")->Enable();  // left over from an earlier pass
    struct Case {
        std::string name;
        bool enabled;
    };
    // Without any enabling code, only the AutoEnable items (and the menus themselves) are on.
    fw::RunMenuEnablingPass();
    for (const Case& c : std::vector<Case>{{"EditCopy", false},
                                           {"menu_All", false},
                                           {"Auto", true},
                                           {"FileQuit", true},
                                           {"menu_apple", false},
                                           {"Edit", true}})
        EXPECT_EQ(Item(c.name)->Enabled(), c.enabled) << c.name;
    EXPECT_EQ(log, (std::vector<std::string>{"app", "window"}));

    log.clear();
    field->SetFocus();
    app.onEnable = [&] { Item("menu_apple")->Enable(); };
    fw::RunMenuEnablingPass();
    EXPECT_EQ(log, (std::vector<std::string>{"app", "window", "control"}));
    EXPECT_TRUE(Item("menu_apple")->Enabled());
    EXPECT_TRUE(Item("menu_apple")->Action()->isEnabled());
    EXPECT_FALSE(Item("EditCopy")->Action()->isEnabled());
}

TEST_F(MenuTest, CommandsGoToFocusedControlThenWindowThenAppUntilOneReturnsTrue) {
    struct Case {
        std::string item;
        bool focused;
        bool controlResult, windowResult, appResult;
        std::vector<std::string> calls;
        bool consumed;
    };
    const std::vector<Case> cases = {
        {"menu_All", true, false, false, false, {"control", "window", "app"}, false},
        {"menu_All", true, true, false, false, {"control"}, true},
        {"menu_All", true, false, true, false, {"control", "window"}, true},
        {"menu_All", false, true, false, true, {"window", "app"}, true},
        {"EditCopy", true, true, false, false, {"window", "app"}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> calls;
        fw::EditField* field = nullptr;
        auto* w = MakeWindow([&](TestWindow& tw) {
            field = tw.NewControl<fw::EditField>("Field");
            field->SetBounds(10, 10, 100, 22);
            // Bound in other letter cases than the item names.
            field->AddMenuHandler("MENU_ALL", [&] {
                calls.push_back("control");
                return c.controlResult;
            });
            tw.AddMenuHandler("menu_all", [&] {
                calls.push_back("window");
                return c.windowResult;
            });
            tw.AddMenuHandler("editcopy", [&] {
                calls.push_back("window");
                return c.windowResult;
            });
        });
        RecordingApp local;
        local.log = &log;
        local.SetMenuBar(SmallBar());
        fw::RuntimeRegisterAppObject(&local);
        local.AddMenuHandler(c.item, [&] {
            calls.push_back("app");
            return c.appResult;
        });
        if (c.focused)
            field->SetFocus();
        else
            w->Widget()->setFocus();
        const bool consumed = fw::DispatchMenuCommand(*local.GetMenuBar()->Lookup(c.item));
        EXPECT_EQ(calls, c.calls) << c.item << " focused " << c.focused;
        EXPECT_EQ(consumed, c.consumed);
        fw::RuntimeReleaseModuleLists();
        fw::RuntimeRegisterAppObject(&app);
    }
}

// Undo, Cut, Copy, Paste, Clear: what a focused field enables by its state, before any
// EnableMenuItems code runs.
TEST_F(MenuTest, FocusedEditFieldEnablesTheStandardEditingItemsItsStateAllows) {
    app.SetMenuBar(StandardEditBar());
    fw::EditField* fields[2] = {};
    auto* w = MakeLineAndMemoWindow(fields);
    // The application's event is the first of the system's enabling code.
    std::vector<bool> seenByApp;
    app.onEnable = [&] {
        seenByApp.clear();
        for (const auto& name : kStandardItems) seenByApp.push_back(Item(name)->Enabled());
    };
    struct Case {
        const char* state;
        int field;  // -1: nothing focused
        std::string typed;
        int selStart, selLength;
        bool readOnly;
        std::optional<std::string> clipboard;
        std::vector<bool> enabled;  // Undo, Cut, Copy, Paste, Clear
    };
    const std::vector<Case> cases = {
        {"nothing focused", -1, "x", 0, 1, false, "c", {false, false, false, false, false}},
        {"line, caret", 0, "", 1, 0, false, "c", {false, false, false, true, false}},
        {"line, caret, no clipboard", 0, "", 1, 0, false, {}, {false, false, false, false, false}},
        {"line, selection", 0, "", 0, 2, false, "c", {false, true, true, true, true}},
        {"line, selection, no clipboard", 0, "", 0, 2, false, {}, {false, true, true, false, true}},
        {"line, typed", 0, "x", 4, 0, false, {}, {true, false, false, false, false}},
        {"line, read-only", 0, "x", 0, 2, true, "c", {false, false, true, false, false}},
        {"memo, over a line end", 1, "", 1, 2, false, "c", {false, true, true, true, true}},
        {"memo, typed", 1, "x", 0, 0, false, {}, {true, false, false, false, false}},
        {"memo, read-only", 1, "x", 0, 2, true, "c", {false, false, true, false, false}},
        {"memo, read-only, caret", 1, "", 0, 0, true, "c", {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        for (fw::EditField* f : fields) {
            f->SetReadOnly(false);
            f->SetText(f->MultiLine() ? "ab\rc" : "abc");
            // Typing gives the field something to undo; setting its text does not.
            QTest::keyClicks(f->Widget(), QString::fromStdString(c.typed));
            f->SetSelStart(c.selStart);
            f->SetSelLength(c.selLength);
            f->SetReadOnly(c.readOnly);
        }
        SetClipboard(c.clipboard);
        if (c.field < 0)
            w->Widget()->setFocus();
        else
            fields[c.field]->SetFocus();
        fw::RunMenuEnablingPass();
        std::vector<bool> enabled;
        for (const auto& name : kStandardItems) enabled.push_back(Item(name)->Enabled());
        EXPECT_EQ(enabled, c.enabled) << c.state;
        EXPECT_EQ(seenByApp, c.enabled) << c.state;
    }
}

// Alt lends the keyboard to the menu bar so that the user can walk the menus with the keys; the
// field that had it still serves the items the user walks to.
TEST_F(MenuTest, AFieldServesItsItemsWhileTheMenuBarHasTheKeyboard) {
    app.SetMenuBar(StandardEditBar());
    fw::EditField* field = nullptr;
    auto* w = MakeWindow([&](TestWindow& tw) {
        field = tw.NewControl<fw::EditField>("Line");
        field->SetBounds(10, 10, 100, 22);
    });
    field->SetText("abc");
    field->SetSelStart(0);
    field->SetSelLength(2);
    SetClipboard(std::nullopt);
    field->SetFocus();
    QTest::keyClick(field->Widget(), Qt::Key_Alt, Qt::AltModifier);
    QApplication::processEvents();
    QMenuBar* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(w->FocusedControl(), field);
    fw::RunMenuEnablingPass();
    std::vector<bool> enabled;
    for (const auto& name : kStandardItems) enabled.push_back(Item(name)->Enabled());
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false, true}));

    // Once the keyboard is back, the window's own focus decides again.
    QTest::keyClick(bar, Qt::Key_Escape);
    QApplication::processEvents();
    w->Widget()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->FocusedControl(), nullptr);
}

// Chosen from the menu with no handler consuming it, each item does on the focused field what
// its shortcut does there. The window enables every item, as a program may, so that the field
// alone decides what it does.
TEST_F(MenuTest, StandardEditingItemsChosenFromTheMenuActOnTheFocusedField) {
    app.SetMenuBar(StandardEditBar());
    fw::EditField* fields[2] = {};
    auto* w = MakeLineAndMemoWindow(fields);
    w->onEnable = [&] {
        for (const auto& name : kStandardItems) Item(name)->Enable();
    };
    struct Case {
        const char* name;
        int field;
        std::string text, typed;
        int selStart, selLength;
        bool readOnly;
        std::string clipboard;
        std::string item;
        std::string textAfter;
        int selStartAfter, selLengthAfter;
        std::string clipboardAfter;
        int changes;  // TextChange events
    };
    const std::vector<Case> cases = {
        {"copy", 0, "abcdef", "", 1, 3, false, "old", "EditCopy", "abcdef", 1, 3, "bcd", 0},
        {"copy, no selection", 0, "abc", "", 1, 0, false, "old", "EditCopy", "abc", 1, 0, "old", 0},
        {"cut", 0, "abcdef", "", 1, 3, false, "old", "EditCut", "aef", 1, 0, "bcd", 1},
        {"paste", 0, "abcdef", "", 1, 3, false, "日本", "EditPaste", "a日本ef", 3, 0, "日本", 1},
        {"clear", 0, "abcdef", "", 1, 3, false, "old", "EditClear", "aef", 1, 0, "old", 1},
        {"undo", 0, "ab", "cd", 2, 0, false, "old", "EditUndo", "ab", 2, 0, "old", 1},
        {"read-only cut", 0, "abc", "", 0, 2, true, "old", "EditCut", "abc", 0, 2, "old", 0},
        {"read-only paste", 0, "abc", "", 0, 2, true, "new", "EditPaste", "abc", 0, 2, "new", 0},
        {"read-only clear", 0, "abc", "", 0, 2, true, "old", "EditClear", "abc", 0, 2, "old", 0},
        {"memo copy", 1, "l1\rl2\rl3", "", 1, 4, false, "old", "EditCopy", "l1\rl2\rl3", 1, 4,
         "1\nl2", 0},
        {"memo cut", 1, "l1\rl2\rl3", "", 1, 4, false, "old", "EditCut", "l\rl3", 1, 0, "1\nl2", 1},
        {"memo paste", 1, "l1\rl2", "", 2, 0, false, "x\r\ny", "EditPaste", "l1x\ry\rl2", 5, 0,
         "x\r\ny", 1},
        {"memo clear", 1, "l1\rl2", "", 0, 3, false, "old", "EditClear", "l2", 0, 0, "old", 1},
        {"memo undo", 1, "l1", "\r", 2, 0, false, "old", "EditUndo", "l1", 2, 0, "old", 1},
        {"memo read-only paste", 1, "l1", "", 0, 1, true, "new", "EditPaste", "l1", 0, 1, "new", 0},
    };
    for (const Case& c : cases) {
        fw::EditField* f = fields[c.field];
        f->SetReadOnly(false);
        f->SetText(c.text);
        f->SetFocus();
        f->SetSelStart(c.selStart);
        f->SetSelLength(c.selLength);
        QTest::keyClicks(f->Widget(), QString::fromStdString(c.typed));
        f->SetReadOnly(c.readOnly);
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.clipboard));
        int changes = 0;
        f->OnTextChange = [&] { ++changes; };
        fw::RunMenuEnablingPass();
        Item(c.item)->Action()->trigger();
        fwtest::ProcessEvents();
        f->OnTextChange = nullptr;
        EXPECT_EQ(f->Text(), c.textAfter) << c.name;
        EXPECT_EQ(f->SelStart(), c.selStartAfter) << c.name;
        EXPECT_EQ(f->SelLength(), c.selLengthAfter) << c.name;
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboardAfter) << c.name;
        EXPECT_EQ(changes, c.changes) << c.name;
    }
}

TEST_F(MenuTest, QuitItemNobodyConsumedQuits) {
    MakeWindow(nullptr);
    Item("FileQuit")->Action()->trigger();
    EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(MenuTest, ShortcutRunsTheEnablingPassBeforeItIsDispatched) {
    int handled = 0;
    auto* w = MakeWindow([&](TestWindow& tw) {
        tw.AddMenuHandler("menu_All", [&] {
            ++handled;
            return true;
        });
    });
    w->onEnable = [&] { Item("menu_All")->Enable(); };
    w->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    Item("menu_All")->SetEnabled(false);  // as the last pass left it
    QTest::keyClick(w->Widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(handled, 1);
    // Without the window enabling it, the shortcut does nothing.
    w->onEnable = nullptr;
    QTest::keyClick(w->Widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(handled, 1);
}

}  // namespace
