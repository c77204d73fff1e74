#include "window/ListCap.h"

namespace ListCap {

Passed WouldPass(const Figures& held, const Figures& more) {
    Figures after = held;
    after += more;
    if (after.entries > myglobal::kMaxListRows) return Passed::Rows;
    if (after.bytes > myglobal::kMaxListBytes) return Passed::Bytes;
    return Passed::Neither;
}

}  // namespace ListCap
