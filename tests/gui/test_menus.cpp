#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

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
        QString text;
        bool separator;
        QString shortcut;
    };
    const std::vector<Row> expected = {{"コピー", false, "Ctrl+C"},
                                       {"", true, ""},
                                       {"全てを選択", false, "Ctrl+A"},
                                       {"自動", false, ""}};
    ASSERT_EQ(edit->actions().size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAction* a = edit->actions()[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->isSeparator(), expected[i].separator) << i;
        if (!expected[i].separator) EXPECT_EQ(a->text(), expected[i].text) << i;
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), expected[i].shortcut) << i;
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
