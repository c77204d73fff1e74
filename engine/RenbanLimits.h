#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "framework/core/Exceptions.h"

// What one expansion call may produce. Without a bound a single pattern ("x[1-2000000000]" or a
// few brackets multiplied) would hold the interface until memory runs out.
namespace myglobal {

// Entries one call of MG_MakeRenbanList (or of a pass, or of MG_RomaRenban) may give.
inline constexpr std::int64_t kMaxRenbanEntries = 10'000'000;

// Bytes of entry text one call may give. The entry cap alone does not bound memory: an entry is
// as long as its pattern, and a pattern can be a megabyte.
inline constexpr std::int64_t kMaxRenbanBytes = std::int64_t{1} << 30;

// Bytes of one entry: more than any browser takes as a URL. The byte cap alone lets one entry
// grow to hundreds of megabytes, which no control can show at once: a suffix starts after the
// first "]" of the text, so a pattern such as "]a[0-0][" followed by "[]"s doubles its entry at
// every pass.
inline constexpr std::int64_t kMaxRenbanEntryBytes = std::int64_t{2} << 20;

// What the URL list may hold: rows, and bytes of their text in all. A download list read line by
// line would otherwise grow until the system ends the program; as much as one expansion gives,
// so that any expansion fits an empty list.
inline constexpr std::int64_t kMaxListRows = kMaxRenbanEntries;
inline constexpr std::int64_t kMaxListBytes = kMaxRenbanBytes;

// A call refused before any of its entries were appended. what() is the Japanese reason shown
// on the second line of the message box.
class RenbanRefused : public fw::RuntimeException {
public:
    using fw::RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "RenbanRefused"; }
};

}  // namespace myglobal

namespace myglobal::renban {

// A figure too large for 64 bits: a few brackets multiply beyond any count.
inline constexpr std::int64_t kUncounted = std::numeric_limits<std::int64_t>::max();

// Sums and products of figures of 0 or more that stop at kUncounted instead of overflowing.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b);
std::int64_t SaturatingMul(std::int64_t a, std::int64_t b);

// Entries and the bytes of their texts, all together.
struct Figures {
    std::int64_t entries = 0;
    std::int64_t bytes = 0;

    Figures& operator+=(const Figures& other) {
        entries = SaturatingAdd(entries, other.entries);
        bytes = SaturatingAdd(bytes, other.bytes);
        return *this;
    }
};

// Throws RenbanRefused when a call would give more than the caps allow.
void CheckResult(const Figures& result);

// Throws RenbanRefused when the entries that the passes of a call build and replace again would
// be more than the caps allow: with ranges of one value or none they can outgrow the result
// many times over, and building them costs the time and memory that the caps are to bound.
void CheckOnTheWay(const Figures& replaced);

}  // namespace myglobal::renban
