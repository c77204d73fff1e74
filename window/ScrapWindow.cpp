#include "window/ScrapWindow.h"

#include "framework/core/Strings.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/PagePanel.h"
#include "window/ScrapWindowTexts.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

const fw::ClassRecord& ScrapWindow::Lookup() {
    return fw::RuntimeRegisterClass("ScrapWindow.ScrapWindow");
}

ScrapWindow* ScrapWindow::Instance() {
    return fw::ImplicitWindow<ScrapWindow>("ScrapWindow.ScrapWindow");
}

void ScrapWindow::Layout() {
    ApplySettings({
        .Width = 519,
        .Height = 369,
        .MinWidth = 400,
        .MinHeight = 350,
        .MaxWidth = 32000,
        .MaxHeight = 32000,
        .Title = ScrapWindowTexts::kTitle,
        .HasBackColor = false,
        .BackColor = fw::Color::FromHex(0xFFFFFF),
        .Visible = true,
        .CloseButton = true,
        .MinimizeButton = true,
        .MaximizeButton = true,
        .Resizeable = true,
        .FullScreen = false,
        .MenuBarVisible = true,
    });
}

void ScrapWindow::Event_Open() {
    // The generator is the first page the user sees; its button was created pressed.
    ControlNamed<fw::PagePanel>("PagePanel1").SetValue(2);
    AcceptFileDrop("special/any");
    AcceptFileDrop("text/plain");
    AcceptTextDrop();
    auto& memo = ControlNamed<allEditfield>("EditField1");
    memo.SetSelStart(0);
    memo.SetSelLength(fw::Len(memo.Text()));
    p_URLDic = std::make_shared<fw::Dictionary>();
    // The editor never opens the URL under its caret.
    ControlNamed<urlEditfield>("EditField2").URL_OFF = true;
    ControlNamed<fw::CheckBox>("CheckBox1").SetValue(true);
}

void ScrapWindow::Event_Close() {
    fw::Quit(0);
}
