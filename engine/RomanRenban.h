#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Letter sequences: a letter number is a byte string read in base 26, "a" = 0 to "z" = 25, the
// most significant byte first (upper-case letters count as their lower-case twins; every other
// byte is the digit 0). So a, aa and aaa are 0, z is 25, ba is 26, zz is 675. Its written form
// is the shortest letter string of a value ("a" for 0).
namespace RomanRenban {

// Appends prefix + written form + suffix for every value from the value of `first` up to that of
// `last`; nothing when first is greater. With `pad`, written forms shorter than `last` has bytes
// get up to twelve leading "a"s. Throws myglobal::RenbanRefused (nothing appended) for a value
// above 2147483647 or more entries than one call may append. Defined in LetterRange.cpp.
// Kept for the callers that know it by name; expansions use renban::ReadLetterRange instead.
void MG_RomaRenban(std::vector<std::string>& list, const std::string& first,
                   const std::string& last, const std::string& prefix, const std::string& suffix,
                   bool pad);

// Value of the letter number `s` (0 for "").
double MP_KanaToSuji(const std::string& s);

// Written form of `x`, read as Int32 (truncated, saturated). A negative value, which no range
// produces, gives what its remainder gives: "a" for a multiple of 26, otherwise "".
std::string MP_SujiToKana(double x);

// The one-character tables between letters and base-26 digit characters ("0" to "9", "a" to
// "p"). Letters and digit characters match without regard to ASCII case; no match gives "" (or
// 0 for MP_26nHenkan).
std::string MP_ABCTo26n(const std::string& c);
std::int32_t MP_26nHenkan(const std::string& c);
std::string MP_26nHenkan2(std::int32_t d);
std::string MP_26nToABC(const std::string& c);

}  // namespace RomanRenban
