#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ShellFixture.h"
#include "window/urlEditfield.h"

namespace {

class UrlField : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window->MP_KirikaeEditor();
        Field().OnSelChange = [this] { events.push_back("SelChange"); };
        Field().OnURLClick = [this] { events.push_back("URLClick"); };
    }
    urlEditfield& Field() const { return window->ControlNamed<urlEditfield>("EditField2"); }
    // Puts a bare caret with `caret` characters before it, as code does.
    void PlaceCaret(const std::string& text, int caret) {
        Field().SetText(text);
        Field().SetSelStart(caret);
        fwtest::ProcessEvents();
    }
    // Clicks just left of the character at `position` (0-based): the caret goes before it.
    void ClickAt(int position) {
        QPlainTextEdit* edit = Field().PlainWidget();
        QTextCursor cursor(edit->document());
        cursor.setPosition(position);
        const QRect r = edit->cursorRect(cursor);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(r.left() + 1, r.center().y()));
        fwtest::ProcessEvents();
    }
    std::vector<std::string> events;
};

TEST_F(UrlField, TheMainWindowSwitchesRecognitionOff) {
    EXPECT_TRUE(Field().URL_OFF);
    fwtest::ShowURLRecorder opened;
    PlaceCaret("abc http://x.jp/ def", 13);
    Field().SetText("abc http://x.jp/ def");
    ClickAt(10);
    EXPECT_TRUE(opened.Urls().empty());
    EXPECT_EQ(Field().SelLength(), 0);
    EXPECT_FALSE(events.empty());
    for (const auto& e : events) EXPECT_EQ(e, "SelChange");
}

TEST_F(UrlField, ABareCaretInsideAUrlSelectsAndOpensIt) {
    Field().URL_OFF = false;
    struct Case {
        std::string text;
        int caret;
        std::optional<std::string> url;
        int selStart, selLength;
    };
    // 20 characters, the URL at 5 to 16 with spaces at 4 and 17.
    const std::string twenty = "abc http://x.jp/ def";
    const std::vector<Case> cases = {
        {twenty, 13, "http://x.jp/", 4, 12},
        {"http://a.b/c d", 3, "http://a.b/c", 0, 12},
        {"see http://e.f/gh", 15, "http://e.f/gh", 4, 13},
        {"see http://e.f/gh", 16, std::nullopt, 16, 0},
        {twenty, 16, std::nullopt, 16, 0},
        {twenty, 4, std::nullopt, 4, 0},
        {"xhttp://a.b/c d", 5, std::nullopt, 5, 0},
        {"日本http://a.b/c語", 7, "http://a.b/c", 2, 12},
        {"x https://s.t/u y", 9, "https://s.t/u", 2, 13},
        {"x ftp://h/p y", 4, "ftp://h/p", 2, 9},
        {"x mailto:a@b.c y", 4, "mailto:a@b.c", 2, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " @" + std::to_string(c.caret));
        fwtest::ShowURLRecorder opened;
        PlaceCaret("", 0);
        events.clear();
        PlaceCaret(c.text, c.caret);
        EXPECT_EQ(Field().SelStart(), c.selStart);
        EXPECT_EQ(Field().SelLength(), c.selLength);
        if (c.url) {
            EXPECT_EQ(opened.Urls(), std::vector<std::string>{*c.url});
            ASSERT_GE(events.size(), 2u);
            EXPECT_EQ(events[events.size() - 2], "URLClick");
            EXPECT_EQ(events.back(), "SelChange");
            EXPECT_EQ(std::count(events.begin(), events.end(), "URLClick"), 1);
        } else {
            EXPECT_TRUE(opened.Urls().empty());
            EXPECT_EQ(std::count(events.begin(), events.end(), "URLClick"), 0);
        }
    }
}

TEST_F(UrlField, AClickOpensOnceAndASelectionOpensNothing) {
    Field().URL_OFF = false;
    fwtest::ShowURLRecorder opened;
    Field().SetText("abc http://x.jp/ def");
    ClickAt(10);
    EXPECT_EQ(opened.Urls(), std::vector<std::string>{"http://x.jp/"});
    EXPECT_EQ(Field().SelStart(), 4);
    EXPECT_EQ(Field().SelLength(), 12);
    // From a caret before the URL, a selection extended into it opens nothing.
    ClickAt(4);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(Field().PlainWidget(), Qt::Key_Right, Qt::ShiftModifier);
    fwtest::ProcessEvents();
    EXPECT_EQ(Field().SelStart(), 4);
    EXPECT_EQ(Field().SelLength(), 5);
    EXPECT_EQ(opened.Urls().size(), 1u);
}

TEST_F(UrlField, FirstHttpRunIsMeasuredAndEndsRecognition) {
    Field().URL_OFF = false;
    Field().MP_URLiro("http://");
    EXPECT_EQ(Field().URL_iroStart, 0);
    EXPECT_EQ(Field().URL_iroLen, 6);
    EXPECT_FALSE(Field().URL_irocheck);

    Field().MP_URLiro("abcdhttp://x/y zzzz");
    EXPECT_EQ(Field().URL_iroStart, 4);
    EXPECT_EQ(Field().URL_iroLen, 10);
    EXPECT_TRUE(Field().URL_irocheck);

    fwtest::ShowURLRecorder opened;
    PlaceCaret("abc http://x.jp/ def", 13);
    EXPECT_TRUE(opened.Urls().empty());
    // The flag stays once set, also after a text without a run.
    Field().MP_URLiro("none");
    EXPECT_TRUE(Field().URL_irocheck);
}

TEST_F(UrlField, TextChangesPassThrough) {
    int changes = 0;
    Field().OnTextChange = [&] { ++changes; };
    Field().SetText("a");
    QTest::keyClicks(Field().PlainWidget(), QStringLiteral("bc"));
    fwtest::ProcessEvents();
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(Field().MP_URLkinsimojicheck("<"));
    EXPECT_FALSE(Field().MP_URLkinsimojicheck("a"));
}

}  // namespace
