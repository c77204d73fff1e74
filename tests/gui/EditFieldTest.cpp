#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <optional>
#include <utility>

#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"
#include "framework/gui/Clipboard.h"
#include "framework/gui/EditField.h"
#include "framework/gui/PushButton.h"
#include "tests/gui/TestWindow.h"

namespace {

class EditFieldTest : public GuiTest {
protected:
    void SetUp() override {
        MakeWindow([&](TestWindow& tw) {
            single = tw.NewControl<fw::EditField>("allEditfield1");
            single->SetBounds(10, 10, 200, 22);
            multi = tw.NewControl<fw::EditField>("EditField2", fw::EditField::Lines::Multi);
            multi->SetBounds(10, 40, 200, 100);
            button = tw.NewControl<fw::PushButton>("PushButton2");
            button->SetBounds(10, 150, 100, 20);
            button->SetDefault(true);
            button->OnAction = [this] { ++pushes; };
        });
    }
    fw::EditField* single = nullptr;
    fw::EditField* multi = nullptr;
    fw::PushButton* button = nullptr;
    int pushes = 0;
};

TEST_F(EditFieldTest, SelectionsCountCharactersWhateverTheirBytes) {
    struct Case {
        std::string text;
        int start, length;
        std::string selected;
    };
    const std::vector<Case> cases = {
        {"日本語", 0, 3, "日本語"},
        {"日本語", 1, 1, "本"},
        {"aあ𠮷b", 2, 2, "𠮷b"},  // a character outside the BMP is one character
        {"行1\r行2", 2, 2, "\r行"},
    };
    for (fw::EditField* field : {single, multi}) {
        for (const Case& c : cases) {
            if (!field->MultiLine() && c.text.find('\r') != std::string::npos) continue;
            field->SetText(c.text);
            field->SetSelStart(c.start);
            field->SetSelLength(c.length);
            EXPECT_EQ(field->SelStart(), c.start) << c.text;
            EXPECT_EQ(field->SelLength(), c.length) << c.text;
            EXPECT_EQ(field->SelText(), c.selected) << c.text;
        }
        field->SetText("日本語");
        field->SetSelStart(3);
        field->SetSelText("です");
        EXPECT_EQ(field->Text(), "日本語です");
        EXPECT_EQ(field->SelStart(), 5);
    }
}

// Whether the field paints anything inside its frame in the colour of a selection.
bool PaintsSelection(const fw::EditField& field) {
    QWidget* widget = field.Widget();
    const QImage image = widget->grab().toImage();
    const QRgb highlight = widget->palette().color(QPalette::Highlight).rgb();
    const QRect inside = widget->rect().adjusted(4, 4, -4, -4);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixel(x, y) == highlight) return true;
        }
    }
    return false;
}

// The one-line field keeps its selection without the focus but shows it only with the focus.
TEST_F(EditFieldTest, SelectionStaysAsSetWhenTheFocusMovesOn) {
    single->SetText("メモ");
    single->SetFocus();
    single->SetSelStart(0);
    single->SetSelLength(2);
    EXPECT_TRUE(PaintsSelection(*single));
    multi->SetFocus();
    EXPECT_EQ(single->SelStart(), 0);
    EXPECT_EQ(single->SelLength(), 2);
    EXPECT_FALSE(PaintsSelection(*single));
    // Nor does a caret show: the field looks as it does with no selection.
    const QImage kept = single->Widget()->grab().toImage();
    single->SetSelLength(0);
    EXPECT_EQ(single->Widget()->grab().toImage(), kept);
    single->SetSelLength(2);
    multi->SetText("a𠮷b");
    multi->SetSelStart(1);
    multi->SetSelLength(2);
    single->SetFocus();
    EXPECT_EQ(multi->SelText(), "𠮷b");
    EXPECT_TRUE(PaintsSelection(*single));
}

// A long line draws only what is in view: its end looks as a short line holding that end does,
// text, selection and caret. The hidden start is 64 letters times a whole number, so the end's
// glyphs fall on the same fractions of a pixel.
TEST_F(EditFieldTest, ALongLineShowsItsEndAsAShortLineDoes) {
    const std::string start(64 * 70, 'x');
    const std::string end = "http://example.com/a/b?c=d&e=f#ghij/klmn/" + std::string(30, 'p');
    single->SetFocus();
    for (int selected : {12, static_cast<int>(end.size())}) {
        QImage shown[2];
        for (const std::string& line : {start + end, end}) {
            // Each line scrolls from the start, as the other does.
            single->SetText("");
            single->Widget()->grab();
            single->SetText(line);
            const int length = static_cast<int>(line.size());
            single->SetSelStart(length - selected);
            single->SetSelLength(selected);
            shown[line == end] = single->Widget()->grab().toImage();
        }
        EXPECT_EQ(shown[0], shown[1]) << selected;
    }
}

// Past its first few thousand, Qt sets each mark on a letter apart, half a letter wide in this
// font: a letter with 160,000 marks would take the line past its width's limit, and Qt leaves
// out the word that holds it. The field still shows the word, the letter cut as the letter with
// the 255 marks it keeps, the caret after it.
TEST_F(EditFieldTest, ALetterTooLongForQtsLineShowsCut) {
    single->SetBounds(10, 10, 200, 160);
    single->SetTextFont("Osaka");
    single->SetTextSize(128);
    single->SetFocus();
    QImage shown[2];
    for (int marks : {255, 160'000}) {
        std::string line = std::string(64 * 70, 'x') + "/ab";
        for (int mark = 0; mark < marks; ++mark) line += "\u0301";
        single->SetText(line);
        single->SetSelStart(64 * 70 + 3 + marks);
        shown[marks != 255] = single->Widget()->grab().toImage();
    }
    EXPECT_EQ(shown[0], shown[1]);
}

// The paint copies Qt's margins and its scroll, which Qt's own handlers read back: the field
// must look as Qt's line edit of the same font and geometry looks (both without the focus, whose
// frame differs), and a click must find the character under it in a scrolled line.
TEST_F(EditFieldTest, TheLineIsPlacedAsInQtsOwnLineEdit) {
    QLineEdit* field = single->LineWidget();
    QLineEdit stock(field->parentWidget());
    stock.setFont(field->font());
    stock.setGeometry(field->geometry());
    stock.show();
    multi->SetFocus();
    for (const char* text : {"http://x/[1-9]", "連番のURL", "\U0001F600 ok"}) {
        single->SetText(text);
        stock.setText(QString::fromUtf8(text));
        EXPECT_EQ(field->grab().toImage(), stock.grab().toImage()) << text;
    }
    // Short enough for Qt's draw, and long enough for the field's own.
    single->SetFocus();
    for (int length : {300, 6000}) {
        std::string line;
        while (line.size() < static_cast<std::size_t>(length)) line += "abcdefghij";
        single->SetText(line);
        single->SetSelStart(length);
        single->Widget()->grab();
        QTest::mouseClick(field, Qt::LeftButton, {},
                          QPoint(field->width() - 3, field->height() / 2));
        EXPECT_EQ(single->SelStart(), length);
    }
}

TEST_F(EditFieldTest, SelectionSetBeforeTheWindowShowsSurvivesTheShowing) {
    struct MemoWindow : TestWindow {
        void Event_Open() override {
            auto& memo = ControlNamed<fw::EditField>("EditField1");
            memo.SetSelStart(0);
            memo.SetSelLength(2);
        }
    };
    auto* w = new MemoWindow;
    w->build = [](TestWindow& tw) {
        auto* other = tw.NewControl<fw::EditField>("allEditfield2");
        other->SetBounds(10, 10, 100, 22);
        other->SetTabIndex(1);
        auto* memo = tw.NewControl<fw::EditField>("EditField1");
        memo->SetBounds(592, 20, 239, 22);
        memo->SetLocks(false, false, true, false);
        memo->SetTabIndex(4);
        memo->SetText("メモ");
    };
    w->Construct("MemoWindow");
    fwtest::ProcessEvents();
    auto& memo = w->ControlNamed<fw::EditField>("EditField1");
    EXPECT_EQ(memo.SelStart(), 0);
    EXPECT_EQ(memo.SelLength(), 2);
}

TEST_F(EditFieldTest, TextCrossesTheEdgeWithTheSystemsLineEnds) {
    multi->SetText("a\rb\rc");
    EXPECT_EQ(multi->PlainWidget()->toPlainText(), QStringLiteral("a\nb\nc"));
    EXPECT_EQ(multi->Text(), "a\rb\rc");
    multi->PlainWidget()->setPlainText(QStringLiteral("x\ny"));
    EXPECT_EQ(multi->Text(), "x\ry");
}

TEST_F(EditFieldTest, TextIsReadAndCopiedAsTheFieldHoldsIt) {
    // Only a multi-line field's own line breaks become CR; no-break spaces, U+2028, U+2029, tabs
    // and characters outside the BMP stay what they are, also on their way to the clipboard.
    const QString held = QString::fromUtf8("a\u00A0b\u2028c\td\U0001F600e\u2029g");
    const std::string heldUtf8 =
        "a\xC2\xA0"
        "b\xE2\x80\xA8"
        "c\td\xF0\x9F\x98\x80"
        "e\xE2\x80\xA9"
        "g";
    // Typed after the paste: a URL, the line end key given, another URL. Every key that ends a
    // line in the editor ends it in the text, also after a pasted U+2029.
    struct LineEnd {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    struct Case {
        fw::EditField* field;
        QString pasted;
        std::string text;
        std::optional<LineEnd> typed;
    };
    const LineEnd shiftReturn{Qt::Key_Return, Qt::ShiftModifier};
    const LineEnd shiftEnter{Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier};
    const std::string paragraph = "\xE2\x80\xA9";
    const std::vector<Case> cases = {
        {single, held, heldUtf8, {}},
        {multi, held + QStringLiteral("\nf"), heldUtf8 + "\rf", {}},
        {multi, QString(), "http://s/1\rhttp://s/2", shiftReturn},
        {multi, QString(QChar::ParagraphSeparator), paragraph + "http://s/1\rhttp://s/2",
         shiftReturn},
        {multi, QString(QChar::ParagraphSeparator), paragraph + "http://s/1\rhttp://s/2",
         shiftEnter},
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field->Name() + " " + c.text);
        c.field->SetText("");
        clipboard->setText(c.pasted);
        c.field->LineWidget() ? c.field->LineWidget()->paste() : c.field->PlainWidget()->paste();
        if (c.typed) {
            QTest::keyClicks(c.field->Widget(), QStringLiteral("http://s/1"));
            QTest::keyClick(c.field->Widget(), c.typed->key, c.typed->modifiers);
            QTest::keyClicks(c.field->Widget(), QStringLiteral("http://s/2"));
        }
        EXPECT_EQ(c.field->Text(), c.text);
        EXPECT_EQ(c.field->TextInPieces(), c.text);
        c.field->SetSelStart(0);
        c.field->SetSelLength(fw::Len(c.text));
        EXPECT_EQ(c.field->SelText(), c.text);
        clipboard->clear();
        c.field->LineWidget() ? c.field->LineWidget()->copy() : c.field->PlainWidget()->copy();
        EXPECT_EQ(clipboard->text(), QString::fromStdString(c.text).replace(u'\r', u'\n'));
        if (c.typed) continue;
        // A part that starts and ends inside runs of text.
        c.field->SetSelStart(2);
        c.field->SetSelLength(8);
        EXPECT_EQ(c.field->SelText(), heldUtf8.substr(3, 15));
        // The paste, lines and all, is one step to undo.
        c.field->LineWidget() ? c.field->LineWidget()->undo() : c.field->PlainWidget()->undo();
        EXPECT_EQ(c.field->Text(), "");
    }
}

TEST_F(EditFieldTest, TextInPiecesIsTheWholeTextAtOneMoment) {
    // Characters outside the BMP at every place, so that pieces end inside their pairs too, and
    // U+2029 and U+2028 all along, so that pieces end beside them.
    std::string text = "x";
    for (int i = 0; i < 100000; ++i) {
        text += i % 1000 == 999 ? "\r"
                : i % 7 == 3    ? "\xE2\x80\xA9"
                : i % 7 == 5    ? "\xE2\x80\xA8"
                                : "\xF0\xA0\xAE\xB7";
    }
    multi->SetText(text);
    // Compared whole, not printed: the text runs to 400 kB.
    EXPECT_TRUE(multi->TextInPieces() == text);
    // A change during a turn between two pieces starts the read again.
    fw::EditField* changed = multi;
    {
        const fw::ScopedEventLoopTurn typing([&] {
            if (changed) std::exchange(changed, nullptr)->AppendText("end");
        });
        EXPECT_TRUE(multi->TextInPieces() == text + "end");
    }
    EXPECT_EQ(changed, nullptr);
}

TEST_F(EditFieldTest, TextEmptyAgreesWithTheText) {
    const std::vector<std::string> texts = {"", "a", "\r", " ", "\r\r", "日本", "a\rb"};
    for (fw::EditField* f : {single, multi}) {
        for (const auto& t : texts) {
            f->SetText(t);
            EXPECT_EQ(f->TextEmpty(), f->Text().empty()) << f->Name() << " \"" << t << "\"";
        }
        f->SetText("x");
        f->SetSelStart(0);
        f->SetSelLength(1);
        f->SetSelText("");
        EXPECT_TRUE(f->TextEmpty()) << f->Name();
    }
}

TEST_F(EditFieldTest, SettingTextFromCodeRaisesTextChangeAsTypingDoes) {
    std::vector<std::string> seen;
    single->OnTextChange = [&] { seen.push_back(single->Text()); };
    single->SetText("x[1-3]y");
    single->SetText("x[1-3]y");  // the same text again still counts
    single->SetFocus();
    QTest::keyClicks(single->LineWidget(), QStringLiteral("z"));
    EXPECT_EQ(seen, (std::vector<std::string>{"x[1-3]y", "x[1-3]y", "x[1-3]yz"}));
}

TEST_F(EditFieldTest, AppendTextAddsAtTheEndWithoutMovingTheSelection) {
    for (fw::EditField* field : {single, multi}) {
        int changes = 0;
        field->OnTextChange = [&] { ++changes; };
        field->SetText("日本");
        field->SetSelStart(0);
        field->SetSelLength(1);
        changes = 0;
        field->AppendText(field->MultiLine() ? "語\rx" : "語x");
        EXPECT_EQ(field->Text(), field->MultiLine() ? "日本語\rx" : "日本語x");
        EXPECT_EQ(field->SelStart(), 0);
        EXPECT_EQ(field->SelLength(), 1);
        EXPECT_EQ(changes, 1);
    }
    EXPECT_FALSE(multi->PlainWidget()->document()->isUndoAvailable());
}

TEST_F(EditFieldTest, ReturnGoesToKeyDownFirstThenToTheDefaultButton) {
    bool consume = true;
    std::vector<std::string> keys;
    single->OnKeyDown = [&](const std::string& key) {
        keys.push_back(key);
        return consume;
    };
    single->SetFocus();
    QTest::keyClick(single->LineWidget(), Qt::Key_Return);
    EXPECT_EQ(pushes, 0);
    consume = false;
    QTest::keyClick(single->LineWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pushes, 1);
    EXPECT_EQ(keys, (std::vector<std::string>{"\r", "\x03"}));
    // In a multi-line field Return is a new line, with Shift as well, after KeyDown saw it.
    multi->OnKeyDown = single->OnKeyDown;
    multi->SetFocus();
    keys.clear();
    QTest::keyClick(multi->PlainWidget(), Qt::Key_Return);
    QTest::keyClick(multi->PlainWidget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(pushes, 1);
    EXPECT_EQ(keys, (std::vector<std::string>{"\r", "\r"}));
    EXPECT_EQ(multi->Text(), "\r\r");
}

TEST_F(EditFieldTest, FocusEventsFollowTheFocusAndOpeningMenusDoNotCount) {
    std::vector<std::string> seen;
    single->OnGotFocus = [&] { seen.push_back("single+"); };
    single->OnLostFocus = [&] { seen.push_back("single-"); };
    multi->OnGotFocus = [&] { seen.push_back("multi+"); };
    multi->OnLostFocus = [&] { seen.push_back("multi-"); };
    multi->SetFocus();
    single->SetFocus();
    seen.clear();
    multi->SetFocus();
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(multi->Widget(), &popupOut);
    single->SetFocus();
    EXPECT_EQ(seen, (std::vector<std::string>{"single-", "multi+", "multi-", "single+"}));
}

TEST_F(EditFieldTest, AKeyThatKeyDownConsumesNeverReachesTheField) {
    single->OnKeyDown = [](const std::string& key) { return key == "x"; };
    single->SetFocus();
    QTest::keyClicks(single->LineWidget(), QStringLiteral("axb"));
    EXPECT_EQ(single->Text(), "ab");
}

TEST_F(EditFieldTest, SelChangeIsRaisedOnceForEachNewCaretOrSelection) {
    single->SetText("http://x/ y");
    int changes = 0;
    single->OnSelChange = [&] { ++changes; };
    single->SetSelStart(3);
    single->SetSelStart(3);
    single->SetSelLength(2);
    EXPECT_EQ(changes, 2);
}

TEST_F(EditFieldTest, ClipboardTranslatesLineEndsBothWays) {
    fw::Clipboard clipboard;
    clipboard.SetText("a\rb");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\nb"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny\nz"));
    EXPECT_TRUE(clipboard.TextAvailable());
    EXPECT_EQ(clipboard.Text(), "x\ry\rz");
    // Only line ends are translated: a line separator is a character of the text.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("a\u2028b\u00A0c"));
    EXPECT_EQ(clipboard.Text(),
              "a\xE2\x80\xA8"
              "b\xC2\xA0"
              "c");
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(clipboard.TextAvailable());
}

}  // namespace
