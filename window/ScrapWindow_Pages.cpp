// The three pages of PagePanel1 and the toggle buttons that choose them: after every switch
// exactly one page button is pressed, the one of the page shown, with the pressed face.

#include "app/Pictures.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/PagePanel.h"
#include "window/ScrapWindow.h"

// Shows the page and sets the buttons in a fixed order: own pressed, the others released with
// the released face, then the pressed face on the own button, then a repaint before returning.
// Nothing is tested first: clicking the shown page's toggle would otherwise leave it released.
void ScrapWindow::ShowPage(int page, fw::BevelButton& own, fw::BevelButton& other1,
                           fw::BevelButton& other2) {
    PagePanel1().SetValue(page);
    own.SetValue(true);
    other1.SetValue(false);
    other1.SetIcon(back());
    other2.SetValue(false);
    other2.SetIcon(back());
    own.SetIcon(back2());
    UpdateNow();
}

void ScrapWindow::MP_KirikaeURLlist() {
    ShowPage(0, BevelButton1(), BevelButton2(), BevelButton4());
}

void ScrapWindow::MP_KirikaeEditor() {
    ShowPage(1, BevelButton2(), BevelButton1(), BevelButton4());
}

void ScrapWindow::MP_KirikaeGenerator() {
    ShowPage(2, BevelButton4(), BevelButton1(), BevelButton2());
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
    BevelButton1().OnAction = [this] { BevelButton1_Action(); };
    BevelButton2().OnAction = [this] { BevelButton2_Action(); };
    BevelButton4().OnAction = [this] { BevelButton4_Action(); };
}
