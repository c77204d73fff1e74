#include "engine/LetterRange.h"

#include <algorithm>
#include <limits>

#include "engine/RenbanTexts.h"
#include "engine/RomanRenban.h"
#include "framework/core/EventLoop.h"

namespace myglobal::renban {
namespace {

constexpr std::size_t kPadLetters = 12;  // the pad text is twelve "a"s
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

RangeValues ReadLetterRange(std::string_view first, std::string_view last, bool pad) {
    const double from = RomanRenban::MP_KanaToSuji(std::string(first));
    const double to = RomanRenban::MP_KanaToSuji(std::string(last));
    if (from > kMaxLetterValue || to > kMaxLetterValue) {
        throw RenbanRefused(texts::LetterTooLarge());
    }
    RangeValues values;
    values.letters = true;
    values.from = static_cast<std::int64_t>(from);
    values.to = static_cast<std::int64_t>(to);
    if (pad) values.width = last.size();
    values.count = values.to >= values.from ? values.to - values.from + 1 : 0;
    // Runs of values whose written forms have as many letters: a to z, ba to zz, baa to zzz, ...
    for (std::int64_t v = values.from; v <= values.to;) {
        std::size_t letters = 1;
        std::int64_t runEnd = 25;
        while (v > runEnd) {
            ++letters;
            runEnd = runEnd * 26 + 25;
        }
        runEnd = std::min(runEnd, values.to);
        const std::size_t padded = values.width > letters
                                       ? letters + std::min(values.width - letters, kPadLetters)
                                       : letters;
        const auto text = static_cast<std::int64_t>(padded);
        values.textBytes += (runEnd - v + 1) * text;
        values.longestText = std::max(values.longestText, text);
        v = runEnd + 1;
    }
    return values;
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
    const myglobal::renban::RangeSpec spec{myglobal::renban::ReadLetterRange(first, last, pad),
                                           prefix, suffix};
    myglobal::renban::CheckResult(myglobal::renban::FiguresOf(spec));
    list.reserve(list.size() + static_cast<std::size_t>(spec.count));
    myglobal::renban::AppendLetterRange(list, spec);
}

}  // namespace RomanRenban
