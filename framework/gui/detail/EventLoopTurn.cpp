#include "framework/gui/detail/EventLoopTurn.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

#include "framework/core/EventLoop.h"

namespace fw::detail {
namespace {

constexpr long long kTurnIntervalMs = 15;

// The coarse clock costs a few nanoseconds, which keeps a turn that has nothing to do cheap.
long long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

TurnClock turnClock = nullptr;

long long Now() {
    return turnClock ? turnClock() : NowMs();
}

long long lastTurnEnd = 0;
std::vector<PendingWork*>& Pending() {
    static std::vector<PendingWork*> pending;
    return pending;
}
bool flushPosted = false;

}  // namespace

void RunAllPendingWork() {
    flushPosted = false;
    auto& pending = Pending();
    while (!pending.empty()) {
        std::vector<PendingWork*> batch;
        batch.swap(pending);
        for (PendingWork* work : batch) {
            work->scheduled_ = false;
            work->RunPendingWork();
        }
    }
}

void PendingWork::SchedulePendingWork() {
    if (scheduled_) return;
    scheduled_ = true;
    Pending().push_back(this);
    // Runs as soon as the code that queued the work has given control back to the loop.
    if (!flushPosted && QCoreApplication::instance()) {
        flushPosted = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [] { RunAllPendingWork(); });
    }
}

void PendingWork::CancelPendingWork() {
    if (!scheduled_) return;
    auto& pending = Pending();
    pending.erase(std::remove(pending.begin(), pending.end(), this), pending.end());
    scheduled_ = false;
}

PendingWork::~PendingWork() {
    CancelPendingWork();
}

TurnClock SetTurnClock(TurnClock clock) {
    lastTurnEnd = 0;
    return std::exchange(turnClock, clock);
}

void ThrottledEventLoopTurn() {
    const long long now = Now();
    const bool due = std::exchange(eventLoopTurnDue, false);
    if (!due && now - lastTurnEnd < kTurnIntervalMs) return;
    RunAllPendingWork();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    lastTurnEnd = Now();
}

}  // namespace fw::detail
