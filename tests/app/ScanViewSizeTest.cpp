#include <gtest/gtest.h>

#include "app/ScanViewSize.h"

TEST(ScanViewSizeTest, ZoomTruncatesTowardZero) {
  EXPECT_EQ(ScanViewSize(320, 200, 10), (ViewSize{32, 20}));
  EXPECT_EQ(ScanViewSize(320, 200, 500), (ViewSize{1600, 1000}));
  EXPECT_EQ(ScanViewSize(101, 7, 15), (ViewSize{15, 1}));
}
