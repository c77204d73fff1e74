#include "app/applemenu.h"

#include "app/Maker.h"
#include "app/Pictures.h"
#include "framework/core/Strings.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/ContextualMenu.h"
#include "framework/gui/Services.h"
#include "framework/gui/StaticText.h"

namespace {

const std::string kVersion = "Ver. 1.0 ";
const std::string kRights = "All Right Reserved  ";
const std::string kHomePageRow = std::string(Maker::kHandle) + " HPへ";

const fw::Color kLabelGrey = fw::Color::FromHex(0x666666);

struct Label {
    const char* name;
    int left, top, width, height;
    int tabIndex;
    std::string text;
    const char* font;
    int size;
    bool bold;
};

}  // namespace

const fw::ClassRecord& applemenu::Lookup() {
    return fw::RuntimeRegisterClass("applemenu.applemenu");
}

applemenu* applemenu::Instance() {
    return fw::ImplicitWindow<applemenu>("applemenu.applemenu");
}

void applemenu::Layout() {
    ApplySettings({
        .Width = 376,
        .Height = 155,
        .Title = Maker::kHandle,
        .HasBackColor = true,
    });
}

void applemenu::CreateControls() {
    CreateControls0();
}

void applemenu::CreateControls0() {
    auto* canvas = NewControl<fw::Canvas>("Canvas1");
    canvas->SetBackdrop(PavrineTitle());
    canvas->SetBounds(-11, -2, 386, 155);
    canvas->SetTabIndex(0);

    // The labels lie on the picture; clicks on them reach the window like clicks on the picture.
    const Label labels[] = {
        {"StaticText1", 267, 55, 72, 15, 0, kVersion, "Helvetica", 12, true},
        {"StaticText2", 179, 72, 162, 12, 1, Maker::kCopyrightLine, "Osaka", 9, false},
        {"StaticText4", 223, 84, 118, 11, 2, kRights, "Osaka", 9, false},
    };
    for (const Label& l : labels) {
        auto* text = NewControl<fw::StaticText>(l.name);
        text->SetBounds(l.left, l.top, l.width, l.height);
        text->SetTabIndex(l.tabIndex);
        text->SetText(l.text);
        text->SetTextFont(l.font);
        text->SetTextSize(l.size);
        text->SetBold(l.bold);
        text->SetItalic(true);
        text->SetTextAlign(2);
        text->SetTextColor(kLabelGrey);
        text->SetMultiline(false);
    }

    NewControl(ContextualMenu1, "ContextualMenu1").OnAction = [this](const std::string& item) {
        ContextualMenu1_Action(item);
    };
}

bool applemenu::Event_MouseDown(int /*x*/, int /*y*/) {
    if (!fw::IsContextualClick()) {
        Close();
        return false;
    }
    auto& menu = ContextualMenu1();
    menu.DeleteAllRows();
    menu.AddRow(kHomePageRow);
    menu.Open();
    return false;
}

void applemenu::ContextualMenu1_Action(const std::string& item) {
    if (fw::StrEq(item, kHomePageRow)) fw::ShowURL(Maker::kHomePage);
}
