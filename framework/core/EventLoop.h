#pragma once

#include <utility>

// The turn that every long loop of the system gives the event loop. The GUI installs a
// throttled turn; without one (the pure layers and their tests) a turn does nothing.
namespace fw {

using EventLoopTurn = void (*)();

namespace detail {
inline EventLoopTurn eventLoopTurn = nullptr;
}

// Installs a turn and returns the one it replaces.
inline EventLoopTurn SetEventLoopTurn(EventLoopTurn turn) {
    return std::exchange(detail::eventLoopTurn, turn);
}

inline void DoEvents() {
    if (detail::eventLoopTurn) detail::eventLoopTurn();
}

}  // namespace fw
