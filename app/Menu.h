#pragma once

#include <memory>

#include "framework/gui/Menu.h"
#include "framework/gui/Runtime.h"

// The program's one menu bar: File ("ファイル"), Edit ("編集") and Extra ("エクストラ"). Every
// entry carries a name (MenuNames.h); the rest of the program finds items and binds handlers by
// these names.
namespace Menu {

class Menu : public fw::MenuBar {
public:
    static const fw::ClassRecord& Lookup();

    // Builds the three menus in order. Run once, before the bar is stored as the instance.
    void Constructor();

private:
    void Untitled1();  // File
    void Untitled2();  // Edit
    void Untitled3();  // Extra
};

// The one instance, built completely on the first call; nil is never returned.
std::shared_ptr<Menu> Instance();

// The stored instance, nil until the first call of Instance() and after Exit().
std::shared_ptr<Menu> ImplicitInstance();

// Releases the stored instance at shut-down.
void Exit();

}  // namespace Menu
