#include "framework/core/Numbers.h"

#include <cmath>
#include <limits>

namespace fw {

double Pow(double base, double exponent) {
    return std::pow(base, exponent);
}

bool FitsInt32(double value) {
    // Truncation keeps every value above INT32_MIN - 1 and below INT32_MAX + 1 inside Int32.
    return value > -2147483649.0 && value < 2147483648.0;
}

std::int32_t ToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (FitsInt32(value)) return static_cast<std::int32_t>(value);
    return value < 0 ? std::numeric_limits<std::int32_t>::min()
                     : std::numeric_limits<std::int32_t>::max();
}

}  // namespace fw
