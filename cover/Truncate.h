#pragma once
// Conversions from floating point truncate toward zero and saturate at the 32-bit range.
#include <cmath>
#include <cstdint>
#include <limits>

inline int32_t TruncI32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}
