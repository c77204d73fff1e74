#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Maker.h"
#include "app/Menu.h"
#include "app/MenuItems.h"
#include "app/MenuNames.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"
#include "framework/gui/Control.h"
#include "framework/gui/Menu.h"
#include "framework/gui/Runtime.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ShellFixture.h"

namespace {

enum class Class { Item, Quit, About };

struct Row {
    const char* parent;  // nullptr: a top menu of the bar
    const char* name;
    Class cls;
    const char* text;
    const char* shortcut;
    bool autoEnable;
};

// The bar as the program shows it, top to bottom.
const Row kBar[] = {
    {nullptr, "UntitledMenu12", Class::Item, "ファイル", "", false},
    {"UntitledMenu12", "menu_WindowClose", Class::Item, "閉じる", "Cmd+W", false},
    {"UntitledMenu12", "FileQuit", Class::Quit, "終了", "Cmd+Q", true},
    {nullptr, "UntitledMenu6", Class::Item, "編集", "", false},
    {"UntitledMenu6", "EditUndo", Class::Item, "取り消し", "Cmd+Z", false},
    {"UntitledMenu6", "UntitledMenu11", Class::Item, "-", "", false},
    {"UntitledMenu6", "EditCut", Class::Item, "カット", "Cmd+X", false},
    {"UntitledMenu6", "EditCopy", Class::Item, "コピー", "Cmd+C", false},
    {"UntitledMenu6", "EditPaste", Class::Item, "ペースト", "Cmd+V", false},
    {"UntitledMenu6", "EditClear", Class::Item, "クリア", "", false},
    {"UntitledMenu6", "UntitledMenu10", Class::Item, "-", "", false},
    {"UntitledMenu6", "menu_All", Class::Item, "全てを選択", "Cmd+A", false},
    {"UntitledMenu6", "UntitledMenu9", Class::Item, "-", "", false},
    {"UntitledMenu6", "menu_SelDel", Class::Item, "選択項目削除", "", false},
    {"UntitledMenu6", "menu_del", Class::Item, "全てを削除", "", false},
    {nullptr, "UntitledMenu0", Class::Item, "エクストラ", "", false},
    {"UntitledMenu0", "menu_HP", Class::Item, "Pavrineサイトへ", "", false},
    {"UntitledMenu0", "menu_apple", Class::About, "Pavrineについて", "", false},
};

Class ClassOf(const fw::MenuItem& item) {
    if (dynamic_cast<const fw::QuitMenuItem*>(&item)) return Class::Quit;
    if (dynamic_cast<const fw::AppleMenuItem*>(&item)) return Class::About;
    return Class::Item;
}

// The application object with its bar and handlers, but no window: nothing enables items but
// the framework and the application.
class AppOnly : public AppTest {
protected:
    std::shared_ptr<fw::MenuItem> Item(const char* name) {
        return App::Instance()->GetMenuBar()->Lookup(name);
    }
};

using MenuBar = AppOnly;
using MenuBarInWindow = ShellTest;

}  // namespace

TEST_F(MenuBar, HoldsEveryEntryOfItsTableInOrder) {
    const auto entries = App::Instance()->GetMenuBar()->AllEntries();
    ASSERT_EQ(entries.size(), std::size(kBar));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Row& row = kBar[i];
        const fw::MenuItem& e = *entries[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(e.Name(), row.name);
        EXPECT_EQ(ClassOf(e), row.cls);
        EXPECT_EQ(e.Text(), row.text);
        EXPECT_EQ(e.IsSeparator(), std::string(row.text) == "-");
        EXPECT_EQ(e.KeyboardShortcut(), row.shortcut);
        EXPECT_EQ(e.AutoEnable(), row.autoEnable);
        if (row.parent) {
            ASSERT_NE(e.Parent(), nullptr);
            EXPECT_EQ(e.Parent()->Name(), row.parent);
        } else {
            EXPECT_EQ(e.Parent(), App::Instance()->GetMenuBar().get());
        }
    }
}

TEST_F(MenuBar, IsBuiltOnceAndIsTheApplicationsBar) {
    const auto first = Menu::Instance();
    const auto count = first->AllEntries().size();
    EXPECT_EQ(Menu::Instance(), first);
    EXPECT_EQ(first->AllEntries().size(), count);
    EXPECT_EQ(App::Instance()->GetMenuBar(), first);
}

// Only the quit item enables itself; the application enables its about and home-page items.
TEST_F(MenuBar, ByTheSystemsOwnRulesOnlyQuitHomePageAndAboutAreEnabled) {
    fw::RunMenuEnablingPass();
    for (const Row& row : kBar) {
        if (!row.parent) continue;
        const std::string name = row.name;
        SCOPED_TRACE(name);
        const bool expected = name == "FileQuit" || name == "menu_HP" || name == "menu_apple";
        EXPECT_EQ(Item(row.name)->Enabled(), expected);
    }
}

TEST_F(MenuBar, AccessorsFindTheirItemsByName) {
    const struct {
        const char* name;
        std::shared_ptr<fw::MenuItem> (*accessor)();
    } accessors[] = {
        {"menu_apple", [] { return std::shared_ptr<fw::MenuItem>(menu_apple()); }},
        {"menu_HP", menu_HP},
        {"menu_del", menu_del},
        {"menu_SelDel", menu_SelDel},
        {"menu_All", menu_All},
        {"EditClear", EditClear},
        {"EditPaste", EditPaste},
        {"EditCopy", EditCopy},
        {"EditCut", EditCut},
    };
    for (const auto& a : accessors) {
        SCOPED_TRACE(a.name);
        const auto item = a.accessor();
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Name(), a.name);
    }
    // Without an application object there is no bar to look in.
    App* app = App::Instance();
    fw::RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(menu_HP(), fw::NilObjectException);
    fw::RuntimeRegisterAppObject(app);
}

TEST_F(MenuBar, TheApplicationsHandlersPassTheCommandOn) {
    fwtest::ShowURLRecorder urls;
    EXPECT_FALSE(App::Instance()->menu_HP_Action());
    EXPECT_EQ(urls.Urls(), std::vector<std::string>{Maker::kHomePage});

    // Through the menu: the home page once more, nothing else consumes it.
    EXPECT_FALSE(fw::DispatchMenuCommand(*Item("menu_HP")));
    EXPECT_EQ(urls.Urls().size(), 2u);
}

// A handler bound under a name that no item bears never runs. Names match items as the menu
// commands find their handlers, without regard to letter case (the edit fields' "menu_all").
TEST_F(MenuBarInWindow, EveryHandlerIsBoundToAnItemOfTheBar) {
    const auto bar = App::Instance()->GetMenuBar();
    const auto namesAnItem = [&](const std::string& name) {
        for (const auto& entry : bar->AllEntries()) {
            if (entry->Parent() != bar.get() && fw::StrEq(entry->Name(), name)) return true;
        }
        return false;
    };
    std::vector<std::pair<std::string, const fw::MenuHandlerTable*>> owners = {
        {"App", &App::Instance()->MenuHandlers()}, {"ScrapWindow", &window->MenuHandlers()}};
    for (const auto& control : window->Controls()) {
        if (auto* rect = dynamic_cast<fw::RectControl*>(control.get()))
            owners.emplace_back(rect->Name(), &rect->MenuHandlers());
    }
    std::size_t bound = 0;
    for (const auto& [owner, handlers] : owners) {
        for (const std::string& name : handlers->Names()) {
            SCOPED_TRACE(owner + " " + name);
            ++bound;
            // The one exception: the window's handler for a command that no item sends.
            if (owner == "ScrapWindow" && name == MenuNames::kUrlCopy) {
                EXPECT_FALSE(namesAnItem(name));
                continue;
            }
            EXPECT_TRUE(namesAnItem(name));
        }
    }
    // The application's three, the window's six and the Select All of its seven edit fields.
    EXPECT_EQ(bound, 3u + 6u + 7u);
}

// The window shows the application's bar, with "Cmd+" shortcuts as Ctrl and separators.
TEST_F(MenuBarInWindow, TheMainWindowShowsTheBarWithItsShortcuts) {
    QMenuBar* bar = window->Widget()->menuBar();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> shown;
    for (QAction* top : bar->actions()) {
        shown.push_back(top->text().toStdString());
        ASSERT_NE(top->menu(), nullptr);
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator()) {
                shown.push_back("-");
                continue;
            }
            std::string line = a->text().toStdString();
            if (!a->shortcut().isEmpty())
                line += " " + a->shortcut().toString(QKeySequence::PortableText).toStdString();
            shown.push_back(line);
        }
    }
    // Where the platform moves the quit and about items elsewhere, they are absent from here.
    const std::vector<std::string> expected = {"ファイル",
                                               "閉じる Ctrl+W",
                                               "終了 Ctrl+Q",
                                               "編集",
                                               "取り消し Ctrl+Z",
                                               "-",
                                               "カット Ctrl+X",
                                               "コピー Ctrl+C",
                                               "ペースト Ctrl+V",
                                               "クリア",
                                               "-",
                                               "全てを選択 Ctrl+A",
                                               "-",
                                               "選択項目削除",
                                               "全てを削除",
                                               "エクストラ",
                                               "Pavrineサイトへ",
                                               "Pavrineについて"};
    EXPECT_EQ(shown, expected);
}
