#include "startup/Startup.h"

#include <memory>

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/MenuNames.h"
#include "app/Pictures.h"
#include "app/applemenu.h"
#include "engine/myglobal.h"
#include "framework/core/Exceptions.h"
#include "framework/gui/Runtime.h"
#include "window/EditCMenu.h"
#include "window/ScrapWindow.h"
#include "window/SelListBox.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace Startup {

namespace {

StepHook stepHook;

// The framework holds the application object to the end of the process.
std::unique_ptr<App> appObject;

void Step(std::string_view name) {
    if (stepHook) stepHook(name);
}

}  // namespace

void SetStepHook(StepHook hook) {
    stepHook = std::move(hook);
}

void RegisterClasses() {
    Menu::Menu::Lookup();
    App::Lookup();
    allEditfield::Lookup();
    urlEditfield::Lookup();
    EditCMenu::Lookup();
    SelListBox::Lookup();
    ScrapWindow::Lookup();
    applemenu::Lookup();
}

void InitFileTypes() {
    FileTypes::Initialize();
}

void NewAppInstance() {
    auto app = std::make_unique<App>();
    app->SetMenuBar(Menu::Instance());
    fw::RuntimeRegisterAppObject(app.get());
    fw::RuntimeSetDisplayName(App::kDisplayName);
    appObject = std::move(app);
}

void ApplicationAddMenuHandlers() {
    App* app = App::Instance();
    if (!app) throw fw::NilObjectException("no application object");
    app->AddMenuHandler(MenuNames::kAbout, [app] { return app->menu_apple_Action(); });
    app->AddMenuHandler(MenuNames::kHomePage, [app] { return app->menu_HP_Action(); });
    app->AddMenuHandler(MenuNames::kQuit, [app] { return app->FileQuit_Action(); });
}

void MakeDefaultView() {
    ScrapWindow::Instance();
}

void Build() {
    InitFileTypes();
    Step("InitFileTypes");
    NewAppInstance();
    Step("NewAppInstance");
    ApplicationAddMenuHandlers();
    Step("ApplicationAddMenuHandlers");
    MakeDefaultView();
    Step("MakeDefaultView");
}

bool Main() {
    try {
        Build();
        fw::RuntimeRun();
        return true;
    } catch (...) {
        fw::HandleUnhandledException(std::current_exception());
        return false;
    }
}

void ShutDown() {
    Pictures::Exit();
    Step("Pictures");
    fw::RuntimeReleaseModuleLists();
    Step("ModuleLists");
    FileTypes::Exit();
    Step("FileTypes");
    Menu::Exit();
    Step("Menu");
    myglobal::CL.clear();
    Step("CL");
}

int Run(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    RegisterClasses();
    const bool ran = Main();
    ShutDown();
    const int status = fw::RuntimeExit();
    return ran ? status : 1;
}

}  // namespace Startup
