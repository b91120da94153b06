#include <gtest/gtest.h>

#include "print/CenterLayout.h"

TEST(CenterLayoutTest, ViewIsTheElementAtTheZoomOrAFallbackSquare) {
  PaperFormat t;
  t.width = t.height = 120.6497625;  // 4.75 inch
  EXPECT_EQ(CenterViewSize(&t, 96, 100), (PixelSize{456, 456}));
  EXPECT_EQ(CenterViewSize(&t, 96, 200), (PixelSize{912, 912}));
  EXPECT_EQ(CenterViewSize(nullptr, 96, 200), (PixelSize{300, 300}));
}

TEST(CenterLayoutTest, CoverTakesItsSizeAndDisplacement) {
  CoverSettings c;
  c.sizePercent = 50;
  EXPECT_EQ(CenterCover(c, {456, 456}, 1000, 500, 96, 100), (PixelRect{0, 0, 228, 114}));
  c.sizePercent = 100;
  EXPECT_EQ(CenterCover(c, {300, 300}, 1000, 500, 96, 100), (PixelRect{0, 0, 300, 150}));
  c.leftInch = -0.5;
  c.topInch = 1;
  EXPECT_EQ(CenterCover(c, {456, 456}, 1000, 1000, 96, 200), (PixelRect{-96, 192, 456, 456}));
  EXPECT_EQ(CenterCover(c, {456, 456}, 0, 1000, 96, 100).h, 0);  // no picture width: no height
}
