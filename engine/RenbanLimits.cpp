#include "engine/RenbanLimits.h"

#include "engine/RenbanTexts.h"

namespace myglobal::renban {

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? kUncounted : sum;
}

std::int64_t SaturatingMul(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? kUncounted : product;
}

void CheckResult(const Figures& result) {
    if (result.entries > kMaxRenbanEntries) {
        throw RenbanRefused(texts::TooManyEntries(result.entries));
    }
    if (result.bytes > kMaxRenbanBytes) throw RenbanRefused(texts::TooManyBytes(result.bytes));
}

void CheckOnTheWay(const Figures& replaced) {
    if (replaced.entries > kMaxRenbanEntries) {
        throw RenbanRefused(texts::TooManyEntriesOnTheWay(replaced.entries));
    }
    if (replaced.bytes > kMaxRenbanBytes) {
        throw RenbanRefused(texts::TooManyBytesOnTheWay(replaced.bytes));
    }
}

}  // namespace myglobal::renban
