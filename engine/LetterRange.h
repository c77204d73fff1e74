#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/RenbanRange.h"

// The letter half of reading and writing a range, built on the letter numbers of RomanRenban.
namespace myglobal::renban {

// A letter range from its two value texts. Throws RenbanRefused for a value above 2147483647.
RangeValues ReadLetterRange(std::string_view first, std::string_view last, bool pad);

// Appends the entries of the letter range `spec` at the end of `list`, one turn of the event
// loop each.
void AppendLetterRange(std::vector<std::string>& list, const RangeSpec& spec);

}  // namespace myglobal::renban
