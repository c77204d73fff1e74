#include "framework/core/Utf8.h"

namespace fw::utf8 {
namespace {
bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}
}  // namespace

std::size_t CharLength(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return 1;
    std::size_t need;
    unsigned char lo = 0x80, hi = 0xBF;  // bounds of the second byte (no overlongs, surrogates)
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return 1;
    }
    if (s.size() - i < need) return 1;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b1 < lo || b1 > hi) return 1;
    for (std::size_t k = 2; k < need; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(s[i + k]))) return 1;
    }
    return need;
}

std::size_t OffsetOfChar(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (n > 0 && i < s.size()) {
        i += static_cast<unsigned char>(s[i]) < 0x80 ? 1 : CharLength(s, i);
        --n;
    }
    return i;
}

std::u32string Decode(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        const std::size_t length = b0 < 0x80 ? 1 : CharLength(s, i);
        if (length == 1) {
            out.push_back(b0 < 0x80 ? char32_t{b0} : U'\uFFFD');
        } else {
            // The lead byte keeps 7 - length bits; each continuation byte gives 6.
            char32_t cp = b0 & (0x7Fu >> length);
            for (std::size_t k = 1; k < length; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
            out.push_back(cp);
        }
        i += length;
    }
    return out;
}

void AppendChar(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace fw::utf8
