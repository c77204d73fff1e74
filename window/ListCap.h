#pragma once

#include "engine/RenbanLimits.h"

// The URL list's caps (myglobal::kMaxListRows and kMaxListBytes) against the rows that come to
// it, counted together before any of them is added.
namespace ListCap {

using Figures = myglobal::renban::Figures;

enum class Passed { Neither, Rows, Bytes };

// The cap that rows adding up to `more` would pass if they joined the `held` ones. Asked for
// every row added, so compared with the room left: of figures of 0 or more, that cannot overflow.
inline Passed WouldPass(const Figures& held, const Figures& more) {
    if (more.entries > myglobal::kMaxListRows - held.entries) return Passed::Rows;
    if (more.bytes > myglobal::kMaxListBytes - held.bytes) return Passed::Bytes;
    return Passed::Neither;
}

}  // namespace ListCap
