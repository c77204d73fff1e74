#pragma once

#include <cstdint>
#include <string>

#include "engine/RenbanLimits.h"

// The engine's message texts, in one place.
namespace myglobal::texts {

inline constexpr const char* kMakeListError = "Error<MG_MRList>";
inline constexpr const char* kPassError = "Error<MP_MRList>";

inline std::string TooManyEntries(std::int64_t count) {
    return "展開すると " + std::to_string(count) + " 件になり、1 回の展開で作れる上限の " +
           std::to_string(kMaxRenbanEntries) + " 件を超えるため、中止しました。";
}

inline std::string TooManyBytes() {
    return "展開した URL の合計が 1 回の展開で作れる上限の " + std::to_string(kMaxRenbanBytes) +
           " バイトを超えるため、中止しました。";
}

inline std::string EntryTooLong() {
    return "展開した URL が 1 件で上限の " + std::to_string(kMaxRenbanEntryBytes) +
           " バイトを超えるため、中止しました。";
}

inline std::string NumberTooLarge() {
    return "範囲の値が大きすぎるため、中止しました（数字は 0 から 2147483646 まで）。";
}

inline std::string LetterTooLarge() {
    return "範囲の値が大きすぎるため、中止しました（英字は a から gytisyx まで）。";
}

}  // namespace myglobal::texts
