#include "engine/RenbanRange.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "engine/LetterRange.h"
#include "engine/RenbanTexts.h"
#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace myglobal::renban {
namespace {

constexpr std::size_t kMaxDigits = 11;  // "-2147483648"

std::size_t DigitsOf(std::int64_t v) {
    char digits[kMaxDigits + 1];
    return static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, v).ptr - digits);
}

std::int64_t Pow10(std::size_t k) {
    std::int64_t p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

// The texts of the values from..to, counted per run of values with as many characters.
void CountValueTexts(RangeValues& values) {
    for (std::int64_t v = values.from; v <= values.to;) {
        const std::size_t length = DigitsOf(v);
        // The last value with as many characters: 9, 99, ... or, below 0, -1, -10, ...
        const std::int64_t runEnd =
            std::min(values.to, v >= 0 ? Pow10(length) - 1 : -Pow10(length - 2));
        const auto text = static_cast<std::int64_t>(std::max(length, values.width));
        values.textBytes += (runEnd - v + 1) * text;
        values.longestText = std::max(values.longestText, text);
        v = runEnd + 1;
    }
}

RangeValues ReadNumberRange(std::string_view first, std::string_view last, bool pad) {
    const double firstValue = fw::Val(first);
    const double lastValue = fw::Val(last);
    // The value loop must be able to step past its last value, so INT32_MAX itself is refused.
    if (!fw::FitsInt32(firstValue) || !fw::FitsInt32(lastValue) ||
        fw::ToInt32(lastValue) == std::numeric_limits<std::int32_t>::max()) {
        throw RenbanRefused(texts::NumberTooLarge());
    }
    RangeValues values;

    // Zeros typed in front of the first value beyond the digits of the last value stay fixed.
    const std::int32_t k = fw::Len(first) - fw::Len(fw::Str(lastValue));
    for (std::int32_t i = 0; i < k; ++i) {
        if (first[static_cast<std::size_t>(i)] != '0') break;
        ++values.fixedZeros;
        fw::DoEvents();
    }

    values.from = fw::ToInt32(firstValue);
    values.to = fw::ToInt32(lastValue);
    if (pad) values.width = fw::Str(static_cast<std::int32_t>(values.to)).size();
    values.count = values.to >= values.from ? values.to - values.from + 1 : 0;
    CountValueTexts(values);
    return values;
}

void AppendNumberRange(std::vector<std::string>& list, const RangeSpec& spec) {
    std::string head;
    head.reserve(spec.prefix.size() + spec.fixedZeros);
    head.append(spec.prefix).append(spec.fixedZeros, '0');
    char digits[kMaxDigits + 1];
    for (std::int64_t v = spec.from; v <= spec.to; ++v) {
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        const auto length = static_cast<std::size_t>(end - digits);
        const std::size_t zeros = spec.width > length ? spec.width - length : 0;
        std::string& entry = list.emplace_back();
        entry.reserve(head.size() + zeros + length + spec.suffix.size());
        entry.append(head).append(zeros, '0').append(digits, length).append(spec.suffix);
        fw::DoEvents();
    }
}

}  // namespace

bool HoldsBrackets(std::string_view text) {
    return text.find('[') != std::string_view::npos && text.find(']') != std::string_view::npos;
}

std::string_view FirstRangeText(std::string_view text) {
    return fw::NthFieldBView(fw::NthFieldBView(text, "[", 2), "]", 1);
}

Figures FiguresOf(const RangeSpec& spec) {
    const auto around =
        static_cast<std::int64_t>(spec.prefix.size() + spec.fixedZeros + spec.suffix.size());
    return {spec.count, SaturatingAdd(SaturatingMul(spec.count, around), spec.textBytes)};
}

RangeValues ReadRangeValues(std::string_view rangeText, bool lowercase, bool pad) {
    std::string range;
    for (char c : rangeText) {
        if (c == ' ' || c == '\t') continue;
        range += (lowercase && c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    // Bytes from a second "-" on are ignored.
    fw::FieldsB atDash(range, "-");
    const std::string_view first = *atDash.Next();
    const std::string_view last = atDash.Next().value_or(std::string_view());
    return fw::AscB(first) > 0x39 ? ReadLetterRange(first, last, pad)
                                  : ReadNumberRange(first, last, pad);
}

RangeSpec ReadFirstRange(std::string_view text, bool lowercase, bool pad) {
    // Fields 1 and 2 at "[" in one pass: this runs for every entry of a pass.
    fw::FieldsB atOpen(text, "[");
    const std::string_view prefix = *atOpen.Next();
    const std::string_view afterOpen = atOpen.Next().value_or(std::string_view());

    return {ReadRangeValues(fw::NthFieldBView(afterOpen, "]", 1), lowercase, pad), prefix,
            text.substr(text.find(']') + 1)};
}

void AppendRange(std::vector<std::string>& list, const RangeSpec& spec) {
    if (spec.letters) {
        AppendLetterRange(list, spec);
    } else {
        AppendNumberRange(list, spec);
    }
}

}  // namespace myglobal::renban
