#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuTexts.h"
#include "framework/gui/Application.h"
#include "framework/gui/Menu.h"
#include "tests/support/ShellFixture.h"
#include "window/EditCMenu.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace {

using Rows = std::vector<std::string>;

class EditMenu : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window->MP_KirikaeEditor();
    }
    urlEditfield& Editor() const { return window->ControlNamed<urlEditfield>("EditField2"); }
    allEditfield& Memo() const { return window->ControlNamed<allEditfield>("EditField1"); }
    EditCMenu& Menu() const { return window->ControlNamed<EditCMenu>("EditCMenu1"); }
    fw::MenuItem& SelectAllItem() const {
        return *fw::GetAppObject()->GetMenuBar()->Lookup("menu_All");
    }

    // Where a click on the field lands: the editor's text area, or the memo line itself.
    static QWidget* ClickTarget(fw::EditField& f) {
        return f.PlainWidget() ? f.PlainWidget()->viewport() : f.Widget();
    }
    static void SetClipboard(const std::optional<std::string>& text) {
        if (text)
            QApplication::clipboard()->setText(QString::fromStdString(*text));
        else
            QApplication::clipboard()->clear();
    }
    static std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }
    static void Select(fw::EditField& f, int start, int length) {
        f.SetSelStart(start);
        f.SetSelLength(length);
    }
    // A contextual click with a chooser that picks `choice`; returns the rows offered.
    Rows RightClick(fw::EditField& f, std::optional<std::string> choice = std::nullopt) {
        fwtest::ContextMenuChooser chooser(std::move(choice));
        fwtest::RightClick(ClickTarget(f), QPoint(4, 4));
        fwtest::ProcessEvents();
        EXPECT_EQ(chooser.Menus().size(), 1u);
        return chooser.Menus().empty() ? Rows{"<no menu>"} : chooser.Menus()[0];
    }
};

TEST_F(EditMenu, RowsFollowTheStateOfTheField) {
    const std::string cut = MenuTexts::kCut, copy = MenuTexts::kCopy, paste = MenuTexts::kPaste,
                      clear = MenuTexts::kClear, all = MenuTexts::kSelectAll, sep = "-";
    struct Case {
        bool readOnly;
        std::string text;
        int selLength;  // of a selection from the start
        bool clipboardText;
        Rows rows;
    };
    const std::vector<Case> cases = {
        {false, "abc", 2, true, {cut, copy, paste, clear, sep, all}},
        {false, "abc", 2, false, {cut, copy, clear, sep, all}},
        {false, "abc", 0, true, {paste, sep, all}},
        {false, "abc", 0, false, {all}},
        {false, "", 0, true, {paste}},
        {false, "", 0, false, {}},
        {true, "abc", 2, true, {copy, sep, all}},
        {true, "abc", 2, false, {copy, sep, all}},
        {true, "abc", 0, true, {all}},
        {true, "", 0, true, {}},
        {true, "", 0, false, {}},
    };
    for (fw::EditField* f :
         {static_cast<fw::EditField*>(&Editor()), static_cast<fw::EditField*>(&Memo())}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(f->Name() + " \"" + c.text + "\" sel " + std::to_string(c.selLength) +
                         (c.readOnly ? " read-only" : "") + (c.clipboardText ? " clip" : ""));
            f->SetReadOnly(c.readOnly);
            f->SetText(c.text);
            Select(*f, 0, c.selLength);
            SetClipboard(c.clipboardText ? std::optional<std::string>("clip") : std::nullopt);
            EXPECT_EQ(RightClick(*f), c.rows);
            EXPECT_EQ(Menu().CMEditfield, f);
            EXPECT_EQ(f->Text(), c.text);
        }
        f->SetReadOnly(false);
    }
}

TEST_F(EditMenu, APlainClickOpensNoMenuAndPlacesTheCaret) {
    fwtest::ContextMenuChooser chooser(std::nullopt);
    Editor().SetText("some text");
    Select(Editor(), 0, 9);
    RightClick(Memo());
    const Rows before = Menu().Rows();
    QTest::mouseClick(ClickTarget(Editor()), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    fwtest::ProcessEvents();
    EXPECT_TRUE(chooser.Menus().empty());
    EXPECT_EQ(Editor().SelLength(), 0);
    // The menu keeps its rows and its field.
    EXPECT_EQ(Menu().Rows(), before);
    EXPECT_EQ(Menu().CMEditfield, &Memo());
}

// The menu takes the release of the press that opened it: after "全てを選択" the next click in
// the text is the user's own and places the caret.
TEST_F(EditMenu, AClickAfterTheMenuPlacesTheCaret) {
    Editor().SetText("some text");
    fwtest::ContextMenuChooser chooser(MenuTexts::kSelectAll);
    fwtest::RightPress(ClickTarget(Editor()), QPoint(4, 4));
    ASSERT_EQ(Editor().SelLength(), 9);
    QTest::mouseClick(ClickTarget(Editor()), Qt::LeftButton, Qt::NoModifier, QPoint(1, 4));
    EXPECT_EQ(Editor().SelLength(), 0);
    EXPECT_EQ(Editor().SelStart(), 0);
}

// The Menu key and Shift+F10 on the focused editor open the menu a right click opens.
TEST_F(EditMenu, TheMenuKeyOpensTheEditMenu) {
    Editor().SetText("abc");
    Select(Editor(), 0, 2);
    SetClipboard(std::nullopt);
    Editor().SetFocus();
    fwtest::ContextMenuChooser chooser(std::nullopt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    const Rows rows = {MenuTexts::kCut, MenuTexts::kCopy, MenuTexts::kClear, "-",
                       MenuTexts::kSelectAll};
    EXPECT_EQ(chooser.Menus(), (std::vector<Rows>{rows, rows}));
    EXPECT_EQ(Menu().CMEditfield, &Editor());
}

// The generator's fields have no context menu, neither the system's nor Qt's own.
TEST_F(EditMenu, TheGeneratorFieldsOpenNoMenu) {
    window->MP_KirikaeGenerator();
    fwtest::ContextMenuChooser chooser(std::nullopt);
    for (const char* name :
         {"allEditfield1", "allEditfield2", "allEditfield3", "allEditfield4", "allEditfield5"}) {
        auto& field = window->ControlNamed<allEditfield>(name);
        field.SetText("abc");
        fwtest::RightClick(field.Widget(), QPoint(4, 4));
        field.SetFocus();
        QTest::keyClick(field.Widget(), Qt::Key_Menu);
        QTest::keyClick(field.Widget(), Qt::Key_F10, Qt::ShiftModifier);
        // What the window system sends besides the Menu key.
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                  field.Widget()->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field.Widget(), &request);
        fwtest::ProcessEvents();
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, nullptr) << name;
        if (popup) popup->close();
        EXPECT_EQ(field.Text(), "abc") << name;
    }
    EXPECT_TRUE(chooser.Menus().empty());
}

TEST_F(EditMenu, Commands) {
    struct Case {
        std::string command;
        int selStart, selLength;
        std::string textAfter;
        int selStartAfter, selLengthAfter;
        std::string clipboardAfter;
    };
    // Each starts from "abcdef" with "XY" on the clipboard.
    const std::vector<Case> cases = {
        {MenuTexts::kCopy, 2, 2, "abcdef", 2, 2, "cd"},
        {MenuTexts::kCut, 2, 2, "abef", 2, 0, "cd"},
        {MenuTexts::kPaste, 3, 0, "abcXYdef", 8, 0, "XY"},
        {MenuTexts::kPaste, 1, 2, "aXYdef", 6, 0, "XY"},
        {MenuTexts::kClear, 2, 2, "abef", 2, 0, "XY"},
        {MenuTexts::kSelectAll, 3, 0, "abcdef", 0, 6, "XY"},
    };
    for (fw::EditField* f :
         {static_cast<fw::EditField*>(&Editor()), static_cast<fw::EditField*>(&Memo())}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(f->Name() + " " + c.command);
            f->SetText("abcdef");
            Select(*f, c.selStart, c.selLength);
            SetClipboard("XY");
            RightClick(*f, c.command);
            EXPECT_EQ(f->Text(), c.textAfter);
            EXPECT_EQ(f->SelStart(), c.selStartAfter);
            EXPECT_EQ(f->SelLength(), c.selLengthAfter);
            EXPECT_EQ(Clipboard(), c.clipboardAfter);
        }
    }
}

TEST_F(EditMenu, CommandsChosenWhereTheMenuDoesNotOfferThem) {
    Memo().SetText("whole");
    Select(Memo(), 5, 0);
    Menu().CMEditfield = &Memo();
    // Copy without a selection copies the whole text.
    Menu().Event_Action(MenuTexts::kCopy);
    EXPECT_EQ(Clipboard(), "whole");
    // Clear leaves a read-only field alone; a text that is no command does nothing.
    Memo().SetReadOnly(true);
    Select(Memo(), 0, 5);
    Menu().Event_Action(MenuTexts::kClear);
    Menu().Event_Action("クリア ");
    Menu().Event_Action("Copy");
    EXPECT_EQ(Memo().Text(), "whole");
    EXPECT_EQ(Clipboard(), "whole");
}

TEST_F(EditMenu, SelectAllCountsCharacters) {
    // Three Japanese characters, nine bytes.
    const std::string text = "日本語";
    for (fw::EditField* f :
         {static_cast<fw::EditField*>(&Editor()), static_cast<fw::EditField*>(&Memo())}) {
        SCOPED_TRACE(f->Name());
        f->SetText(text);
        Select(*f, 1, 0);
        RightClick(*f, MenuTexts::kSelectAll);
        EXPECT_EQ(f->SelStart(), 0);
        EXPECT_EQ(f->SelLength(), 3);
        EXPECT_EQ(f->SelText(), text);
        // A paste leaves the caret after the last character.
        SetClipboard("かな");
        Select(*f, 1, 0);
        RightClick(*f, MenuTexts::kPaste);
        EXPECT_EQ(f->Text(), "日かな本語");
        EXPECT_EQ(f->SelStart(), 5);
    }
}

TEST_F(EditMenu, SelectAllFromTheMenuBar) {
    auto& f = window->ControlNamed<allEditfield>("allEditfield2");
    window->MP_KirikaeGenerator();
    f.SetText("ａｂｃ");  // three full-width letters, nine bytes
    f.SetFocus();
    fwtest::ProcessEvents();
    ASSERT_TRUE(f.sentaku);
    fw::DispatchMenuCommand(SelectAllItem());
    EXPECT_EQ(f.SelStart(), 0);
    EXPECT_EQ(f.SelLength(), 3);
    // The handler passes the command on.
    EXPECT_FALSE(f.menu_all_Action());
}

TEST_F(EditMenu, FocusedFieldEnablesSelectAllByItsText) {
    auto& f = window->ControlNamed<allEditfield>("allEditfield3");
    window->MP_KirikaeGenerator();
    int gained = 0, lost = 0;
    f.OnMyGotFocus = [&] { ++gained; };
    f.OnMyLostFocus = [&] { ++lost; };
    EXPECT_FALSE(f.sentaku);
    f.SetFocus();
    fwtest::ProcessEvents();
    EXPECT_TRUE(f.sentaku);
    EXPECT_EQ(gained, 1);

    fw::RunMenuEnablingPass();
    EXPECT_FALSE(SelectAllItem().Enabled());
    QTest::keyClicks(f.Widget(), QStringLiteral("7"));
    fw::RunMenuEnablingPass();
    EXPECT_TRUE(SelectAllItem().Enabled());

    // Once the focus has gone, the field leaves the item as others set it.
    auto& other = window->ControlNamed<allEditfield>("allEditfield4");
    other.SetFocus();
    fwtest::ProcessEvents();
    EXPECT_FALSE(f.sentaku);
    EXPECT_TRUE(other.sentaku);
    EXPECT_EQ(lost, 1);
    for (bool state : {true, false}) {
        SelectAllItem().SetEnabled(state);
        f.Event_EnableMenuItems();
        EXPECT_EQ(SelectAllItem().Enabled(), state);
    }
}

}  // namespace
