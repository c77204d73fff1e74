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

RangeSpec ReadNumberRange(std::string_view first, std::string_view last, std::string_view prefix,
                          std::string_view suffix, bool pad) {
    const double firstValue = fw::Val(first);
    const double lastValue = fw::Val(last);
    // The value loop must be able to step past its last value, so INT32_MAX itself is refused.
    if (!fw::FitsInt32(firstValue) || !fw::FitsInt32(lastValue) ||
        fw::ToInt32(lastValue) == std::numeric_limits<std::int32_t>::max()) {
        throw RenbanRefused(texts::NumberTooLarge());
    }
    RangeSpec spec;
    spec.prefix = prefix;
    spec.suffix = suffix;

    // Zeros typed in front of the first value beyond the digits of the last value stay fixed.
    const std::int32_t k = fw::Len(first) - fw::Len(fw::Str(lastValue));
    for (std::int32_t i = 0; i < k; ++i) {
        if (first[static_cast<std::size_t>(i)] != '0') break;
        ++spec.fixedZeros;
        fw::DoEvents();
    }

    spec.from = fw::ToInt32(firstValue);
    spec.to = fw::ToInt32(lastValue);
    if (pad) spec.width = fw::Str(static_cast<std::int32_t>(spec.to)).size();
    spec.count = spec.to >= spec.from ? spec.to - spec.from + 1 : 0;
    // The value text grows with the value's magnitude: one of the two ends has the longest.
    const std::size_t digits = std::max(DigitsOf(spec.from), DigitsOf(spec.to));
    spec.maxEntryBytes = static_cast<std::int64_t>(prefix.size() + spec.fixedZeros +
                                                   std::max(spec.width, digits) + suffix.size());
    return spec;
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

std::string_view FirstRangeText(std::string_view text) {
    return fw::NthFieldBView(fw::NthFieldBView(text, "[", 2), "]", 1);
}

RangeSpec ReadFirstRange(std::string_view text, bool lowercase, bool pad) {
    // Fields 1 and 2 at "[" in one pass: this runs for every entry of a pass.
    fw::FieldsB atOpen(text, "[");
    const std::string_view prefix = *atOpen.Next();
    const std::string_view afterOpen = atOpen.Next().value_or(std::string_view());
    const std::string_view suffix = text.substr(text.find(']') + 1);

    std::string range;
    for (char c : fw::NthFieldBView(afterOpen, "]", 1)) {
        if (c == ' ' || c == '\t') continue;
        range += (lowercase && c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    // Bytes from a second "-" on are ignored.
    fw::FieldsB atDash(range, "-");
    const std::string_view first = *atDash.Next();
    const std::string_view last = atDash.Next().value_or(std::string_view());

    const RangeSpec spec = fw::AscB(first) > 0x39
                               ? ReadLetterRange(first, last, prefix, suffix, pad)
                               : ReadNumberRange(first, last, prefix, suffix, pad);
    if (spec.count > 0 && spec.maxEntryBytes > kMaxRenbanEntryBytes) {
        throw RenbanRefused(texts::EntryTooLong());
    }
    return spec;
}

void AppendRange(std::vector<std::string>& list, const RangeSpec& spec) {
    if (spec.letters) {
        AppendLetterRange(list, spec);
    } else {
        AppendNumberRange(list, spec);
    }
}

}  // namespace myglobal::renban
