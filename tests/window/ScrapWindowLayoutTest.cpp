#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <map>
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
constexpr int kNotPlaced = -2;

// The main window's controls in creation order.
const std::vector<std::string> kCreationOrder = {
    "PagePanel1",    "ListBox1",      "StaticText1",   "EditField2",    "BevelButton3",
    "PushButton1",   "StaticText3",   "StaticText4",   "StaticText5",   "StaticText6",
    "StaticText7",   "StaticText8",   "StaticText9",   "StaticText10",  "StaticText11",
    "StaticText12",  "Separator1",    "allEditfield3", "allEditfield4", "CheckBox1",
    "allEditfield5", "allEditfield1", "PushButton2",   "allEditfield2", "BevelButton10",
    "RadioButton1",  "RadioButton2",  "StaticText13",  "BevelButton11", "StaticText14",
    "BevelButton1",  "BevelButton2",  "EditField1",    "EditCMenu1",    "ContextualMenu1",
    "BevelButton4",  "BevelButton9"};

// Where they stand, each group in creation order: the pages of PagePanel1, the window itself,
// and no place at all for the two contextual menus.
const std::map<int, std::vector<std::string>> kWhere = {
    {0, {"ListBox1", "StaticText1", "BevelButton10"}},
    {1, {"EditField2", "BevelButton3", "PushButton1", "BevelButton11"}},
    {2, {"StaticText3",   "StaticText4",   "StaticText5",   "StaticText6",  "StaticText7",
         "StaticText8",   "StaticText9",   "StaticText10",  "StaticText11", "StaticText12",
         "Separator1",    "allEditfield3", "allEditfield4", "CheckBox1",    "allEditfield5",
         "allEditfield1", "PushButton2",   "allEditfield2", "RadioButton1", "RadioButton2",
         "StaticText13",  "StaticText14"}},
    {kWindow,
     {"PagePanel1", "BevelButton1", "BevelButton2", "EditField1", "BevelButton4", "BevelButton9"}},
    {kNotPlaced, {"EditCMenu1", "ContextualMenu1"}},
};

std::vector<fw::RectControl*> Placed(const fw::Window& w) {
    std::vector<fw::RectControl*> placed;
    for (const auto& c : w.Controls()) {
        if (auto* rect = dynamic_cast<fw::RectControl*>(c.get())) placed.push_back(rect);
    }
    return placed;
}

QRect Bounds(const fw::RectControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// The control's place as the toolkit shows it, in the content area's coordinates.
QRect OnScreen(fw::Window& w, const fw::RectControl& c) {
    QWidget* widget = c.Widget();
    return {widget->mapTo(w.Content(), QPoint(0, 0)), widget->size()};
}

// Where the edge locks put a control that stood at r once the content area has changed by
// dw x dh: locked right it follows the right edge, stretching when also locked left; the same
// for the bottom; otherwise it stays.
QRect Locked(const fw::RectControl& c, QRect r, int dw, int dh) {
    if (c.LockRight()) r.adjust(c.LockLeft() ? 0 : dw, 0, dw, 0);
    if (c.LockBottom()) r.adjust(0, c.LockTop() ? 0 : dh, 0, dh);
    return r;
}

// Every control inside the window, one on a page inside the panel too (the panel itself
// overhangs the window's sides a little); the memo field and the registration button wholly
// right of it.
void ExpectEveryControlInside(fw::Window& w) {
    const QRect window(0, 0, w.Width(), w.Height());
    const QRect panel = Bounds(w.ControlNamed<fw::PagePanel>("PagePanel1")) & window;
    for (fw::RectControl* c : Placed(w)) {
        SCOPED_TRACE(c->Name());
        if (c->Name() == "PagePanel1") continue;
        if (c->Name() == "EditField1" || c->Name() == "BevelButton9") {
            EXPECT_GE(c->Left(), w.Width());
        } else {
            EXPECT_TRUE((c->Panel() ? panel : window).contains(Bounds(*c)));
        }
    }
}

// Whether a comes before b as the eye reads: a row above, or further left in the same row.
bool ReadsBefore(const QRect& a, const QRect& b) {
    if (a.top() + a.height() <= b.top()) return true;
    return a.top() < b.top() + b.height() && a.left() < b.left();
}

using ScrapWindowLayout = ShellTest;

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
    auto& panel = window->ControlNamed<fw::PagePanel>("PagePanel1");
    EXPECT_EQ(panel.PageCount(), 3);
    std::vector<std::string> order;
    std::map<int, std::vector<std::string>> where;
    for (const auto& control : window->Controls()) {
        order.push_back(control->Name());
        auto* rect = dynamic_cast<fw::RectControl*>(control.get());
        if (rect && rect->Panel()) {
            EXPECT_EQ(rect->Panel(), &panel) << rect->Name();
        }
        const int page = !rect ? kNotPlaced : rect->Panel() ? rect->PanelIndex() : kWindow;
        where[page].push_back(control->Name());
    }
    EXPECT_EQ(order, kCreationOrder);
    EXPECT_EQ(where, kWhere);
}

// From the opening size to the minimum, below it (the window stops at the minimum), larger
// and back: the locked controls follow the edges, the others keep their places, every control
// stays inside the window and the toolkit shows each where the control says it is, the
// controls of hidden pages included.
TEST_F(ScrapWindowLayout, TheEdgeLocksKeepEveryControlInsideAtEverySize) {
    const std::vector<fw::RectControl*> placed = Placed(*window);
    std::vector<QRect> opening;
    for (fw::RectControl* c : placed) opening.push_back(Bounds(*c));
    ExpectEveryControlInside(*window);
    // The list and the editor fill their pages: their margins to the panel never change.
    const auto margins = [&](const char* name) {
        const QRect page = Bounds(window->ControlNamed<fw::PagePanel>("PagePanel1"));
        const QRect field = Bounds(window->ControlNamed<fw::RectControl>(name));
        return QMargins(field.left() - page.left(), field.top() - page.top(),
                        page.right() - field.right(), page.bottom() - field.bottom());
    };
    const QMargins listMargins = margins("ListBox1"), editorMargins = margins("EditField2");

    const struct {
        int width, height, shownWidth, shownHeight;
    } sizes[] = {
        {400, 350, 400, 350}, {300, 200, 400, 350}, {800, 600, 800, 600}, {519, 369, 519, 369}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        window->SetSize(size.width, size.height);
        fwtest::ProcessEvents();
        ASSERT_EQ(window->Width(), size.shownWidth);
        ASSERT_EQ(window->Height(), size.shownHeight);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE(placed[i]->Name());
            const QRect expected =
                Locked(*placed[i], opening[i], size.shownWidth - 519, size.shownHeight - 369);
            EXPECT_EQ(Bounds(*placed[i]), expected);
            EXPECT_EQ(OnScreen(*window, *placed[i]), expected);
        }
        ExpectEveryControlInside(*window);
        EXPECT_EQ(margins("ListBox1"), listMargins);
        EXPECT_EQ(margins("EditField2"), editorMargins);
    }
}

// On the window and on each page no two controls share a tab index, and the controls the
// keyboard can reach come in it as the eye reads them: row by row from the top, left to right
// within a row.
TEST_F(ScrapWindowLayout, TabIndicesAreUniqueAndInReadingOrderOnEachPage) {
    std::map<int, std::vector<fw::RectControl*>> pages;
    for (fw::RectControl* c : Placed(*window))
        pages[c->Panel() ? c->PanelIndex() : kWindow].push_back(c);
    const QRect content(0, 0, window->Width(), window->Height());
    for (auto& [page, controls] : pages) {
        SCOPED_TRACE(page);
        std::stable_sort(controls.begin(), controls.end(),
                         [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
        const fw::RectControl* previous = nullptr;
        const fw::RectControl* reachable = nullptr;
        for (const fw::RectControl* c : controls) {
            if (previous) {
                EXPECT_NE(previous->TabIndex(), c->TabIndex())
                    << previous->Name() << ", " << c->Name();
            }
            previous = c;
            if (!c->TakesFocus() || !content.contains(Bounds(*c))) continue;
            if (reachable) {
                EXPECT_TRUE(ReadsBefore(Bounds(*reachable), Bounds(*c)))
                    << reachable->Name() << " before " << c->Name();
            }
            reachable = c;
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
