#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "framework/core/EventLoop.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/StaticText.h"
#include "tests/support/ShellFixture.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"
#include "window/urlEditfield.h"

namespace {

class Extractor : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window->MP_KirikaeEditor();
    }
    SelListBox& List() const { return window->ControlNamed<SelListBox>("ListBox1"); }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < List().ListCount(); ++i) rows.push_back(List().List(i));
        return rows;
    }
    void Extract() {
        QTest::mouseClick(window->ControlNamed<fw::PushButton>("PushButton1").Widget(),
                          Qt::LeftButton);
        fwtest::ProcessEvents();
    }
};

TEST_F(Extractor, EveryHttpRunOfTheEditorBecomesARow) {
    struct Case {
        std::string text;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"nothing to find", {}},
        {"http://x/1.html, http://y/2\r", {"http://x/1.html", "http://y/2"}},
        {"http://a/b日本語", {"http://a/b"}},
        {"\"http://q/r\" <http://s/t> [http://u/v]", {"http://q/r", "http://s/t", "http://u/v]"}},
        {"end http://a/b.", {"http://a/b."}},
        {"HTTP://a Http://b https://c ftp://d", {}},
        {"http:// x", {"http://"}},
        {"last http://to/the/end", {"http://to/the/end"}},
        {"http://x/?u=http://y", {"http://x/?u=http://y"}},
        {"http://d/1 http://d/1", {"http://d/1", "http://d/1"}},
        // Line feeds typed into the editor are read as the system's CR.
        {"http://a\nhttp://b\r\nhttp://c", {"http://a", "http://b", "http://c"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fwtest::MsgBoxRecorder boxes;
        List().DeleteAllRows();
        window->MP_KirikaeEditor();
        window->ControlNamed<urlEditfield>("EditField2").SetText(c.text);
        Extract();
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(window->ControlNamed<fw::PagePanel>("PagePanel1").Value(), 0);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{ScrapWindowTexts::kExtractDone});
        EXPECT_EQ(window->p_urllistupcount, 0);
        // The editor keeps its text.
        EXPECT_EQ(window->ControlNamed<urlEditfield>("EditField2").Text().empty(), c.text.empty());
    }
}

TEST_F(Extractor, ExtractingTwiceAddsEveryRowAgain) {
    fwtest::MsgBoxRecorder boxes;
    window->MP_AddDownloadItem("kept");
    window->ControlNamed<urlEditfield>("EditField2").SetText("a http://1 b http://2");
    Extract();
    window->MP_KirikaeEditor();
    Extract();
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"kept", "http://1", "http://2", "http://1", "http://2"}));
    EXPECT_EQ(window->ControlNamed<fw::StaticText>("StaticText1").Text(),
              ScrapWindowTexts::kListCount + std::string("5"));
    EXPECT_EQ(boxes.Texts().size(), 2u);
}

// The user quits (closing the window does) while a long extraction gives the event loop its
// turns: the scan stops, and no finished extraction is reported on the way out.
TEST_F(Extractor, AQuitDuringTheScanEndsItWithoutAReport) {
    fwtest::MsgBoxRecorder boxes;
    {
        const fw::ScopedEventLoopTurn quitting([&] {
            if (List().ListCount() > 0) fw::Quit(0);
        });
        window->ControlNamed<urlEditfield>("EditField2").SetText("http://1 http://2 http://3");
        Extract();
    }
    EXPECT_EQ(Rows(), std::vector<std::string>{"http://1"});
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(window->ControlNamed<fw::PagePanel>("PagePanel1").Value(), 1);
    EXPECT_EQ(window->p_urllistupcount, 0);
    // The run-time forgets the quit when its loop runs again; later tests start afresh.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    fw::RuntimeRun();
    EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
