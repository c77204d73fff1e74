#include "app/MenuItems.h"

#include <string>

#include "app/App.h"
#include "app/MenuNames.h"
#include "framework/core/Exceptions.h"

namespace {

template <class T>
std::shared_ptr<T> ItemNamed(const std::string& name) {
    App* app = App::Instance();
    if (!app) throw fw::NilObjectException("no application object");
    const auto& bar = app->GetMenuBar();
    if (!bar) throw fw::NilObjectException("the application has no menu bar");
    return fw::Cast<T>(bar->Lookup(name));
}

}  // namespace

std::shared_ptr<fw::AppleMenuItem> menu_apple() {
    return ItemNamed<fw::AppleMenuItem>(MenuNames::kAbout);
}
std::shared_ptr<fw::MenuItem> menu_HP() {
    return ItemNamed<fw::MenuItem>(MenuNames::kHomePage);
}
std::shared_ptr<fw::MenuItem> menu_del() {
    return ItemNamed<fw::MenuItem>(MenuNames::kDeleteAll);
}
std::shared_ptr<fw::MenuItem> menu_SelDel() {
    return ItemNamed<fw::MenuItem>(MenuNames::kDeleteSelected);
}
std::shared_ptr<fw::MenuItem> menu_All() {
    return ItemNamed<fw::MenuItem>(MenuNames::kSelectAll);
}
std::shared_ptr<fw::MenuItem> EditClear() {
    return ItemNamed<fw::MenuItem>(MenuNames::kClear);
}
std::shared_ptr<fw::MenuItem> EditPaste() {
    return ItemNamed<fw::MenuItem>(MenuNames::kPaste);
}
std::shared_ptr<fw::MenuItem> EditCopy() {
    return ItemNamed<fw::MenuItem>(MenuNames::kCopy);
}
std::shared_ptr<fw::MenuItem> EditCut() {
    return ItemNamed<fw::MenuItem>(MenuNames::kCut);
}

fw::MenuItem& Required(const std::shared_ptr<fw::MenuItem>& item) {
    if (!item) throw fw::NilObjectException("menu item missing from the menu bar");
    return *item;
}
