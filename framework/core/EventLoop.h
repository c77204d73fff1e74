#pragma once

#include <functional>
#include <utility>

// The turn that every long loop of the system gives the event loop. The GUI installs a
// throttled turn; without one (the pure layers and their tests) a turn does nothing.
namespace fw {

using EventLoopTurn = std::function<void()>;

namespace detail {
inline const EventLoopTurn* eventLoopTurn = nullptr;
inline int eventLoopTurnDepth = 0;
inline bool eventLoopTurnDue = false;
}  // namespace detail

// Installs a turn while it lives and then puts back the one it replaced. During a turn anything
// may happen, a loop started there installing a turn of its own included; since guards end in
// the reverse order of their start, as scopes do, every loop gets back the turn it began with,
// and a turn stays alive for as long as it is installed.
class ScopedEventLoopTurn {
public:
    explicit ScopedEventLoopTurn(EventLoopTurn turn)
        : turn_(std::move(turn)),
          previous_(std::exchange(detail::eventLoopTurn, turn_ ? &turn_ : nullptr)) {}
    ~ScopedEventLoopTurn() { detail::eventLoopTurn = previous_; }
    ScopedEventLoopTurn(const ScopedEventLoopTurn&) = delete;
    ScopedEventLoopTurn& operator=(const ScopedEventLoopTurn&) = delete;

private:
    EventLoopTurn turn_;
    const EventLoopTurn* previous_;
};

// How many turns are running, one inside another: code run by a turn (another event) sees one
// more than the loop that gave it, so it can tell its own doings from that loop's.
inline int EventLoopTurnDepth() {
    return detail::eventLoopTurnDepth;
}

inline void DoEvents() {
    const EventLoopTurn* turn = detail::eventLoopTurn;
    if (!turn) return;
    struct Deeper {
        Deeper() { ++detail::eventLoopTurnDepth; }
        ~Deeper() { --detail::eventLoopTurnDepth; }
    } deeper;
    (*turn)();
}

// A turn however little time has passed since the last: for a loop whose every step takes
// milliseconds, where waiting out the throttle would add a step or two to the window's wait.
inline void DoEventsNow() {
    detail::eventLoopTurnDue = true;
    DoEvents();
    detail::eventLoopTurnDue = false;
}

}  // namespace fw
