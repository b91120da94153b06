#include <gtest/gtest.h>

#include <vector>

#include "app/WheelScroll.h"

TEST(WheelScroll, TwentyPixelsPerNotchWithTheRestKept) {
  const struct {
    std::vector<int> deltas;
    std::vector<int> pixels;
  } cases[] = {
      {{-120, 120, -240}, {20, -20, 40}},
      {{-15, -15, -15, -15, -15, -15, -15, -15}, {2, 3, 2, 3, 2, 3, 2, 3}},
      {{-1, -1, -1, -1, -1, -1}, {0, 0, 0, 0, 0, 1}},
      {{-4, 4, 4, -4}, {0, 0, -1, 0}},  // a turn of the wheel drops the rest
      {{7, 7, 7}, {-1, -1, -1}},
  };
  for (const auto& c : cases) {
    WheelScroll wheel;
    std::vector<int> got;
    for (int d : c.deltas) got.push_back(wheel.pixels(d, &c));
    EXPECT_EQ(got, c.pixels) << c.deltas.size();
  }
  // Every step that divides a notch adds up to 20 pixels per notch, either way.
  for (int step : {1, 2, 3, 4, 5, 8, 10, 12, 15, 20, 24, 30, 40, 60, 120}) {
    for (int sign : {-1, 1}) {
      WheelScroll wheel;
      int sum = 0;
      for (int i = 0; i < 3 * 120 / step; ++i) sum += wheel.pixels(sign * step, &wheel);
      EXPECT_EQ(sum, -sign * 60) << step;
    }
  }
  WheelScroll wheel;
  int a = 0, b = 0;
  EXPECT_EQ(wheel.pixels(-5, &a), 0);
  EXPECT_EQ(wheel.pixels(-5, &b), 0);  // another area starts afresh
  EXPECT_EQ(wheel.pixels(-1, &b), 1);
}
