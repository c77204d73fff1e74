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
        .Title = ScrapWindowTexts::kTitle,
    });
}

void ScrapWindow::Event_Open() {
    // The generator is the first page the user sees; its button was created pressed.
    PagePanel1().SetValue(2);
    AcceptFileDrop("special/any");
    AcceptFileDrop("text/plain");
    AcceptTextDrop();
    auto& memo = EditField1();
    memo.SetSelStart(0);
    memo.SetSelLength(fw::Len(memo.Text()));
    p_URLDic = std::make_shared<fw::Dictionary>();
    // The editor never opens the URL under its caret.
    EditField2().URL_OFF = true;
    CheckBox1().SetValue(true);
}

void ScrapWindow::Event_Close() {
    fw::Quit(0);
}
