// The three pages of PagePanel1 and the toggle buttons that choose them: after every switch
// exactly one page button is pressed, the one of the page shown, with the pressed face.

#include "app/Pictures.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/PagePanel.h"
#include "window/ScrapWindow.h"

namespace {

// Shows the page and sets the buttons in a fixed order: own pressed, the others released with
// the released face, then the pressed face on the own button, then a repaint before returning.
// Nothing is tested first: clicking the shown page's toggle would otherwise leave it released.
void ShowPage(ScrapWindow& w, int page, const char* own, const char* other1, const char* other2) {
    w.ControlNamed<fw::PagePanel>("PagePanel1").SetValue(page);
    w.ControlNamed<fw::BevelButton>(own).SetValue(true);
    auto& first = w.ControlNamed<fw::BevelButton>(other1);
    first.SetValue(false);
    first.SetIcon(back());
    auto& second = w.ControlNamed<fw::BevelButton>(other2);
    second.SetValue(false);
    second.SetIcon(back());
    w.ControlNamed<fw::BevelButton>(own).SetIcon(back2());
    w.UpdateNow();
}

}  // namespace

void ScrapWindow::MP_KirikaeURLlist() {
    ShowPage(*this, 0, "BevelButton1", "BevelButton2", "BevelButton4");
}

void ScrapWindow::MP_KirikaeEditor() {
    ShowPage(*this, 1, "BevelButton2", "BevelButton1", "BevelButton4");
}

void ScrapWindow::MP_KirikaeGenerator() {
    ShowPage(*this, 2, "BevelButton4", "BevelButton1", "BevelButton2");
}

void ScrapWindow::BevelButton1_Action() {
    MP_KirikaeURLlist();
}
void ScrapWindow::BevelButton2_Action() {
    MP_KirikaeEditor();
}
void ScrapWindow::BevelButton4_Action() {
    MP_KirikaeGenerator();
}

void ScrapWindow::InstallPageHandlers() {
    ControlNamed<fw::BevelButton>("BevelButton1").OnAction = [this] { BevelButton1_Action(); };
    ControlNamed<fw::BevelButton>("BevelButton2").OnAction = [this] { BevelButton2_Action(); };
    ControlNamed<fw::BevelButton>("BevelButton4").OnAction = [this] { BevelButton4_Action(); };
}
