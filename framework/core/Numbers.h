#pragma once

#include <cstdint>

// Number services of the framework: powers and the conversion of a Double to Int32.
namespace fw {

double Pow(double base, double exponent);

// Truncates toward zero and saturates at the Int32 bounds; NaN gives 0. A plain cast would be
// undefined for values outside Int32, and user text can produce any Double.
std::int32_t ToInt32(double value);

// True when the value, truncated toward zero, is an Int32 (so ToInt32 needs no saturation).
bool FitsInt32(double value);

}  // namespace fw
