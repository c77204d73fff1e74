#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Numbers.h"

// The framework's string functions. A string is a std::string of UTF-8 bytes.
//
// Two families stay distinct:
// - Byte-wise (the names ending in B: LenB, InStrB, MidB, LeftB, RightB, AscB, NthFieldB,
//   FieldsB) count and address bytes, whatever the text holds.
// - Character-wise (Len, Mid, Left, Chr) count Unicode code points. A well-formed UTF-8
//   sequence is one character; every byte that does not start a well-formed sequence (a stray
//   continuation byte, a truncated or overlong sequence, an encoded surrogate) counts as one
//   character of its own, so invalid text is never lost or split inside a valid character.
//
// Positions are 1-based. Slices that start or reach beyond the end give what exists (often "");
// a start below 1 is taken as 1; a negative count gives "". Lengths and positions are Int32:
// texts are expected to stay below 2 GiB, and lengths of longer texts saturate at INT32_MAX.
namespace fw {

// Length in bytes.
std::int32_t LenB(std::string_view s);

// 1-based byte position of the first occurrence of `find` at or after byte `start`; a start of
// 0 (or below) searches from the first byte. 0 when there is none, when `start` lies beyond the
// end, and for an empty `find`.
std::int32_t InStrB(std::int32_t start, std::string_view text, std::string_view find);
inline std::int32_t InStrB(std::string_view text, std::string_view find) {
    return InStrB(0, text, find);
}

// `length` bytes from byte `start` (1-based); without a length, to the end.
std::string MidB(std::string_view s, std::int32_t start);
std::string MidB(std::string_view s, std::int32_t start, std::int32_t length);

// The first / last `count` bytes; the whole text when it is shorter.
std::string LeftB(std::string_view s, std::int32_t count);
std::string RightB(std::string_view s, std::int32_t count);

// Code of the first byte (0 to 255); 0 for "".
std::int32_t AscB(std::string_view s);

// The fields of `text` cut at every occurrence of `delimiter`, searched from the left without
// overlap, taken one after another in one pass as views into `text`. A text with k occurrences
// has k + 1 fields (the empty text one empty field); an empty delimiter never occurs. Every cut
// of a text at a delimiter goes through here: one field, all fields in turn, or a count.
class FieldsB {
public:
    FieldsB(std::string_view text, std::string_view delimiter)
        : text_(text), delimiter_(delimiter) {}

    // The next field; none once the last was taken.
    std::optional<std::string_view> Next() {
        if (last_) return std::nullopt;
        const std::size_t end = Find();
        if (end == std::string_view::npos) {
            last_ = true;
            return text_.substr(start_);
        }
        const std::string_view field = text_.substr(start_, end - start_);
        start_ = end + delimiter_.size();
        return field;
    }
    // Whether the field taken last runs to the end of the text; every other one ended at an
    // occurrence of the delimiter.
    bool Last() const { return last_; }

private:
    // Every delimiter of the system is one byte: searched for as a byte, which is several times
    // faster, and kept small enough to be inlined into the loops that cut millions of entries.
    std::size_t Find() const {
        return delimiter_.size() == 1 ? text_.find(delimiter_[0], start_) : FindLonger();
    }
    std::size_t FindLonger() const;

    std::string_view text_;
    std::string_view delimiter_;
    std::size_t start_ = 0;
    bool last_ = false;
};

// Field `n` (1-based) of `text` cut at `delimiter` as FieldsB cuts it. "" for n below 1 or
// beyond the last field.
std::string NthFieldB(std::string_view text, std::string_view delimiter, std::int32_t n);
// The same without a copy: a view into `text`.
inline std::string_view NthFieldBView(std::string_view text, std::string_view delimiter,
                                      std::int32_t n) {
    if (n < 1) return {};
    FieldsB fields(text, delimiter);
    for (std::int32_t j = 1; j < n; ++j) {
        fields.Next();
        if (fields.Last()) return {};
    }
    return *fields.Next();
}

// Length in characters.
std::int32_t Len(std::string_view s);

// `length` characters from character `start` (1-based); without a length, to the end.
std::string Mid(std::string_view s, std::int32_t start);
std::string Mid(std::string_view s, std::int32_t start, std::int32_t length);

// The first `count` characters; the whole text when it is shorter.
std::string Left(std::string_view s, std::int32_t count);

// The UTF-8 bytes of code point `code`; Chr(0) is one NUL byte. "" for a negative code, a
// surrogate or a code above U+10FFFF.
std::string Chr(std::int32_t code);

// Decimal text of a number. Whole numbers give their digits alone (a "-" in front when
// negative), never a point or an exponent; other Doubles give the shortest text that reads
// back to the same value ("2.5", "1e-07"); infinities and NaN give "inf", "-inf", "nan".
std::string Str(double value);
template <std::integral T>
std::string Str(T value) {
    return std::to_string(value);
}

// The number at the start of the text: optional spaces or tabs, an optional sign, digits with
// an optional fraction and exponent ("1.5", ".5", "12abc" gives 12, "1e3" gives 1000). Leading
// zeros do not count; a text without such a number, "" included, gives 0. Numbers too large for
// a Double give an infinity, never an error. Independent of the C locale.
double Val(std::string_view s);

// Without leading and trailing white space: ASCII space, tab, CR, LF, VT, FF, the no-break space
// U+00A0 and the ideographic space U+3000.
std::string Trim(std::string_view s);
// Trim without a copy, for loops over many lines: the trimmed part of `s` itself.
std::string_view TrimmedView(std::string_view s);

// "A" to "Z" become "a" to "z"; every other byte stays.
std::string Lowercase(std::string_view s);

// Every occurrence of `find`, searched from the left without overlap, replaced by
// `replacement`. An empty `find` leaves the text as it is.
std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement);

// The items with `separator` between two neighbours.
std::string Join(const std::vector<std::string>& items, std::string_view separator);

// -1, 0 or 1 as `a` sorts before, equal to or after `b`. Mode 0 compares bytes; any other mode
// compares bytes with ASCII letters taken without case.
std::int32_t StrComp(std::string_view a, std::string_view b, std::int32_t mode);

// The system's string equality ("=" between strings): equal byte for byte once the ASCII
// letters are taken without case ("ABC" equals "abc"; "Ä" does not equal "ä").
bool StrEq(std::string_view a, std::string_view b);

}  // namespace fw
