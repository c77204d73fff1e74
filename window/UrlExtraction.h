#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The byte-wise scan behind the URL extractor: every run that begins with the exact lower-case
// bytes "http://" and ends before the first terminator byte (or at the end of the text).
namespace UrlExtraction {

inline constexpr std::string_view kScheme = "http://";

// True for a byte that ends an extracted URL. The set is fixed: blank, CR, LF, tab, vertical
// tab, code 23, every byte above 127, and " > < ) ( and the comma. Everything else, the full
// stop and the square brackets among them, stays part of the URL.
bool IsTerminator(unsigned char c);

struct Found {
    std::size_t start;   // byte offset of the "h" of "http://"
    std::size_t length;  // bytes up to, not including, the terminator; at least 7
};

// The first URL at or after byte offset `from`, or nothing when no "http://" follows.
std::optional<Found> NextUrl(std::string_view text, std::size_t from);

}  // namespace UrlExtraction
