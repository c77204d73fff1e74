#include "app/Menu.h"

#include <optional>
#include <span>

#include "app/MenuTexts.h"

namespace Menu {

namespace {

std::shared_ptr<Menu> implicitInstance;

enum class Kind { Item, Quit, About };

// One entry of the bar. The top menus stand in the bar itself (no parent); separators get no
// shortcut assignment at all, every other entry has one, empty where it has no shortcut.
struct Entry {
    const char* parent;
    const char* name;
    Kind kind;
    const char* text;
    std::optional<const char*> shortcut;
    bool autoEnable;
};

using namespace MenuTexts;

const Entry kFileMenu[] = {
    {nullptr, "UntitledMenu12", Kind::Item, kFile, "", false},
    {"UntitledMenu12", "menu_WindowClose", Kind::Item, kClose, "Cmd+W", false},
    {"UntitledMenu12", "FileQuit", Kind::Quit, kQuit, "Cmd+Q", true},
};

const Entry kEditMenu[] = {
    {nullptr, "UntitledMenu6", Kind::Item, kEdit, "", false},
    {"UntitledMenu6", "EditUndo", Kind::Item, kUndo, "Cmd+Z", false},
    {"UntitledMenu6", "UntitledMenu11", Kind::Item, kSeparator, std::nullopt, false},
    {"UntitledMenu6", "EditCut", Kind::Item, kCut, "Cmd+X", false},
    {"UntitledMenu6", "EditCopy", Kind::Item, kCopy, "Cmd+C", false},
    {"UntitledMenu6", "EditPaste", Kind::Item, kPaste, "Cmd+V", false},
    {"UntitledMenu6", "EditClear", Kind::Item, kClear, "", false},
    {"UntitledMenu6", "UntitledMenu10", Kind::Item, kSeparator, std::nullopt, false},
    {"UntitledMenu6", "menu_All", Kind::Item, kSelectAll, "Cmd+A", false},
    {"UntitledMenu6", "UntitledMenu9", Kind::Item, kSeparator, std::nullopt, false},
    {"UntitledMenu6", "menu_SelDel", Kind::Item, kDeleteSelected, "", false},
    {"UntitledMenu6", "menu_del", Kind::Item, kDeleteAll, "", false},
};

const Entry kExtraMenu[] = {
    {nullptr, "UntitledMenu0", Kind::Item, kExtra, "", false},
    {"UntitledMenu0", "menu_HP", Kind::Item, kHomePage, "", false},
    {"UntitledMenu0", "menu_apple", Kind::About, kAbout, "", false},
};

fw::MenuItemRef NewEntry(Kind kind) {
    switch (kind) {
        case Kind::Quit:
            return std::make_shared<fw::QuitMenuItem>();
        case Kind::About:
            return std::make_shared<fw::AppleMenuItem>();
        case Kind::Item:
            break;
    }
    return std::make_shared<fw::MenuItem>();
}

// Builds the entries in order; each item goes to its top menu, found afresh by name, which
// is why every top menu is appended before its first item is built.
void Build(Menu& bar, std::span<const Entry> entries) {
    for (const Entry& e : entries) {
        fw::MenuItemRef item = NewEntry(e.kind);
        item->SetName(e.name);
        item->SetAutoEnable(e.autoEnable);
        item->SetText(e.text);
        if (e.shortcut) item->SetKeyboardShortcut(*e.shortcut);
        if (!e.parent) {
            bar.Append(item);
            continue;
        }
        const fw::MenuItemRef parent = bar.Child(e.parent);
        if (!parent) throw fw::NilObjectException(std::string("no menu named ") + e.parent);
        parent->Append(item);
    }
}

}  // namespace

const fw::ClassRecord& Menu::Lookup() {
    return fw::RuntimeRegisterClass("Menu.Menu");
}

void Menu::Constructor() {
    Untitled1();
    Untitled2();
    Untitled3();
}

void Menu::Untitled1() {
    Build(*this, kFileMenu);
}
void Menu::Untitled2() {
    Build(*this, kEditMenu);
}
void Menu::Untitled3() {
    Build(*this, kExtraMenu);
}

std::shared_ptr<Menu> Instance() {
    if (!implicitInstance) {
        // Stored only once complete: a failure while building leaves no half-built bar behind.
        auto bar = std::make_shared<Menu>();
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return implicitInstance;
}

std::shared_ptr<Menu> ImplicitInstance() {
    return implicitInstance;
}

void Exit() {
    implicitInstance.reset();
}

}  // namespace Menu
