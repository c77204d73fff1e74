#include "app/Menu.h"

#include <optional>
#include <span>

#include "app/MenuNames.h"
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

namespace Name = MenuNames;
namespace Text = MenuTexts;

const Entry kFileMenu[] = {
    {nullptr, Name::kFile, Kind::Item, Text::kFile, "", false},
    {Name::kFile, Name::kClose, Kind::Item, Text::kClose, "Cmd+W", false},
    {Name::kFile, Name::kQuit, Kind::Quit, Text::kQuit, "Cmd+Q", true},
};

const Entry kEditMenu[] = {
    {nullptr, Name::kEdit, Kind::Item, Text::kEdit, "", false},
    {Name::kEdit, Name::kUndo, Kind::Item, Text::kUndo, "Cmd+Z", false},
    {Name::kEdit, Name::kSeparatorAfterUndo, Kind::Item, Text::kSeparator, std::nullopt, false},
    {Name::kEdit, Name::kCut, Kind::Item, Text::kCut, "Cmd+X", false},
    {Name::kEdit, Name::kCopy, Kind::Item, Text::kCopy, "Cmd+C", false},
    {Name::kEdit, Name::kPaste, Kind::Item, Text::kPaste, "Cmd+V", false},
    {Name::kEdit, Name::kClear, Kind::Item, Text::kClear, "", false},
    {Name::kEdit, Name::kSeparatorAfterClear, Kind::Item, Text::kSeparator, std::nullopt, false},
    {Name::kEdit, Name::kSelectAll, Kind::Item, Text::kSelectAll, "Cmd+A", false},
    {Name::kEdit, Name::kSeparatorAfterSelectAll, Kind::Item, Text::kSeparator, std::nullopt,
     false},
    {Name::kEdit, Name::kDeleteSelected, Kind::Item, Text::kDeleteSelected, "", false},
    {Name::kEdit, Name::kDeleteAll, Kind::Item, Text::kDeleteAll, "", false},
};

const Entry kExtraMenu[] = {
    {nullptr, Name::kExtra, Kind::Item, Text::kExtra, "", false},
    {Name::kExtra, Name::kHomePage, Kind::Item, Text::kHomePage, "", false},
    {Name::kExtra, Name::kAbout, Kind::About, Text::kAbout, "", false},
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
