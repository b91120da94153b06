// Covers painted offscreen the way the Texts view paints them, checked at chosen pixels.
#include <gtest/gtest.h>

#include <QFontDatabase>

#include "cover/views/CoverImage.h"

namespace {
constexpr QRgb kBlue = 0xFF0000FF, kRed = 0xFFFF0000, kYellow = 0xFFFFFF00;

class CoverImageTest : public ::testing::Test {
 protected:
  // One document unit per 1/1000 picture pixel keeps the boxes easy to read.
  CoverScales scales{1000, 1000, 1.0, false, 1.0};
  ObjectTable table{scales};
  Dib picture;

  void SetUp() override {
    NewDib(picture, 200, 120, 24, nullptr, 0);
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 200; ++x) SetDibPixel(picture, x, y, 0x0000FF);
  }
  void TearDown() override { FreeDib(picture); }

  // An object with its box in picture pixels.
  CoverObject& Place(int slot, int32_t kind, int32_t subKind, int x, int y, int w, int h) {
    CoverObject& o = table[slot];
    o.Kind = kind;
    o.SubKind = subKind;
    o.X = x * 1000, o.Y = y * 1000, o.W = w * 1000, o.H = h * 1000;
    o.FontName = "Liberation Sans";
    o.FontSize = 20;
    return o;
  }
  QImage Render(double percent = 100) {
    std::string error;
    QImage image = RenderCover(picture, table, percent, 96, error);
    EXPECT_FALSE(image.isNull()) << error;
    return image;
  }
  // Pixels of `color` inside and outside a rectangle of the image.
  static std::pair<int, int> Count(const QImage& img, QRgb color, const QRect& box) {
    int in = 0, out = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == color) ++(box.contains(x, y) ? in : out);
    return {in, out};
  }
};

TEST_F(CoverImageTest, AFilledRectangleCoversItsBoxAndLeavesThePicture) {
  Place(1, kShape, 3, 40, 30, 50, 20).Color = 0x0000FF;  // red as 0x00BBGGRR
  const QImage img = Render();
  ASSERT_EQ(img.size(), QSize(200, 120));
  EXPECT_EQ(img.pixel(41, 31), kRed);
  EXPECT_EQ(img.pixel(88, 48), kRed);
  EXPECT_EQ(img.pixel(90, 50), kBlue);  // right and bottom edges are exclusive
  EXPECT_EQ(img.pixel(39, 31), kBlue);
  EXPECT_EQ(img.pixel(150, 100), kBlue);
}

TEST_F(CoverImageTest, TheZoomScalesPictureAndObjectsAlike) {
  Place(1, kShape, 3, 40, 30, 50, 20).Color = 0x0000FF;
  const QImage img = Render(200);
  ASSERT_EQ(img.size(), QSize(400, 240));
  EXPECT_EQ(img.pixel(81, 61), kRed);
  EXPECT_EQ(img.pixel(178, 98), kRed);
  EXPECT_EQ(img.pixel(79, 61), kBlue);
  std::string error;
  EXPECT_TRUE(RenderCover(picture, table, 0.1, 96, error).isNull());
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(RenderCover(picture, table, 1e6, 96, error).isNull());
}

TEST_F(CoverImageTest, ANoteCardReachesFivePixelsBeyondItsBox) {
  Place(1, kText, 1, 60, 40, 40, 30);
  const QImage img = Render();
  EXPECT_EQ(img.pixel(57, 37), kYellow);
  EXPECT_EQ(img.pixel(102, 72), kYellow);
  EXPECT_EQ(img.pixel(55, 35), 0xFF000000u);  // the card's black border
  EXPECT_EQ(img.pixel(53, 33), kBlue);
}

TEST_F(CoverImageTest, TextIsDrawnInItsColourAndClippedToItsBox) {
  CoverObject& t = Place(1, kText, 0, 30, 20, 80, 40);
  t.Color = 0x0000FF;
  t.Text = "HHHH HHHH\rHHHH\rHHHH\rHHHH\rHHHH";  // far more lines than the box holds
  const QImage img = Render();
  const auto [in, out] = Count(img, kRed, QRect(30, 20, 80, 40));
  EXPECT_GT(in, 100);
  EXPECT_EQ(out, 0);
}

TEST_F(CoverImageTest, ATextTurnedAQuarterRunsDownFromTheTopLeftCorner) {
  CoverObject& t = Place(1, kText, 0, 50, 10, 30, 100);
  t.Color = 0x0000FF;
  t.Rotation = 1;
  t.Text = "HHH\rHHH";
  const QImage img = Render();
  // Glyphs lie right of the left edge, within one character height, below the top.
  const auto [in, out] = Count(img, kRed, QRect(50, 10, 22, 110));
  EXPECT_GT(in, 100);
  EXPECT_EQ(out, 0);
  // Joined into one line, the six letters run beyond the box's 100 pixels unclipped.
  int lowest = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 50; x < 72; ++x)
      if (img.pixel(x, y) == kRed) lowest = y;
  EXPECT_GT(lowest, 10 + 60);
}

TEST_F(CoverImageTest, ASavedImageReadsBackAsThePicture) {
  Place(1, kShape, 3, 10, 10, 20, 20).Color = 0x00FF00;
  const QImage img = Render();
  Dib dib;
  ImageToDib24(img, dib);
  ASSERT_NE(dib.Bits, nullptr);
  const uint8_t* inside = DibRow(dib, 15) + 3 * 15;                   // rows counted from the top
  EXPECT_EQ(inside[0] << 16 | inside[1] << 8 | inside[2], 0x00FF00);  // blue, green, red
  const uint8_t* outside = DibRow(dib, 100) + 3 * 15;
  EXPECT_EQ(outside[0] << 16 | outside[1] << 8 | outside[2], 0xFF0000);
  FreeDib(dib);
}
}  // namespace
