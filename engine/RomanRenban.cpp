#include "engine/RomanRenban.h"

#include <algorithm>
#include <limits>

#include "engine/RenbanRange.h"
#include "engine/RenbanTexts.h"
#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace RomanRenban {
namespace {

constexpr std::size_t kPadLetters = 12;       // the pad text is twelve "a"s
constexpr std::size_t kMaxWrittenLength = 7;  // "gytisyx", the largest Int32
constexpr double kMaxLetterValue = std::numeric_limits<std::int32_t>::max();

// The digit of one byte: "a"/"A" to "z"/"Z" are 0 to 25, every other byte 0.
int LetterDigit(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return 0;
}

// The written form of the next value, in place: "z" becomes "ba", "zz" becomes "baa".
void Increment(std::string& letters) {
    for (auto it = letters.rbegin(); it != letters.rend(); ++it) {
        if (*it != 'z') {
            ++*it;
            return;
        }
        *it = 'a';
    }
    letters.insert(letters.begin(), 'b');
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

void MG_RomaRenban(std::vector<std::string>& list, const std::string& first,
                   const std::string& last, const std::string& prefix, const std::string& suffix,
                   bool pad) {
    const auto spec = myglobal::renban::ReadLetterRange(first, last, prefix, suffix, pad);
    myglobal::renban::Budget budget;
    budget.Take(spec.count, myglobal::renban::BytesOf(spec));
    list.reserve(list.size() + static_cast<std::size_t>(spec.count));
    myglobal::renban::AppendLetterRange(list, spec);
}

}  // namespace RomanRenban

namespace myglobal::renban {

RangeSpec ReadLetterRange(std::string_view first, std::string_view last, std::string_view prefix,
                          std::string_view suffix, bool pad) {
    const double from = RomanRenban::MP_KanaToSuji(std::string(first));
    const double to = RomanRenban::MP_KanaToSuji(std::string(last));
    if (from > RomanRenban::kMaxLetterValue || to > RomanRenban::kMaxLetterValue) {
        throw RenbanRefused(texts::LetterTooLarge());
    }
    RangeSpec spec;
    spec.letters = true;
    spec.prefix = prefix;
    spec.suffix = suffix;
    spec.from = static_cast<std::int64_t>(from);
    spec.to = static_cast<std::int64_t>(to);
    if (pad) spec.width = last.size();
    spec.count = spec.to >= spec.from ? spec.to - spec.from + 1 : 0;
    spec.maxEntryBytes = static_cast<std::int64_t>(prefix.size() + RomanRenban::kPadLetters +
                                                   RomanRenban::kMaxWrittenLength + suffix.size());
    return spec;
}

void AppendLetterRange(std::vector<std::string>& list, const RangeSpec& spec) {
    if (spec.count == 0) return;
    // The written form is stepped like a counter rather than converted anew for every value.
    std::string letters = RomanRenban::MP_SujiToKana(static_cast<double>(spec.from));
    for (std::int64_t n = 0; n < spec.count; ++n) {
        const std::size_t zeros =
            spec.width > letters.size()
                ? std::min(spec.width - letters.size(), RomanRenban::kPadLetters)
                : 0;
        std::string& entry = list.emplace_back();
        entry.reserve(spec.prefix.size() + zeros + letters.size() + spec.suffix.size());
        entry.append(spec.prefix).append(zeros, 'a').append(letters).append(spec.suffix);
        fw::DoEvents();
        RomanRenban::Increment(letters);
    }
}

}  // namespace myglobal::renban
