#pragma once

#include <cstdint>
#include <string>

#include "engine/RenbanLimits.h"

// The engine's message texts, in one place.
namespace myglobal::texts {

inline constexpr const char* kMakeListError = "Error<MG_MRList>";
inline constexpr const char* kPassError = "Error<MP_MRList>";

// A figure as the messages name it: one beyond 64 bits is named as at least the largest.
inline std::string Figure(std::int64_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == renban::kUncounted ? "以上" : "");
}

// `what` has come to `n` `unit`s, over the cap of one call.
inline std::string OverCap(const char* what, std::int64_t n, std::int64_t cap, const char* unit) {
    return what + Figure(n, unit) + "になり、1 回の展開で作れる上限の " + std::to_string(cap) +
           " " + unit + "を超えるため、中止しました。";
}

inline std::string TooManyEntries(std::int64_t count) {
    return OverCap("展開すると ", count, kMaxRenbanEntries, "件");
}

inline std::string TooManyBytes(std::int64_t bytes) {
    return OverCap("展開すると URL の合計が ", bytes, kMaxRenbanBytes, "バイト");
}

inline std::string TooManyEntriesOnTheWay(std::int64_t count) {
    return OverCap("展開の途中で作っては置き換える URL が ", count, kMaxRenbanEntries, "件");
}

inline std::string TooManyBytesOnTheWay(std::int64_t bytes) {
    return OverCap("展開の途中で作っては置き換える URL の合計が ", bytes, kMaxRenbanBytes,
                   "バイト");
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
