#include "window/UrlRecognition.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "framework/core/Utf8.h"

namespace UrlRecognition {

namespace {

char32_t AsciiLower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

// String equality of the system ignores the case of ASCII letters.
bool StartsWith(std::u32string_view text, std::size_t at, std::string_view ascii) {
    if (at + ascii.size() > text.size()) return false;
    for (std::size_t k = 0; k < ascii.size(); ++k) {
        if (AsciiLower(text[at + k]) != static_cast<char32_t>(ascii[k])) return false;
    }
    return true;
}

constexpr std::array<std::string_view, 4> kSchemes = {"http://", "https://", "ftp://", "mailto:"};

}  // namespace

bool IsForbiddenUrlChar(char32_t c) {
    return c == U'"' || c == U'<' || c == U'>' || c == U'`' || c > 126 || c <= 32 ||
           (c >= 91 && c <= 94) || (c >= 123 && c <= 125);
}

bool IsForbiddenUrlChar(std::string_view c) {
    if (c == "\"" || c == "<" || c == ">" || c == "`") return true;
    const unsigned char b = c.empty() ? 0 : static_cast<unsigned char>(c[0]);
    return b > 126 || b <= 32 || (b >= 91 && b <= 94) || (b >= 123 && b <= 125);
}

std::optional<CaretUrl> UrlAtCaret(std::string_view utf8, std::int64_t selStart,
                                   std::int64_t selLength) {
    if (selLength != 0) return std::nullopt;
    const std::u32string text = fw::utf8::Decode(utf8);
    const auto n = static_cast<std::int64_t>(text.size());
    // ch(p) counts from 1; position 0 and positions after the end hold the empty string,
    // which is forbidden.
    const auto forbiddenAt = [&](std::int64_t p) {
        return p < 1 || p > n || IsForbiddenUrlChar(text[static_cast<std::size_t>(p - 1)]);
    };
    const std::int64_t s = selStart;
    if (forbiddenAt(s + 1) || forbiddenAt(s)) return std::nullopt;

    std::int64_t b = s;
    while (!forbiddenAt(b)) --b;
    bool schemeFound = false;
    for (const auto scheme : kSchemes) {
        if (StartsWith(text, static_cast<std::size_t>(b), scheme)) {
            schemeFound = true;
            break;
        }
    }
    if (!schemeFound) return std::nullopt;

    // The forward scan starts 8 characters into the run whatever the scheme, so the length is
    // never less than 7, also for a run that ends with the text before that ("ftp://").
    std::int64_t d = b + 8;
    while (!forbiddenAt(d)) ++d;
    const std::int64_t length = d - b - 1;
    if (d == n + 1 && (s == n || s == n - 1)) return std::nullopt;

    // Positions after the end hold the empty string: the URL is what of the run the text has.
    CaretUrl hit{static_cast<std::int32_t>(b), static_cast<std::int32_t>(length), {}};
    for (std::int64_t k = b; k < std::min(b + length, n); ++k)
        fw::utf8::AppendChar(hit.url, text[static_cast<std::size_t>(k)]);
    return hit;
}

std::optional<HttpRun> FirstHttpRun(std::string_view utf8) {
    const std::u32string text = fw::utf8::Decode(utf8);
    const auto n = static_cast<std::int64_t>(text.size());
    for (std::int64_t p = 1; p <= n - 7; ++p) {
        if (!StartsWith(text, static_cast<std::size_t>(p - 1), "http://")) continue;
        std::int64_t d = p + 7;
        while (d <= n && !IsForbiddenUrlChar(text[static_cast<std::size_t>(d - 1)])) ++d;
        return HttpRun{static_cast<std::int32_t>(p - 1), static_cast<std::int32_t>(d - p)};
    }
    return std::nullopt;
}

}  // namespace UrlRecognition
