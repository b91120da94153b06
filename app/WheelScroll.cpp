#include "app/WheelScroll.h"

int WheelScroll::pixels(int angleDelta, const void* target) {
  const int64_t units = -int64_t(angleDelta);
  if (target != target_ || (rest_ < 0) != (units < 0)) rest_ = 0;
  target_ = target;
  const int64_t total = rest_ + units;
  constexpr int64_t unitsPerPixel = kUnitsPerNotch / kPixelsPerNotch;
  const int64_t px = total / unitsPerPixel;  // toward zero: the rest keeps the sign
  rest_ = total - px * unitsPerPixel;
  return int(px);
}
