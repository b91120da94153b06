#include <gtest/gtest.h>

#include <cmath>

#include "print/SheetLayout.h"
#include "print/settings/Calibration.h"

namespace {
PaperFormat TwoByFive() {
  PaperFormat t;
  t.columns = 2;
  t.rows = 5;
  t.width = 100;
  t.height = 50;
  t.stepAcross = 105;
  t.stepDown = 55;
  t.leftMargin = 10;
  t.topMargin = 20;
  return t;
}

std::vector<std::pair<int, int>> Cells(const std::vector<SheetPosition>& ps) {
  std::vector<std::pair<int, int>> out;
  for (const auto& p : ps) out.emplace_back(p.col, p.row);
  return out;
}
}  // namespace

TEST(SheetLayoutTest, TwelveCopiesAfterThreeUsedFillTwoPages) {
  const SheetLayout l = LayoutFor(TwoByFive(), 3, 12);
  EXPECT_EQ(l.perSheet, 10);
  EXPECT_EQ(l.first, 3);
  EXPECT_EQ(l.last, 14);
  EXPECT_EQ(l.pages, 2);
  const auto page1 = l.onSheet(0);
  ASSERT_EQ(page1.size(), 7u);
  EXPECT_EQ(page1.front().k, 3);
  EXPECT_EQ(page1.back().k, 9);
  EXPECT_EQ(Cells(page1), (std::vector<std::pair<int, int>>{
                              {1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {0, 4}, {1, 4}}));
  const auto page2 = l.onSheet(1);
  ASSERT_EQ(page2.size(), 5u);
  EXPECT_EQ(page2.front().k, 10);
  EXPECT_EQ(Cells(page2),
            (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}}));
  for (const auto& p : page2) EXPECT_EQ(p.sheet, 1);
  EXPECT_TRUE(l.onSheet(2).empty());
  EXPECT_EQ(CorrectPage(5, l.pages), 2);
  EXPECT_EQ(CorrectPage(1, l.pages), 1);
}

TEST(SheetLayoutTest, UsedPositionsAreAtMostOneLessThanTheSheet) {
  EXPECT_EQ(CorrectUsed(TwoByFive(), 12), 9);
  EXPECT_EQ(CorrectUsed(TwoByFive(), 9), 9);
  EXPECT_EQ(CorrectUsed(TwoByFive(), 8), 8);
  PaperFormat single;
  EXPECT_EQ(CorrectUsed(single, 5), 0);
}

TEST(SheetLayoutTest, OneCopyAfterNineUsedIsBottomRightOfPageOne) {
  const SheetLayout l = LayoutFor(TwoByFive(), 9, 1);
  EXPECT_EQ(l.pages, 1);
  EXPECT_EQ(Cells(l.onSheet(0)), (std::vector<std::pair<int, int>>{{1, 4}}));
  const SheetLayout full = LayoutFor(TwoByFive(), 0, 10);
  EXPECT_EQ(full.pages, 1);
  EXPECT_EQ(full.onSheet(0).size(), 10u);
}

TEST(SheetLayoutTest, ImpossibleCountsNeverDivideByZero) {
  PaperFormat broken;
  broken.columns = 0;
  broken.rows = -3;
  const SheetLayout l = LayoutFor(broken, 0, 3);
  EXPECT_EQ(l.pages, 3);
  EXPECT_EQ(CorrectUsed(broken, 4), 0);
}

TEST(PreviewGeometryTest, ZoomFiftyHalvesPageElementAndPositions) {
  // A4 at 600 dpi on a 96 dpi screen.
  EXPECT_EQ(PreviewSize(4960, 7016, 96, 600, 100), (PixelSize{793, 1122}));
  EXPECT_EQ(PreviewSize(4960, 7016, 96, 600, 50), (PixelSize{396, 561}));
  PaperFormat t = TwoByFive();
  t.width = t.height = 120.6497625;  // 4.75 inch
  t.leftMargin = 25.39995;
  t.stepAcross = t.width;
  EXPECT_EQ(PreviewElementSize(t, 96, 100), (PixelSize{456, 456}));
  EXPECT_EQ(PreviewElementSize(t, 96, 50), (PixelSize{228, 228}));
  SheetPosition p;
  p.col = 1;
  EXPECT_EQ(PreviewElementPos(t, p, 96, 100).x, 96 + 456);
  EXPECT_EQ(PreviewElementPos(t, p, 96, 50).x, (96 + 456) / 2);
}

TEST(PreviewGeometryTest, CoverFollowsSizeAndDisplacement) {
  CoverSettings c;
  c.sizePercent = 50;
  c.leftInch = -1;
  c.topInch = 0.5;
  EXPECT_EQ(PreviewCover(c, 456, 1000, 500, 96, 100), (PixelRect{-96, 48, 228, 114}));
  EXPECT_EQ(PreviewCover(c, 456, 0, 500, 96, 100).h, 0);
}

TEST(CalibrationMathTest, MarginLessPrintableOffsetGivesPrinterPixels) {
  PaperFormat t = TwoByFive();
  t.leftMargin = 10;
  Calibration c;
  c.left = 4;
  EXPECT_EQ(PrintElementPos(t, c, SheetPosition{}, 600, 600).x, 141);
  c.left = 12;  // margin smaller than the offset: left of the printable area
  EXPECT_LT(PrintElementPos(t, c, SheetPosition{}, 600, 600).x, 0);
}

TEST(CalibrationMathTest, MeasuredWidthShrinksEveryHorizontalLength) {
  PaperFormat t = TwoByFive();
  t.width = 100;
  Calibration c;
  EXPECT_EQ(PrintElementSize(t, c, 600, 600).w, 2362);
  c.width = 98;
  EXPECT_EQ(PrintElementSize(t, c, 600, 600).w, 2314);
  SheetPosition p;
  p.col = 1;
  c.left = 0;
  t.leftMargin = 0;
  EXPECT_EQ(PrintElementPos(t, c, p, 600, 600).x, int(98 * (105 / 25.39995) / 100 * 600));
  CoverSettings s;
  s.leftInch = 1;
  EXPECT_EQ(PrintCover(s, c, 2314, 10, 10, 600, 600).x, 588);
  EXPECT_EQ(TestRectangleSize(600, 300), (PixelSize{2362, 1181}));
  // What a job allocates: 4 bytes a pixel with the bleed, three copies when clipped.
  EXPECT_EQ(PrintElementBytes({100, 50}, {}, false), 100u * 50 * 4);
  EXPECT_EQ(PrintElementBytes({100, 50}, {3, 5}, true), 106u * 60 * 4 * 3);
  EXPECT_EQ(PrintElementBytes({-1, 50}, {}, false), 0u);
  EXPECT_GT(PrintElementBytes({18661, 18661}, {}, false), kMaxPrintElementBytes);  // 790 mm
  EXPECT_LE(PrintElementBytes({12283, 12283}, {}, false), kMaxPrintElementBytes);  // 520 mm
  EXPECT_GT(PrintElementBytes({12283, 12283}, {}, true), kMaxPrintElementBytes);
  EXPECT_TRUE(PrinterUsable(600, 600));
  EXPECT_FALSE(PrinterUsable(600, 300));
}

TEST(PreviewGeometryTest, TruncationForgivesOnlyBinaryRoundingError) {
  EXPECT_EQ(TruncPixels(455.99999999999994), 456);
  EXPECT_EQ(TruncPixels(455.9), 455);
  EXPECT_EQ(TruncPixels(-0.5), 0);
  EXPECT_EQ(TruncPixels(-95.99999999999999), -96);
  EXPECT_EQ(TruncPixels(-95.9), -95);
  EXPECT_EQ(TruncPixels(1e300), INT32_MAX);
  EXPECT_EQ(TruncPixels(std::nan("")), 0);
}
