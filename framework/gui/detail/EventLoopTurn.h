#pragma once

namespace fw::detail {

// The throttled turn installed into framework/core: pending events are processed when about
// 15 ms have passed since the last turn ended, or at once for DoEventsNow.
void ThrottledEventLoopTurn();

// The clock the turn reads, in milliseconds; nullptr puts back the coarse monotonic clock.
// Times of different clocks do not compare, so the next turn after a change processes events.
// Returns the clock it replaces (nullptr for the default). Tests step time through it.
using TurnClock = long long (*)();
TurnClock SetTurnClock(TurnClock clock);

// Work that has to be done before the event loop looks at anything (rows appended to lists
// announced to their views). Registered callbacks run at every turn and before painting.
class PendingWork {
public:
    virtual void RunPendingWork() = 0;
    void SchedulePendingWork();
    void CancelPendingWork();

protected:
    // Unregisters the work. Owners delete it through their own type; the destructor is
    // virtual anyway because g++'s -Wnon-virtual-dtor also counts protected ones.
    virtual ~PendingWork();

private:
    friend void RunAllPendingWork();
    bool scheduled_ = false;
};

void RunAllPendingWork();

}  // namespace fw::detail
