#include "engine/RomanRenban.h"

#include <algorithm>

#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace RomanRenban {
namespace {

// The digit of one byte: "a"/"A" to "z"/"Z" are 0 to 25, every other byte 0.
int LetterDigit(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return 0;
}

}  // namespace

std::string MP_ABCTo26n(const std::string& c) {
    if (c.size() != 1) return {};
    const char x = c[0];
    if (!((x >= 'a' && x <= 'z') || (x >= 'A' && x <= 'Z'))) return {};
    return MP_26nHenkan2(LetterDigit(x));
}

std::int32_t MP_26nHenkan(const std::string& c) {
    if (c.size() != 1) return 0;
    const char x = c[0];
    if (x >= '0' && x <= '9') return x - '0';
    if (x >= 'a' && x <= 'p') return x - 'a' + 10;
    if (x >= 'A' && x <= 'P') return x - 'A' + 10;
    return 0;
}

std::string MP_26nHenkan2(std::int32_t d) {
    if (d < 0 || d > 25) return {};
    return std::string(1, static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10));
}

std::string MP_26nToABC(const std::string& c) {
    if (c.size() != 1) return {};
    const char x = c[0];
    if (x >= '0' && x <= '9') return std::string(1, static_cast<char>('a' + (x - '0')));
    if (x >= 'a' && x <= 'p') return std::string(1, static_cast<char>('k' + (x - 'a')));
    if (x >= 'A' && x <= 'P') return std::string(1, static_cast<char>('k' + (x - 'A')));
    return {};
}

double MP_KanaToSuji(const std::string& s) {
    const std::size_t n = s.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        // A zero digit adds nothing; skipping it also keeps 0 * Pow(26, large) = 0 * inf from
        // turning a long run of leading "a"s into NaN.
        if (const int digit = LetterDigit(s[i]); digit != 0) {
            sum += digit * fw::Pow(26.0, static_cast<double>(n - 1 - i));
        }
        fw::DoEvents();
    }
    return sum;
}

std::string MP_SujiToKana(double x) {
    // Letters come least significant first; they are put in order at the end.
    std::string result;
    while (true) {
        const std::int32_t k = fw::ToInt32(x);
        result += MP_26nToABC(MP_26nHenkan2(k % 26));
        x = static_cast<double>(k / 26);
        if (x < 1.0) break;
        fw::DoEvents();
    }
    std::reverse(result.begin(), result.end());
    return result;
}

}  // namespace RomanRenban
