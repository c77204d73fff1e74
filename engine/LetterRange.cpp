#include "engine/LetterRange.h"

#include <algorithm>
#include <limits>

#include "engine/RenbanTexts.h"
#include "engine/RomanRenban.h"
#include "framework/core/EventLoop.h"

namespace myglobal::renban {
namespace {

constexpr std::size_t kPadLetters = 12;       // the pad text is twelve "a"s
constexpr std::size_t kMaxWrittenLength = 7;  // "gytisyx", the largest Int32
constexpr double kMaxLetterValue = std::numeric_limits<std::int32_t>::max();

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

RangeSpec ReadLetterRange(std::string_view first, std::string_view last, std::string_view prefix,
                          std::string_view suffix, bool pad) {
    const double from = RomanRenban::MP_KanaToSuji(std::string(first));
    const double to = RomanRenban::MP_KanaToSuji(std::string(last));
    if (from > kMaxLetterValue || to > kMaxLetterValue) {
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
    spec.maxEntryBytes =
        static_cast<std::int64_t>(prefix.size() + kPadLetters + kMaxWrittenLength + suffix.size());
    return spec;
}

void AppendLetterRange(std::vector<std::string>& list, const RangeSpec& spec) {
    if (spec.count == 0) return;
    // The written form is stepped like a counter rather than converted anew for every value.
    std::string letters = RomanRenban::MP_SujiToKana(static_cast<double>(spec.from));
    for (std::int64_t n = 0; n < spec.count; ++n) {
        const std::size_t zeros =
            spec.width > letters.size() ? std::min(spec.width - letters.size(), kPadLetters) : 0;
        std::string& entry = list.emplace_back();
        entry.reserve(spec.prefix.size() + zeros + letters.size() + spec.suffix.size());
        entry.append(spec.prefix).append(zeros, 'a').append(letters).append(spec.suffix);
        fw::DoEvents();
        Increment(letters);
    }
}

}  // namespace myglobal::renban

namespace RomanRenban {

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
