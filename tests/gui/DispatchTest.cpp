#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include "framework/core/EventLoop.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/detail/EventLoopTurn.h"
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

// Counts the events posted to it; each may keep the turn busy for a while.
class EventCounter : public QObject {
public:
    int delivered = 0;
    long long busyMs = 0;
    long long* clock = nullptr;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++delivered;
        *clock += busyMs;
        return true;
    }
};

long long turnNow = 0;

// A turn processes pending events only once 15 ms have passed since the last turn that did
// ended; the turns in between only read the clock. Time is stepped by hand.
TEST_F(DispatchTest, EventLoopTurnsAreThrottled) {
    const struct {
        long long at;
        long long busy;  // how long the events the turn processes keep it
        bool processes;
    } turns[] = {
        {1000, 0, true},  // the first turn on a new clock
        {1000, 0, false}, {1001, 0, false}, {1014, 0, false},
        {1015, 0, true},  // 15 ms after the last turn ended
        {1029, 0, false}, {1030, 0, true},  {5000, 10, true},
        {5020, 0, false},  // 20 ms after the turn began, but only 10 after it ended
        {5024, 0, false}, {5025, 0, true},
    };
    const auto previous = fw::detail::SetTurnClock([] { return turnNow; });
    EventCounter counter;
    counter.clock = &turnNow;
    for (const auto& t : turns) {
        SCOPED_TRACE(t.at);
        turnNow = t.at;
        counter.delivered = 0;
        counter.busyMs = t.busy;
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        fw::DoEvents();
        EXPECT_EQ(counter.delivered, t.processes ? 1 : 0);
        // An event a turn left waits for the next one that processes; each row posts its own.
        QCoreApplication::removePostedEvents(&counter);
    }
    fw::detail::SetTurnClock(previous);
}

}  // namespace
