#pragma once

#include "engine/RenbanLimits.h"

// The URL list's caps (myglobal::kMaxListRows and kMaxListBytes) against the rows that come to
// it, counted together before any of them is added.
namespace ListCap {

using Figures = myglobal::renban::Figures;

enum class Passed { Neither, Rows, Bytes };

// The cap that rows adding up to `more` would pass if they joined the `held` ones.
Passed WouldPass(const Figures& held, const Figures& more);

}  // namespace ListCap
