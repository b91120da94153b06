#include "retouch/effects/EffectFilters.h"

#include <cstring>

#include "platform/AnsiText.h"

int FindEffect(const std::string& name) {
  for (int k = 0; k < kEffectCount; ++k)
    if (AsciiLower(name) == AsciiLower(kEffectFilters[k].FilterName)) return k;
  return -1;
}

int TableIndexOf(const EffectFilter& f) {
  for (int k = 0; k < kEffectCount; ++k) {
    const EffectFilter& e = kEffectFilters[k];
    if (e.Divisor == f.Divisor && e.Bias == f.Bias &&
        std::memcmp(e.Matrix, f.Matrix, sizeof e.Matrix) == 0)
      return k;
  }
  return -1;
}
