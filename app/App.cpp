#include "app/App.h"

#include "app/Maker.h"
#include "app/MenuItems.h"
#include "app/MenuTexts.h"
#include "app/applemenu.h"
#include "engine/myglobal.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"
#include "framework/gui/Menu.h"
#include "framework/gui/Services.h"

const fw::ClassRecord& App::Lookup() {
    return fw::RuntimeRegisterClass("App");
}

App* App::Instance() {
    fw::Application* object = fw::GetAppObject();
    if (!object) return nullptr;
    auto* app = dynamic_cast<App*>(object);
    if (!app) throw fw::IllegalCastException("the application object is not an App");
    return app;
}

void App::Event_Open() {
    myglobal::CL = fw::Chr(13);
    // The same captions the bar was built with: they double as the rows of the edit fields'
    // context menu, which acts on the chosen row's text.
    Required(EditCut()).SetText(MenuTexts::kCut);
    Required(EditCopy()).SetText(MenuTexts::kCopy);
    Required(EditPaste()).SetText(MenuTexts::kPaste);
    Required(EditClear()).SetText(MenuTexts::kClear);
    Required(menu_All()).SetText(MenuTexts::kSelectAll);
}

void App::Event_EnableMenuItems() {
    Required(menu_apple()).Enable();
    Required(menu_HP()).Enable();
}

bool App::menu_apple_Action() {
    applemenu::Instance()->Show();
    return false;
}

bool App::menu_HP_Action() {
    fw::ShowURL(Maker::kHomePage);
    return false;
}

bool App::FileQuit_Action() {
    fw::Quit(0);
    return false;
}
