#pragma once
// The mouse wheel's angle turned into scroll pixels: 20 pixels per 120 units (one notch of a
// common wheel). High-resolution wheels and touchpads send small steps; their rest is kept.
#include <cstdint>

class WheelScroll {
 public:
  static constexpr int kPixelsPerNotch = 20;
  static constexpr int kUnitsPerNotch = 120;

  // Pixels to scroll down (negative: up) for a wheel step of `angleDelta` (positive: away from
  // the user). The rest is dropped when `target` (the scrolled area) changes or the wheel turns.
  int pixels(int angleDelta, const void* target);

 private:
  int64_t rest_ = 0;  // units toward the user not yet scrolled
  const void* target_ = nullptr;
};
