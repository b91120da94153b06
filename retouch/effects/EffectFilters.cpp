#include "retouch/effects/EffectFilters.h"

#include <cctype>
#include <cstring>

namespace {
bool SameIgnoringCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}
}  // namespace

int FindEffect(const std::string& name) {
  for (int k = 0; k < kEffectCount; ++k)
    if (SameIgnoringCase(name, kEffectFilters[k].FilterName)) return k;
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
