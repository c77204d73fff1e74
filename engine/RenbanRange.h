#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RenbanLimits.h"

// The engine's own reading and writing of one range. Reading is separate from appending so that
// what a call gives is counted, and refused or reserved for, before the first entry is appended.
// Letter ranges are read and written in engine/LetterRange.h.
namespace myglobal::renban {

// The values of one range, read from its text alone: every entry is the text before the range,
// fixedZeros "0"s, one value's text and the text after the range.
struct RangeValues {
    std::size_t fixedZeros = 0;
    bool letters = false;
    std::int64_t from = 0;  // numeric values, or letter numbers
    std::int64_t to = -1;
    std::size_t width = 0;  // padding width, 0 without padding
    std::int64_t count = 0;
    std::int64_t textBytes = 0;    // the texts of all values, padding included
    std::int64_t longestText = 0;  // the text of the longest value
};

// One range of a text, read.
struct RangeSpec : RangeValues {
    std::string_view prefix;  // views into the text that was read; valid while it lives
    std::string_view suffix;
};

// The entries of a range and their bytes.
Figures FiguresOf(const RangeSpec& spec);

// Whether `text` holds a "[" and a "]", anywhere and in any order: what makes a text a range
// to expand.
bool HoldsBrackets(std::string_view text);

// The text after the first "[" up to the next "[" or "]", or to the end. `text` holds a "[".
std::string_view FirstRangeText(std::string_view text);

// Reads a range text as FirstRangeText gives it. Spaces and tabs are dropped, and with
// `lowercase` upper-case ASCII letters are lowered. Throws RenbanRefused for a value out of
// bounds.
RangeValues ReadRangeValues(std::string_view rangeText, bool lowercase, bool pad);

// Reads the first range of `text`, which holds both "[" and "]". Throws RenbanRefused as
// ReadRangeValues does; the caps are the forecast's (engine/RenbanForecast.h).
RangeSpec ReadFirstRange(std::string_view text, bool lowercase, bool pad);

// Appends the entries of `spec` at the end of `list`, one turn of the event loop each.
void AppendRange(std::vector<std::string>& list, const RangeSpec& spec);

}  // namespace myglobal::renban
