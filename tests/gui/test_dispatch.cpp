#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "framework/core/EventLoop.h"
#include "framework/gui/PushButton.h"
#include "tests/gui/TestWindow.h"

namespace {

class DispatchTest : public GuiTest {};

TEST_F(DispatchTest, AnExceptionEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    struct Case {
        std::function<void()> fail;
        std::string name, what;
    };
    const std::vector<Case> cases = {
        {[] { throw fw::NilObjectException(); }, "NilObjectException", "missing object"},
        {[] { throw fw::OutOfBoundsException("row 9"); }, "OutOfBoundsException", "row 9"},
        {[] { throw std::length_error("too long"); }, "std::length_error", "too long"},
        {[] { throw 42; }, "unknown exception", ""},
    };
    fw::PushButton* button = nullptr;
    MakeWindow([&](TestWindow& tw) {
        button = tw.NewControl<fw::PushButton>("PushButton1");
        button->SetBounds(10, 10, 80, 20);
    });
    for (const Case& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        int after = 0;
        button->OnAction = [&] {
            c.fail();
            ++after;
        };
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        const std::string& text = boxes.Texts()[0];
        EXPECT_NE(text.find("class " + c.name + " "), std::string::npos) << text;
        EXPECT_NE(text.find(c.what), std::string::npos) << text;
        EXPECT_EQ(after, 0);
        // The next click is handled as usual.
        button->OnAction = [&] { ++after; };
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
        EXPECT_EQ(after, 1);
    }
}

TEST_F(DispatchTest, EventLoopTurnsAreThrottled) {
    int fired = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(0);
    // Many turns in quick succession process events at most once per interval.
    QElapsedTimer clock;
    clock.start();
    int turns = 0;
    while (clock.elapsed() < 100) {
        fw::DoEvents();
        ++turns;
    }
    EXPECT_GT(fired, 0);
    EXPECT_LT(fired, 100 / 10 + 2);
    EXPECT_GT(turns, 1000);
}

}  // namespace
