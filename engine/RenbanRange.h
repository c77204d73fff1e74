#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RenbanLimits.h"

// The engine's own reading and writing of one range. Reading is separate from appending so that
// the entries of a range, or of a whole pass, are counted and refused or reserved for before the
// first one is appended. Letter ranges are read and written in engine/LetterRange.h.
namespace myglobal::renban {

// One range, read: the entries are prefix, fixedZeros "0"s, the value text and suffix.
struct RangeSpec {
    std::string_view prefix;  // views into the text that was read; valid while it lives
    std::string_view suffix;
    std::size_t fixedZeros = 0;
    bool letters = false;
    std::int64_t from = 0;  // numeric values, or letter numbers
    std::int64_t to = -1;
    std::size_t width = 0;  // padding width, 0 without padding
    std::int64_t count = 0;
    std::int64_t maxEntryBytes = 0;  // no entry of the range is longer
};

// The bytes of the entry of the largest value, times the count: the bytes a range may need.
inline std::int64_t BytesOf(const RangeSpec& spec) {
    return spec.count * spec.maxEntryBytes;
}

// The text after the first "[" up to the next "[" or "]", or to the end. `text` holds a "[".
std::string_view FirstRangeText(std::string_view text);

// Reads the first range of `text`, which holds both "[" and "]". The range text loses its
// spaces and tabs, and with `lowercase` its upper-case ASCII letters. Throws RenbanRefused for a
// value out of bounds, or when an entry could be longer than kMaxRenbanEntryBytes.
RangeSpec ReadFirstRange(std::string_view text, bool lowercase, bool pad);

// Appends the entries of `spec` at the end of `list`, one turn of the event loop each.
void AppendRange(std::vector<std::string>& list, const RangeSpec& spec);

}  // namespace myglobal::renban
