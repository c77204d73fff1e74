#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/RenbanLimits.h"
#include "framework/core/TextEncoding.h"

// The sequence engine's entry points: range patterns such as "img[001-100].jpg" or "[a-zz]"
// expanded into one entry per value, and the conversion of a line to UTF-8.
namespace myglobal {

// The system's line separator: one carriage return. The application sets it when it opens.
extern std::string CL;

// Expands the range pattern `pattern` into `list`, appending at its end. Mode 1 pads the values
// to the width of the last value; every other mode does not. Returns "" when the pattern was
// taken as a range pattern (even if it yielded nothing, or a failure was reported in a message
// box), otherwise the pattern unchanged with `list` untouched. Several brackets combine with the
// first outermost; entries already in `list` that hold "[" and "]" are expanded as well when the
// pattern has more than one bracket. A call that would give more than the caps of
// engine/RenbanLimits.h is refused with a message and leaves `list` as it was.
std::string MG_MakeRenbanList(const std::string& pattern, std::vector<std::string>& list,
                              std::int32_t mode);
// The same, telling the caller whether the call was refused over the caps: a caller that puts
// the result in place of what the user has keeps that instead.
std::string MG_MakeRenbanList(const std::string& pattern, std::vector<std::string>& list,
                              std::int32_t mode, bool& refused);

// One pass: every entry of `list` that holds both "[" and "]" is replaced by the expansions of
// its first range, appended at the end; the other entries keep their order at the front.
// Refused as a call is when it would give more than the caps. Kept for the callers that know it
// by name; MG_MakeRenbanList forecasts all its passes at once.
void MP_MakeRenbanList(std::vector<std::string>& list, bool pad);

// The text converted to UTF-8 from its declared encoding; when it declares none that converts,
// from the charset the whole text names, if any; otherwise the same bytes declared as UTF-8.
// Never fails: on any failure the text comes back as it was passed in.
fw::EncodedText MG_textconUni(const fw::EncodedText& s);
// The same, taking the bytes over where they need no conversion.
fw::EncodedText MG_textconUni(fw::EncodedText&& s);

}  // namespace myglobal
