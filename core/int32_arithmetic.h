#pragma once
// Bringing wider arithmetic back to int32 without overflow: sums taken in 64 bits and
// double results are held to the int32 range instead of wrapping or being undefined.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace varnimo {

inline std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Truncated toward zero and held to the int32 range; NaN gives 0.
inline std::int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<std::int32_t>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

}  // namespace varnimo
