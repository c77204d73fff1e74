// The main window's 37 controls: created in one order, then placed and set up page by page.

#include "app/MenuNames.h"
#include "app/Pictures.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/ContextualMenu.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/RadioButton.h"
#include "framework/gui/Separator.h"
#include "framework/gui/StaticText.h"
#include "window/EditCMenu.h"
#include "window/ScrapWindow.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

using namespace ScrapWindowTexts;

namespace {

constexpr unsigned kLeft = 1, kTop = 2, kRight = 4, kBottom = 8;
constexpr unsigned kAllEdges = kLeft | kTop | kRight | kBottom;
constexpr int kOnWindow = -1;

// A control's place in window pixels, the edges it keeps its distance to, its place in the
// focus order, and the page of PagePanel1 it stands on (kOnWindow: the window itself).
struct Place {
    int left, top, width, height;
    unsigned locks;
    int tabIndex;
    int page;
};

const fw::Color kBlack = fw::Color::FromHex(0x000000);
const fw::Color kWhite = fw::Color::FromHex(0xFFFFFF);

void Put(fw::RectControl& c, fw::PagePanel* panel, const Place& p) {
    c.SetBounds(p.left, p.top, p.width, p.height);
    c.SetLocks(p.locks & kLeft, p.locks & kTop, p.locks & kRight, p.locks & kBottom);
    c.SetTabIndex(p.tabIndex);
    if (p.page != kOnWindow) c.SetPanel(panel, p.page);
}

void Font(fw::RectControl& c, const char* family, int size) {
    c.SetTextFont(family);
    c.SetTextSize(size);
}

// Static texts are single-line and black; alignment 0 is left, 1 centred.
void Label(fw::StaticText& t, const char* text, const char* family, int size, int align) {
    t.SetText(text);
    Font(t, family, size);
    t.SetTextAlign(align);
    t.SetTextColor(kBlack);
    t.SetMultiline(false);
}

void Field(fw::EditField& f, int size) {
    Font(f, "Osaka", size);
    f.SetBorder(true);
    f.SetScrollBarHorizontal(false);
    f.SetScrollBarVertical(true);
    f.SetTextColor(kBlack);
    f.SetBackColor(kWhite);
    f.SetAlignment(0);
    f.SetReadOnly(false);
    f.SetLimitText(0);
    f.SetAcceptTabs(false);
}

// Type 0 is the push kind, 1 the toggle kind; the value is the pressed state of a toggle.
void Bevel(fw::BevelButton& b, const char* caption, int size, const char* help, int type,
           bool pressed) {
    b.SetCaption(caption);
    Font(b, "Osaka", size);
    b.SetHelpTag(help);
    b.SetButtonType(type);
    b.SetValue(pressed);
}

void SelectAllOnMenu(allEditfield& f) {
    f.AddMenuHandler(MenuNames::kFieldSelectAll, [&f] { return f.menu_all_Action(); });
}

}  // namespace

struct ScrapWindow::GeneratorLabel {
    fw::ControlRef<fw::StaticText> ScrapWindow::*control;
    const char* name;
    Place place;
    const char* text;
    const char* font;
    int size;
    int align;
};
// clang-format off
const ScrapWindow::GeneratorLabel ScrapWindow::kGeneratorLabels[] = {
    {&ScrapWindow::StaticText3, "StaticText3",
     {42, 42, 187, 18, kLeft, 10, 2}, kBeforeLabel, "Osaka", 12, 0},
    {&ScrapWindow::StaticText4, "StaticText4",
     {40, 97, 84, 18, kLeft, 13, 2}, kFirstLabel, "Osaka", 12, 0},
    {&ScrapWindow::StaticText5, "StaticText5",
     {160, 97, 84, 18, kLeft, 14, 2}, kLastLabel, "Osaka", 12, 0},
    {&ScrapWindow::StaticText6, "StaticText6",
     {40, 219, 133, 18, kLeft, 20, 2}, kPatternLabel, "Osaka", 12, 0},
    {&ScrapWindow::StaticText7, "StaticText7",
     {42, 155, 187, 18, kLeft, 16, 2}, kAfterLabel, "Osaka", 12, 0},
    {&ScrapWindow::StaticText8, "StaticText8",
     {7, 67, 33, 20, kLeft, 11, 2}, kStep1, "System", 0, 1},
    {&ScrapWindow::StaticText9, "StaticText9",
     {8, 125, 33, 20, kLeft, 12, 2}, kStep2, "System", 0, 1},
    {&ScrapWindow::StaticText10, "StaticText10",
     {7, 180, 33, 20, kLeft, 17, 2}, kStep3, "System", 0, 1},
    {&ScrapWindow::StaticText11, "StaticText11",
     {7, 247, 33, 20, kLeft, 19, 2}, kStep4, "System", 0, 1},
    {&ScrapWindow::StaticText12, "StaticText12",
     {141, 212, 239, 20, kLeft | kRight, 18, 2}, kArrows, "System", 20, 1},
};
// clang-format on

void ScrapWindow::CreateControls() {
    CreateControls0();
}

void ScrapWindow::CreateControls0() {
    // The order of creation mixes the pages: the controls stack, raise their Open events and go
    // away in it. Their places and settings follow page by page once every control exists.
    NewControl(PagePanel1, "PagePanel1");
    NewControl(ListBox1, "ListBox1");
    NewControl(StaticText1, "StaticText1");
    NewControl(EditField2, "EditField2", fw::EditField::Lines::Multi);
    NewControl(BevelButton3, "BevelButton3");
    NewControl(PushButton1, "PushButton1");
    for (const GeneratorLabel& l : kGeneratorLabels) NewControl(this->*l.control, l.name);
    NewControl(Separator1, "Separator1");
    NewControl(allEditfield3, "allEditfield3");
    NewControl(allEditfield4, "allEditfield4");
    NewControl(CheckBox1, "CheckBox1");
    NewControl(allEditfield5, "allEditfield5");
    NewControl(allEditfield1, "allEditfield1");
    NewControl(PushButton2, "PushButton2");
    NewControl(allEditfield2, "allEditfield2");
    NewControl(BevelButton10, "BevelButton10");
    NewControl(RadioButton1, "RadioButton1");
    NewControl(RadioButton2, "RadioButton2");
    NewControl(StaticText13, "StaticText13");
    NewControl(BevelButton11, "BevelButton11");
    NewControl(StaticText14, "StaticText14");
    NewControl(BevelButton1, "BevelButton1");
    NewControl(BevelButton2, "BevelButton2");
    NewControl(EditField1, "EditField1");
    NewControl(EditCMenu1, "EditCMenu1");
    NewControl(ContextualMenu1, "ContextualMenu1");
    NewControl(BevelButton4, "BevelButton4");
    NewControl(BevelButton9, "BevelButton9");

    auto& panel = PagePanel1();
    Put(panel, nullptr, {-1, 36, 523, 325, kAllEdges, 0, kOnWindow});
    panel.SetPageCount(3);
    panel.SetValue(0);
    SetUpListPage();
    SetUpEditorPage();
    SetUpGeneratorPage();
    SetUpPageButtons();
    SetUpControlsOutOfView();

    InstallPageHandlers();
    InstallListHandlers();
    InstallReaderHandlers();
    InstallGeneratorHandlers();
    InstallEditorHandlers();
}

void ScrapWindow::SetUpListPage() {
    fw::PagePanel* panel = &PagePanel1();
    auto& list = ListBox1();
    Put(list, panel, {14, 39, 493, 280, kAllEdges, 0, 0});
    Font(list, "Osaka", 10);
    list.SetHeading(kListHeading);
    list.SetHasHeading(true);
    list.SetSelectionType(1);
    list.SetEnableDrag(true);
    list.SetEnableDragReorder(true);
    list.SetScrollBarHorizontal(true);
    list.SetScrollBarVertical(true);
    list.SetDefaultRowHeight(-1);
    list.ForcusCheck = false;

    auto& count = StaticText1();
    Put(count, panel, {14, 330, 138, 18, kLeft | kRight | kBottom, 2, 0});
    Label(count, kListCount, "Osaka", 10, 0);

    auto& clearList = BevelButton10();
    clearList.SetIcon(back());
    Put(clearList, panel, {417, 330, 90, 22, kRight | kBottom, 3, 0});
    Bevel(clearList, kClearAll, 10, kClearAllHelp, 0, false);
}

void ScrapWindow::SetUpEditorPage() {
    fw::PagePanel* panel = &PagePanel1();
    auto& editor = EditField2();
    Put(editor, panel, {14, 39, 493, 280, kAllEdges, 0, 1});
    Field(editor, 10);
    editor.URL_OFF = false;
    SelectAllOnMenu(editor);
    editorFill_.emplace(editor);

    auto& save = BevelButton3();
    save.SetIcon(back());
    Put(save, panel, {417, 330, 90, 22, kRight | kBottom, 3, 1});
    Bevel(save, kSave, 10, kSaveHelp, 0, false);

    auto& extract = PushButton1();
    Put(extract, panel, {14, 330, 79, 20, kLeft | kBottom, 1, 1});
    extract.SetCaption(kExtract);
    Font(extract, "Osaka", 10);
    extract.SetDefault(false);
    extract.SetCancel(false);

    auto& clearEditor = BevelButton11();
    clearEditor.SetIcon(back());
    Put(clearEditor, panel, {315, 330, 90, 22, kRight | kBottom, 2, 1});
    Bevel(clearEditor, kClearAll, 10, kClearAllHelp, 0, false);
}

void ScrapWindow::SetUpGeneratorPage() {
    fw::PagePanel* panel = &PagePanel1();
    for (const GeneratorLabel& l : kGeneratorLabels) {
        auto& text = (this->*l.control)();
        Put(text, panel, l.place);
        Label(text, l.text, l.font, l.size, l.align);
    }

    Put(Separator1(), panel, {130, 123, 23, 18, kLeft, 15, 2});

    auto& first = allEditfield3();
    Put(first, panel, {40, 121, 84, 22, kLeft, 2, 2});
    Field(first, 12);
    SelectAllOnMenu(first);

    auto& last = allEditfield4();
    Put(last, panel, {160, 121, 84, 22, kLeft, 3, 2});
    Field(last, 12);
    SelectAllOnMenu(last);

    auto& pad = CheckBox1();
    Put(pad, panel, {267, 122, 100, 20, kLeft, 4, 2});
    pad.SetCaption(kPad);
    Font(pad, "Osaka", 12);
    pad.SetHelpTag(kPadHelp);
    pad.SetValue(false);

    auto& after = allEditfield5();
    Put(after, panel, {40, 178, 466, 22, kLeft | kRight, 5, 2});
    Field(after, 12);
    SelectAllOnMenu(after);

    auto& pattern = allEditfield1();
    Put(pattern, panel, {40, 243, 466, 22, kLeft | kRight, 6, 2});
    Field(pattern, 12);
    SelectAllOnMenu(pattern);

    auto& generate = PushButton2();
    Put(generate, panel, {378, 318, 128, 20, kRight, 9, 2});
    generate.SetCaption(kGenerate);
    Font(generate, "Osaka", 12);
    generate.SetDefault(true);
    generate.SetCancel(false);
    generate.SetEnabled(false);

    auto& before = allEditfield2();
    Put(before, panel, {40, 63, 466, 22, kLeft | kRight, 1, 2});
    Field(before, 12);
    SelectAllOnMenu(before);

    auto& toList = RadioButton1();
    Put(toList, panel, {160, 294, 108, 20, 0, 8, 2});
    toList.SetCaption(kToURLList);
    Font(toList, "Osaka", 12);
    toList.SetValue(false);

    auto& toEditor = RadioButton2();
    Put(toEditor, panel, {40, 294, 108, 20, 0, 7, 2});
    toEditor.SetCaption(kToTextEdit);
    Font(toEditor, "Osaka", 12);
    toEditor.SetValue(true);

    auto& destination = StaticText13();
    Put(destination, panel, {40, 271, 133, 18, kLeft, 27, 2});
    Label(destination, kDestinationLabel, "Osaka", 12, 0);

    auto& formats = StaticText14();
    Put(formats, panel, {267, 97, 239, 18, kLeft | kRight, 29, 2});
    Label(formats, kFormats, "Osaka", 12, 0);
}

void ScrapWindow::SetUpPageButtons() {
    auto& listPage = BevelButton1();
    listPage.SetIcon(back());
    Put(listPage, nullptr, {212, 9, 100, 22, kLeft | kTop, 2, kOnWindow});
    Bevel(listPage, kPageURLList, 12, kPageURLListHelp, 1, false);

    auto& editorPage = BevelButton2();
    editorPage.SetIcon(back());
    Put(editorPage, nullptr, {113, 9, 100, 22, kLeft | kTop, 3, kOnWindow});
    Bevel(editorPage, kPageTextEdit, 12, kPageTextEditHelp, 1, false);

    auto& generatorPage = BevelButton4();
    generatorPage.SetIcon(back2());
    Put(generatorPage, nullptr, {14, 9, 100, 22, kLeft | kTop, 11, kOnWindow});
    Bevel(generatorPage, kPageGenerator, 12, kPageGeneratorHelp, 1, true);
}

// Both start right of the visible area and, locked to the right edge only, move with it.
void ScrapWindow::SetUpControlsOutOfView() {
    auto& memo = EditField1();
    Put(memo, nullptr, {592, 20, 239, 22, kRight, 4, kOnWindow});
    Field(memo, 12);
    memo.SetText(kMemo);
    memo.SetHelpTag(kMemo);
    SelectAllOnMenu(memo);

    // Without a handler.
    auto& register_ = BevelButton9();
    register_.SetIcon(back());
    Put(register_, nullptr, {592, 326, 90, 22, kRight | kBottom, 12, kOnWindow});
    Bevel(register_, kRegister, 10, kRegisterHelp, 0, false);
}
