#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QWidget>
#include <string>
#include <vector>

#include "app/Pictures.h"
#include "framework/core/Strings.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/ContextualMenu.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Menu.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/RadioButton.h"
#include "framework/gui/Separator.h"
#include "framework/gui/StaticText.h"
#include "tests/support/ShellFixture.h"
#include "window/EditCMenu.h"
#include "window/SelListBox.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace {

constexpr int kWindow = -1;

// The main window's controls in creation order, where the window puts them at 519 x 369, the
// edges each keeps its distance to ("LTRB") and its place in the focus order.
struct Placed {
    const char* name;
    int page;
    int left, top, width, height;
    const char* locks;
    int tabIndex;
};

const Placed kControls[] = {
    {"PagePanel1", kWindow, -1, 36, 523, 325, "LTRB", 0},
    {"ListBox1", 0, 14, 39, 493, 280, "LTRB", 0},
    {"StaticText1", 0, 14, 330, 138, 18, "LRB", 2},
    {"EditField2", 1, 14, 39, 493, 280, "LTRB", 0},
    {"BevelButton3", 1, 417, 330, 90, 22, "RB", 3},
    {"PushButton1", 1, 14, 330, 79, 20, "LB", 1},
    {"StaticText3", 2, 42, 42, 187, 18, "L", 10},
    {"StaticText4", 2, 40, 97, 84, 18, "L", 13},
    {"StaticText5", 2, 160, 97, 84, 18, "L", 14},
    {"StaticText6", 2, 40, 219, 133, 18, "L", 20},
    {"StaticText7", 2, 42, 155, 187, 18, "L", 16},
    {"StaticText8", 2, 7, 67, 33, 20, "L", 11},
    {"StaticText9", 2, 8, 125, 33, 20, "L", 12},
    {"StaticText10", 2, 7, 180, 33, 20, "L", 17},
    {"StaticText11", 2, 7, 247, 33, 20, "L", 19},
    {"StaticText12", 2, 141, 212, 239, 20, "LR", 18},
    {"Separator1", 2, 130, 123, 23, 18, "L", 15},
    {"allEditfield3", 2, 40, 121, 84, 22, "L", 2},
    {"allEditfield4", 2, 160, 121, 84, 22, "L", 3},
    {"CheckBox1", 2, 267, 122, 100, 20, "L", 4},
    {"allEditfield5", 2, 40, 178, 466, 22, "LR", 5},
    {"allEditfield1", 2, 40, 243, 466, 22, "LR", 6},
    {"PushButton2", 2, 378, 318, 128, 20, "R", 9},
    {"allEditfield2", 2, 40, 63, 466, 22, "LR", 1},
    {"BevelButton10", 0, 417, 330, 90, 22, "RB", 3},
    {"RadioButton1", 2, 160, 294, 108, 20, "", 8},
    {"RadioButton2", 2, 40, 294, 108, 20, "", 7},
    {"StaticText13", 2, 40, 271, 133, 18, "L", 27},
    {"BevelButton11", 1, 315, 330, 90, 22, "RB", 2},
    {"StaticText14", 2, 267, 97, 239, 18, "LR", 29},
    {"BevelButton1", kWindow, 212, 9, 100, 22, "LT", 2},
    {"BevelButton2", kWindow, 113, 9, 100, 22, "LT", 3},
    {"EditField1", kWindow, 592, 20, 239, 22, "R", 4},
    {"EditCMenu1", kWindow, 0, 0, 0, 0, nullptr, 0},
    {"ContextualMenu1", kWindow, 0, 0, 0, 0, nullptr, 0},
    {"BevelButton4", kWindow, 14, 9, 100, 22, "LT", 11},
    {"BevelButton9", kWindow, 592, 326, 90, 22, "RB", 12},
};

bool Has(const char* locks, char edge) {
    return std::string(locks).find(edge) != std::string::npos;
}

// Where the edge locks put a control when the window's content area changes by dw x dh.
QRect Expected(const Placed& p, int dw, int dh) {
    int left = p.left, top = p.top, width = p.width, height = p.height;
    if (Has(p.locks, 'R')) {
        if (Has(p.locks, 'L'))
            width += dw;
        else
            left += dw;
    }
    if (Has(p.locks, 'B')) {
        if (Has(p.locks, 'T'))
            height += dh;
        else
            top += dh;
    }
    return {left, top, width, height};
}

using ScrapWindowLayout = ShellTest;

// The control's place as the toolkit shows it, in the content area's coordinates.
QRect OnScreen(fw::Window& w, const fw::RectControl& c) {
    QWidget* widget = c.Widget();
    return {widget->mapTo(w.Content(), QPoint(0, 0)), widget->size()};
}

void ExpectEveryControlWhereItsLocksPutIt(ScrapWindow& w, int width, int height) {
    ASSERT_EQ(w.Width(), width);
    ASSERT_EQ(w.Height(), height);
    for (const Placed& p : kControls) {
        if (!p.locks) continue;
        SCOPED_TRACE(p.name);
        auto& c = w.ControlNamed<fw::RectControl>(p.name);
        const QRect expected = Expected(p, width - 519, height - 369);
        EXPECT_EQ(QRect(c.Left(), c.Top(), c.Width(), c.Height()), expected);
        // Controls of hidden pages and the panel itself are checked where they stand, shown or not.
        EXPECT_EQ(OnScreen(w, c), expected);
    }
    // The memo field and the registration button never come into view.
    for (const char* outside : {"EditField1", "BevelButton9"}) {
        SCOPED_TRACE(outside);
        EXPECT_GE(w.ControlNamed<fw::RectControl>(outside).Left(), width);
    }
}

}  // namespace

TEST_F(ScrapWindowLayout, HasItsSettings) {
    EXPECT_EQ(window->Title(), "Pavrine");
    EXPECT_EQ(window->Width(), 519);
    EXPECT_EQ(window->Height(), 369);
    const fw::WindowSettings& s = window->Settings();
    EXPECT_EQ(s.MinWidth, 400);
    EXPECT_EQ(s.MinHeight, 350);
    EXPECT_EQ(s.MaxWidth, 32000);
    EXPECT_EQ(s.MaxHeight, 32000);
    EXPECT_TRUE(s.Resizeable);
    EXPECT_TRUE(s.MenuBarVisible);
    EXPECT_FALSE(s.HasBackColor);
    EXPECT_TRUE(window->Widget()->isVisible());
}

TEST_F(ScrapWindowLayout, CreatesTheThirtySevenControlsInOrderOnTheirPages) {
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    auto& panel = window->ControlNamed<fw::PagePanel>("PagePanel1");
    EXPECT_EQ(panel.PageCount(), 3);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Placed& p = kControls[i];
        SCOPED_TRACE(p.name);
        EXPECT_EQ(controls[i]->Name(), p.name);
        auto* rect = dynamic_cast<fw::RectControl*>(controls[i].get());
        if (!p.locks) {
            EXPECT_EQ(rect, nullptr);
            continue;
        }
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->LockLeft(), Has(p.locks, 'L'));
        EXPECT_EQ(rect->LockTop(), Has(p.locks, 'T'));
        EXPECT_EQ(rect->LockRight(), Has(p.locks, 'R'));
        EXPECT_EQ(rect->LockBottom(), Has(p.locks, 'B'));
        EXPECT_EQ(rect->TabIndex(), p.tabIndex);
        if (p.page == kWindow) {
            EXPECT_EQ(rect->Panel(), nullptr);
        } else {
            EXPECT_EQ(rect->Panel(), &panel);
            EXPECT_EQ(rect->PanelIndex(), p.page);
        }
    }
}

TEST_F(ScrapWindowLayout, ControlsAreOfTheirClasses) {
    const struct {
        const char* name;
        bool (*is)(fw::Control*);
    } classes[] = {
        {"ListBox1", [](fw::Control* c) { return dynamic_cast<SelListBox*>(c) != nullptr; }},
        {"EditField2", [](fw::Control* c) { return dynamic_cast<urlEditfield*>(c) != nullptr; }},
        {"allEditfield1",
         [](fw::Control* c) {
             return dynamic_cast<allEditfield*>(c) && !dynamic_cast<urlEditfield*>(c);
         }},
        {"EditField1",
         [](fw::Control* c) {
             return dynamic_cast<allEditfield*>(c) && !dynamic_cast<urlEditfield*>(c);
         }},
        {"EditCMenu1", [](fw::Control* c) { return dynamic_cast<EditCMenu*>(c) != nullptr; }},
        {"ContextualMenu1",
         [](fw::Control* c) {
             return dynamic_cast<fw::ContextualMenu*>(c) && !dynamic_cast<EditCMenu*>(c);
         }},
        {"Separator1", [](fw::Control* c) { return dynamic_cast<fw::Separator*>(c) != nullptr; }},
        {"PushButton2", [](fw::Control* c) { return dynamic_cast<fw::PushButton*>(c) != nullptr; }},
        {"CheckBox1", [](fw::Control* c) { return dynamic_cast<fw::CheckBox*>(c) != nullptr; }},
        {"RadioButton1",
         [](fw::Control* c) { return dynamic_cast<fw::RadioButton*>(c) != nullptr; }},
    };
    for (const auto& c : classes) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.is(window->FindControl(c.name)));
    }
}

TEST_F(ScrapWindowLayout, AtItsOpeningSizeEveryControlStandsInPlace) {
    ExpectEveryControlWhereItsLocksPutIt(*window, 519, 369);
}

TEST_F(ScrapWindowLayout, AtItsMinimumSizeTheLocksMoveAndStretchTheControls) {
    window->SetSize(400, 350);
    fwtest::ProcessEvents();
    ExpectEveryControlWhereItsLocksPutIt(*window, 400, 350);
}

TEST_F(ScrapWindowLayout, CannotBeMadeSmallerThanItsMinimum) {
    window->SetSize(300, 200);
    fwtest::ProcessEvents();
    ExpectEveryControlWhereItsLocksPutIt(*window, 400, 350);
}

TEST_F(ScrapWindowLayout, AtALargerSizeTheOffscreenControlsStayOutside) {
    window->SetSize(800, 600);
    fwtest::ProcessEvents();
    ExpectEveryControlWhereItsLocksPutIt(*window, 800, 600);
}

// Captions, fonts and help tags. Osaka is the installed Japanese font at the given pixel size.
TEST_F(ScrapWindowLayout, ControlsCarryTheirTextsFontsAndHelpTags) {
    const struct {
        const char* name;
        std::string text;
        const char* font;
        int size;
        std::string help;
    } rows[] = {
        {"StaticText1", "リスト項目数: ", "Osaka", 10, ""},
        {"BevelButton3", "書き出し...", "Osaka", 10, "URLリストをファイルに書き出します"},
        {"PushButton1", "URL抽出", "Osaka", 10, ""},
        {"StaticText3", "連番前URL :", "Osaka", 12, ""},
        {"StaticText4", "連番開始 :", "Osaka", 12, ""},
        {"StaticText5", "連番終了 :", "Osaka", 12, ""},
        {"StaticText6", "連番生成URL :", "Osaka", 12, ""},
        {"StaticText7", "連番後URL（ない場合は空白に） :", "Osaka", 12, ""},
        {"StaticText8", "(1)", "System", 0, ""},
        {"StaticText9", "(2)", "System", 0, ""},
        {"StaticText10", "(3)", "System", 0, ""},
        {"StaticText11", "(4)", "System", 0, ""},
        {"StaticText12", "↓↓↓↓", "System", 20, ""},
        {"CheckBox1", "桁揃え", "Osaka", 12,
         "桁揃えをすると\r0-10 なら 00 , 01 , 02...となります\ra-zz なら aa , ab , "
         "ac...となります"},
        {"PushButton2", "連番URL生成", "Osaka", 12, ""},
        {"BevelButton10", "全削除", "Osaka", 10, "リストのURLを全て削除します"},
        {"RadioButton1", "URL List", "Osaka", 12, ""},
        {"RadioButton2", "TextEdit", "Osaka", 12, ""},
        {"StaticText13", "生成先 :", "Osaka", 12, ""},
        {"BevelButton11", "全削除", "Osaka", 10, "リストのURLを全て削除します"},
        {"StaticText14", "( 0 - 100 形式と a - zzz 形式に対応)", "Osaka", 12, ""},
        {"BevelButton1", "URL List", "Osaka", 12, "URLリスト"},
        {"BevelButton2", "TextEdit", "Osaka", 12, "テキストエディタ"},
        {"EditField1", "メモ", "Osaka", 12, "メモ"},
        {"BevelButton4", "URL Generator", "Osaka", 12, "連番URL生成"},
        {"BevelButton9", "URL登録", "Osaka", 10,
         "URLリストをダウンロードウィンドウに\r登録したり、抽出ウインドウへ登録します"},
        {"ListBox1", "", "Osaka", 10, ""},
        {"EditField2", "", "Osaka", 10, ""},
        {"allEditfield1", "", "Osaka", 12, ""},
        {"allEditfield2", "", "Osaka", 12, ""},
        {"allEditfield3", "", "Osaka", 12, ""},
        {"allEditfield4", "", "Osaka", 12, ""},
        {"allEditfield5", "", "Osaka", 12, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        fw::Control* c = window->FindControl(r.name);
        std::string text;
        if (auto* t = dynamic_cast<fw::StaticText*>(c)) text = t->Text();
        if (auto* b = dynamic_cast<fw::BevelButton*>(c)) text = b->Caption();
        if (auto* b = dynamic_cast<fw::PushButton*>(c)) text = b->Caption();
        if (auto* b = dynamic_cast<fw::CheckBox*>(c)) text = b->Caption();
        if (auto* b = dynamic_cast<fw::RadioButton*>(c)) text = b->Caption();
        if (auto* f = dynamic_cast<fw::EditField*>(c)) text = f->Text();
        EXPECT_EQ(text, r.text);
        auto& rect = dynamic_cast<fw::RectControl&>(*c);
        EXPECT_EQ(rect.TextFont(), r.font);
        EXPECT_EQ(rect.TextSize(), r.size);
        EXPECT_EQ(rect.HelpTag(), r.help);
        const QFontInfo shown(rect.Widget()->font());
        if (r.size > 0) {
            EXPECT_EQ(shown.pixelSize(), r.size);
        }
        if (std::string(r.font) == "Osaka") {
            EXPECT_TRUE(
                QFontDatabase::writingSystems(shown.family()).contains(QFontDatabase::Japanese))
                << shown.family().toStdString();
        }
    }
}

// The window as it is right after opening.
TEST_F(ScrapWindowLayout, OpensOnTheGeneratorPageWithItsStartingValues) {
    EXPECT_EQ(window->ControlNamed<fw::PagePanel>("PagePanel1").Value(), 2);
    EXPECT_FALSE(window->p_DragCheck);
    EXPECT_EQ(window->p_urllistupcount, 0);
    ASSERT_NE(window->p_URLDic, nullptr);
    EXPECT_EQ(window->p_URLDic->Count(), 0);

    EXPECT_EQ(window->ControlNamed<fw::StaticText>("StaticText1").Text(), "リスト項目数: ");
    EXPECT_EQ(window->ControlNamed<SelListBox>("ListBox1").ListCount(), 0);
    EXPECT_FALSE(window->ControlNamed<SelListBox>("ListBox1").ForcusCheck);
    EXPECT_EQ(window->ControlNamed<SelListBox>("ListBox1").SelectionType(), 1);
    auto& editor = window->ControlNamed<urlEditfield>("EditField2");
    EXPECT_TRUE(editor.MultiLine());
    EXPECT_TRUE(editor.URL_OFF);
    EXPECT_EQ(editor.Text(), "");
    for (const char* name :
         {"allEditfield1", "allEditfield2", "allEditfield3", "allEditfield4", "allEditfield5"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(window->ControlNamed<allEditfield>(name).MultiLine());
        EXPECT_EQ(window->ControlNamed<allEditfield>(name).Text(), "");
    }
    auto& generate = window->ControlNamed<fw::PushButton>("PushButton2");
    EXPECT_FALSE(generate.Enabled());
    EXPECT_TRUE(generate.Default());
    EXPECT_FALSE(window->ControlNamed<fw::PushButton>("PushButton1").Default());
    EXPECT_TRUE(window->ControlNamed<fw::CheckBox>("CheckBox1").Value());
    EXPECT_TRUE(window->ControlNamed<fw::RadioButton>("RadioButton2").Value());
    EXPECT_FALSE(window->ControlNamed<fw::RadioButton>("RadioButton1").Value());

    auto& memo = window->ControlNamed<allEditfield>("EditField1");
    EXPECT_EQ(memo.SelStart(), 0);
    EXPECT_EQ(memo.SelLength(), 2);
    EXPECT_EQ(memo.SelText(), "メモ");

    EXPECT_TRUE(window->AcceptsTextDrop());
}

// The list shows its heading, lets rows be dragged out and reordered, and shows scroll bars
// only while they are needed.
TEST_F(ScrapWindowLayout, TheListHasItsHeadingAndSettings) {
    window->MP_KirikaeURLlist();
    fwtest::ProcessEvents();
    auto& list = window->ControlNamed<SelListBox>("ListBox1");
    QAbstractItemView* view = list.View();
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("URLリスト"));
    auto* heading = view->findChild<QHeaderView*>();
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->isVisible());
    EXPECT_EQ(view->model()->columnCount(), 1);
    EXPECT_TRUE(list.EnableDrag());
    EXPECT_TRUE(list.EnableDragReorder());
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(ScrapWindowLayout, BevelButtonsHaveTheirKindStateAndFace) {
    const struct {
        const char* name;
        int type;
        bool pressed;
        bool pressedFace;
    } buttons[] = {
        {"BevelButton3", 0, false, false},  {"BevelButton10", 0, false, false},
        {"BevelButton11", 0, false, false}, {"BevelButton1", 1, false, false},
        {"BevelButton2", 1, false, false},  {"BevelButton4", 1, true, true},
        {"BevelButton9", 0, false, false},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto& button = window->ControlNamed<fw::BevelButton>(b.name);
        EXPECT_EQ(button.ButtonType(), b.type);
        EXPECT_EQ(button.Value(), b.pressed);
        EXPECT_EQ(button.Icon(), b.pressedFace ? back2() : back());
        // A click on a page button leaves the keyboard where the user was typing.
        EXPECT_EQ(button.Widget()->focusPolicy(), Qt::NoFocus);
    }
}

// Each of the seven fields selects its own whole text on the Edit menu's Select All while it
// has the focus, although the item is named "menu_All" and the fields bind "menu_all". The memo
// field, outside the window, never takes the focus, so the command never reaches it.
TEST_F(ScrapWindowLayout, EveryEditFieldSelectsItsWholeTextFromTheMenu) {
    for (const char* name : {"EditField2", "allEditfield3", "allEditfield4", "allEditfield5",
                             "allEditfield1", "allEditfield2", "EditField1"}) {
        SCOPED_TRACE(name);
        auto& field = window->ControlNamed<allEditfield>(name);
        EXPECT_TRUE(field.MenuHandlers().Has("menu_all"));
        if (field.Panel())
            window->ControlNamed<fw::PagePanel>("PagePanel1").SetValue(field.PanelIndex());
        field.SetText("日本語のURL");
        field.SetSelStart(1);
        field.SetSelLength(0);
        field.SetFocus();
        fwtest::ProcessEvents();
        const bool seen = field.SeenByUser();
        EXPECT_EQ(field.HasFocus(), seen);
        fw::DispatchMenuCommand(*App::Instance()->GetMenuBar()->Lookup("menu_All"));
        EXPECT_EQ(field.SelStart(), seen ? 0 : 1);
        EXPECT_EQ(field.SelLength(), seen ? fw::Len("日本語のURL") : 0);
    }
}
