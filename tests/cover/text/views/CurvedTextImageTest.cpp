// Curved text painted offscreen: its pixels stay in the ring its lines may fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "cover/views/CoverImage.h"
#include "platform/device/views/QtDevice.h"

namespace {
class CurvedTextImageTest : public ::testing::Test {
 protected:
  CoverScales scales{1000, 1000, 1.0, false, 1.0};  // one picture pixel per image pixel
  ObjectTable table{scales};
  Dib picture;

  void SetUp() override {
    NewDib(picture, 240, 200, 24, nullptr, 0);
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 240; ++x) SetDibPixel(picture, x, y, 0x0000FF);  // blue
  }
  void TearDown() override { FreeDib(picture); }

  // A text in the box (x, y, w, h), picture pixels, 12-pixel letters.
  CoverObject& Place(const std::string& text, int x, int y, int w, int h, TextLayout layout) {
    CoverObject& o = table[1];
    o.Kind = kText;
    o.X = x * 1000, o.Y = y * 1000, o.W = w * 1000, o.H = h * 1000;
    o.FontName = "Liberation Sans";
    o.FontSize = 12;
    o.Color = 0xFFFFFF;
    o.Text = text;
    o.Align = 1;
    table.layout(1) = layout;
    return o;
  }
  QImage Render() {
    std::string error;
    QImage image = RenderCover(picture, table, 100, 96, error);
    EXPECT_FALSE(image.isNull()) << error;
    return image;
  }
  double LineHeight(QImage& img) {
    QtDevice dc(img);
    LogFont f;
    f.height = -12;
    f.faceName = "Liberation Sans";
    const FontMetrics m = dc.GetFontMetrics(f);
    return m.ascent + m.descent;
  }
};

TEST_F(CurvedTextImageTest, LettersLieBetweenTheCircleAndTheCircleInsetByTheLines) {
  struct Case {
    TextShape shape;
    int rotation, arc;
    std::string text;
  };
  const Case cases[] = {
      {TextShape::TopArc, 0, 180, "CURVED TEXT ALONG THE TOP\rand a second line"},
      {TextShape::BottomArc, 0, 150, "Bottom of the disc, gjpqy\rsecond\rthird"},
      {TextShape::TopArc, 1, 360, std::string(60, 'W')},  // shrunk to fit all around
      {TextShape::BottomArc, 3, 90, "turned"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CoverObject& o = Place(c.text, 40, 20, 160, 160, TextLayout{c.shape, c.arc, 10});
    o.Rotation = c.rotation;
    QImage img = Render();
    const int lines = 1 + int(std::count(o.Text.begin(), o.Text.end(), '\r'));
    const double outer = 80, inner = 80 - lines * LineHeight(img);
    int text = 0, misplaced = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        if (img.pixel(x, y) == 0xFF0000FF) continue;  // the blue picture
        ++text;
        // Pixel centres; half a pixel of anti-aliasing either side.
        const double r = std::hypot(x + 0.5 - 120, y + 0.5 - 100);
        if (r > outer + 1 || r < inner - 1) ++misplaced;
      }
    EXPECT_GT(text, 200);
    EXPECT_EQ(misplaced, 0);
  }
}

TEST_F(CurvedTextImageTest, TopArcTextStaysAboveTheMiddleAndBottomArcTextBelowIt) {
  for (TextShape shape : {TextShape::TopArc, TextShape::BottomArc}) {
    Place("Along the rim", 40, 60, 160, 80, TextLayout{shape, 120, 0});  // an ellipse
    const QImage img = Render();
    int above = 0, below = 0, outside = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        if (img.pixel(x, y) == 0xFF0000FF) continue;
        ++(y < 100 ? above : below);
        const double ex = (x + 0.5 - 120) / 81, ey = (y + 0.5 - 100) / 41;
        outside += ex * ex + ey * ey > 1;
      }
    EXPECT_GT(shape == TextShape::TopArc ? above : below, 100);
    EXPECT_EQ(shape == TextShape::TopArc ? below : above, 0);
    EXPECT_EQ(outside, 0);
  }
}
}  // namespace
