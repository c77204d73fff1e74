#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character boundaries in UTF-8 text that may be invalid, and the encoding of one character.
namespace fw::utf8 {

// Bytes of the character that starts at `i` (i < s.size()): the length of a well-formed
// sequence, or 1 for a byte that does not start one.
std::size_t CharLength(std::string_view s, std::size_t i);

// Byte offset of the start of character `n` (0-based), or s.size() when the text has no more
// than n characters.
std::size_t OffsetOfChar(std::string_view s, std::size_t n);

// The characters as code points, counted as CharLength counts them: a byte that does not start
// a well-formed sequence is a character of its own, U+FFFD.
std::u32string Decode(std::string_view s);

// Appends the UTF-8 bytes of code point `cp` (at most U+10FFFF) to `out`.
void AppendChar(std::string& out, char32_t cp);

}  // namespace fw::utf8
