#include "framework/core/Strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "framework/core/Utf8.h"

namespace fw {
namespace {

std::int32_t Saturate(std::size_t n) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(n, kMax));
}

// Zero-based offset of a 1-based start, clamped to the text.
std::size_t StartOffset(std::string_view s, std::int32_t start) {
    if (start <= 1) return 0;
    return std::min(static_cast<std::size_t>(start) - 1, s.size());
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Byte length of the white space that starts at `i`, 0 when none does.
std::size_t SpaceAt(std::string_view s, std::size_t i) {
    switch (s[i]) {
        case ' ':
        case '\t':
        case '\r':
        case '\n':
        case '\v':
        case '\f':
            return 1;
        default:
            break;
    }
    if (s.substr(i, 2) == "\xC2\xA0") return 2;
    if (s.substr(i, 3) == "\xE3\x80\x80") return 3;
    return 0;
}

// Byte length of the white space that ends just before `end`, 0 when none does.
std::size_t SpaceBefore(std::string_view s, std::size_t end) {
    if (SpaceAt(s, end - 1) == 1) return 1;
    if (end >= 2 && s.substr(end - 2, 2) == "\xC2\xA0") return 2;
    if (end >= 3 && s.substr(end - 3, 3) == "\xE3\x80\x80") return 3;
    return 0;
}

}  // namespace

std::int32_t LenB(std::string_view s) {
    return Saturate(s.size());
}

std::int32_t InStrB(std::int32_t start, std::string_view text, std::string_view find) {
    if (find.empty()) return 0;
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size()) return 0;
    const std::size_t p = text.find(find, from);
    return p == std::string_view::npos ? 0 : Saturate(p + 1);
}

std::string MidB(std::string_view s, std::int32_t start) {
    return std::string(s.substr(StartOffset(s, start)));
}

std::string MidB(std::string_view s, std::int32_t start, std::int32_t length) {
    if (length <= 0) return {};
    return std::string(s.substr(StartOffset(s, start), static_cast<std::size_t>(length)));
}

std::string LeftB(std::string_view s, std::int32_t count) {
    if (count <= 0) return {};
    return std::string(s.substr(0, static_cast<std::size_t>(count)));
}

std::string RightB(std::string_view s, std::int32_t count) {
    if (count <= 0) return {};
    const auto n = std::min(static_cast<std::size_t>(count), s.size());
    return std::string(s.substr(s.size() - n));
}

std::int32_t AscB(std::string_view s) {
    return s.empty() ? 0 : static_cast<std::int32_t>(static_cast<unsigned char>(s[0]));
}

std::size_t FieldsB::FindLonger() const {
    return delimiter_.empty() ? std::string_view::npos : text_.find(delimiter_, start_);
}

std::string NthFieldB(std::string_view text, std::string_view delimiter, std::int32_t n) {
    return std::string(NthFieldBView(text, delimiter, n));
}

std::int32_t Len(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        i += static_cast<unsigned char>(s[i]) < 0x80 ? 1 : utf8::CharLength(s, i);
    }
    return Saturate(count);
}

std::string Mid(std::string_view s, std::int32_t start) {
    const std::size_t skip = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    return std::string(s.substr(utf8::OffsetOfChar(s, skip)));
}

std::string Mid(std::string_view s, std::int32_t start, std::int32_t length) {
    if (length <= 0) return {};
    const std::size_t skip = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    const std::string_view rest = s.substr(utf8::OffsetOfChar(s, skip));
    return std::string(rest.substr(0, utf8::OffsetOfChar(rest, static_cast<std::size_t>(length))));
}

std::string Left(std::string_view s, std::int32_t count) {
    if (count <= 0) return {};
    return std::string(s.substr(0, utf8::OffsetOfChar(s, static_cast<std::size_t>(count))));
}

std::string Chr(std::int32_t code) {
    std::string out;
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return out;
    utf8::AppendChar(out, static_cast<char32_t>(code));
    return out;
}

std::string Str(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return "0";  // also for -0.0
    char buf[400];               // the fixed digits of the largest Double fit
    // Whole numbers that an integer holds exactly print the same digits, several times faster:
    // the list's row count is printed after every row added.
    constexpr double kExactInts = 9007199254740992.0;  // 2^53
    if (std::trunc(value) == value && std::fabs(value) < kExactInts) {
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
        return std::string(buf, r.ptr);
    }
    const auto fmt =
        std::trunc(value) == value ? std::chars_format::fixed : std::chars_format::general;
    const auto r = std::to_chars(buf, buf + sizeof buf, value, fmt);
    return std::string(buf, r.ptr);
}

double Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // The numeric part is delimited here, so that from_chars never sees "inf", "nan" or a sign.
    const std::size_t begin = i;
    std::size_t digits = 0;
    std::int64_t magnitude = -1;  // decimal exponent of the first non-zero digit, before e
    bool seenNonZero = false, inFraction = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            ++digits;
            if (!seenNonZero && s[i] != '0') seenNonZero = true;
            if (!inFraction && seenNonZero) ++magnitude;
            if (inFraction && !seenNonZero) --magnitude;
        } else if (s[i] == '.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j) {
                exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), 1'000'000'000);
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    double value = 0.0;
    const auto r = std::from_chars(s.data() + begin, s.data() + i, value);
    if (r.ec == std::errc::result_out_of_range) {
        value =
            seenNonZero && magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string_view TrimmedView(std::string_view s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end) {
        const std::size_t n = SpaceAt(s, begin);
        if (n == 0) break;
        begin += n;
    }
    while (end > begin) {
        const std::size_t n = SpaceBefore(s, end);
        if (n == 0 || end - n < begin) break;
        end -= n;
    }
    return s.substr(begin, end - begin);
}

std::string Trim(std::string_view s) {
    return std::string(TrimmedView(s));
}

std::string Lowercase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement) {
    if (find.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t from = 0;
    for (std::size_t p; (p = s.find(find, from)) != std::string_view::npos;
         from = p + find.size()) {
        out.append(s, from, p - from);
        out.append(replacement);
    }
    out.append(s, from);
    return out;
}

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    if (items.empty()) return out;
    std::size_t total = separator.size() * (items.size() - 1);
    for (const auto& item : items) total += item.size();
    out.reserve(total);
    out += items.front();
    for (std::size_t i = 1; i < items.size(); ++i) {
        out += separator;
        out += items[i];
    }
    return out;
}

std::int32_t StrComp(std::string_view a, std::string_view b, std::int32_t mode) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(mode == 0 ? a[i] : AsciiLower(a[i]));
        auto y = static_cast<unsigned char>(mode == 0 ? b[i] : AsciiLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StrEq(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace fw
