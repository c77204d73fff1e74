#pragma once

#include <cstdint>
#include <string>

#include "framework/core/Exceptions.h"

// What one expansion call may produce. Without a bound a single pattern ("x[1-2000000000]" or a
// few brackets multiplied) would hold the interface until memory runs out.
namespace myglobal {

// Entries one call of MG_MakeRenbanList (or of a pass, or of MG_RomaRenban) may append,
// counting the intermediate entries of several brackets.
inline constexpr std::int64_t kMaxRenbanEntries = 10'000'000;

// Bytes of entry text one call may append. The entry cap alone does not bound memory: an entry
// is as long as its pattern, and a pattern can be a megabyte.
inline constexpr std::int64_t kMaxRenbanBytes = std::int64_t{1} << 30;

// Bytes of one entry: more than any browser takes as a URL. The byte cap alone lets one entry
// grow to hundreds of megabytes, which no control can show at once: a suffix starts after the
// first "]" of the text, so a pattern such as "]a[0-0][" followed by "[]"s doubles its entry at
// every pass.
inline constexpr std::int64_t kMaxRenbanEntryBytes = std::int64_t{2} << 20;

// A range refused before any of its entries were appended. what() is the Japanese reason shown
// on the second line of the message box.
class RenbanRefused : public fw::RuntimeException {
public:
    using fw::RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "RenbanRefused"; }
};

}  // namespace myglobal

namespace myglobal::renban {

// What is left of one call's allowance of entries and bytes.
class Budget {
public:
    // Takes `entries` more entries of at most `bytes` bytes in all from the allowance, or throws
    // RenbanRefused when they would exceed it.
    void Take(std::int64_t entries, std::int64_t bytes);

private:
    std::int64_t entries_ = kMaxRenbanEntries;
    std::int64_t bytes_ = kMaxRenbanBytes;
};

}  // namespace myglobal::renban
