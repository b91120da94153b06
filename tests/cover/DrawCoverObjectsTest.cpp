#include <gtest/gtest.h>

#include "cover/DrawCoverObjects.h"
#include "cover/DrawPictureObject.h"
#include "platform/device/RecordingDevice.h"

namespace {
using Args = std::vector<long long>;

// Scales chosen so that document units convert exactly: 1024 units are one device pixel at P = 1.
class DrawCoverObjectsTest : public ::testing::Test {
 protected:
  CoverScales scales;
  ObjectTable table{scales};
  RecordingDevice dc;
  static constexpr double kScale = 1.0 / 1024;

  void SetUp() override { scales.BaseScale = 1024; }

  CoverObject& Shape(int slot, int form, int x, int y, int w, int h) {
    CoverObject& o = table[slot];
    o.Kind = kShape;
    o.SubKind = form;
    o.X = x * 1024, o.Y = y * 1024, o.W = w * 1024, o.H = h * 1024;
    o.LineWidth = 1;
    return o;
  }
  CoverObject& Text(int slot, const std::string& text, int x, int y, int w, int h) {
    CoverObject& o = Shape(slot, 0, x, y, w, h);
    o.Kind = kText;
    o.Text = text;
    o.FontName = "Liberation Serif";
    o.FontSize = 12;
    return o;
  }
  void Draw(int xo = 0, int yo = 0, double p = 1.0) {
    DrawCoverObjects(dc, table, xo, yo, kScale * p);
  }
};

TEST_F(DrawCoverObjectsTest, EmptyTableDrawsNothingAndLeavesTheViewScaleOn) {
  scales.RenderScale = 7.0;
  Draw();
  EXPECT_TRUE(dc.calls.empty());
  EXPECT_FALSE(scales.UseRenderScale);
  EXPECT_EQ(scales.RenderScale, 7.0);
}

TEST_F(DrawCoverObjectsTest, RenderScaleIsOnOnlyWhileDrawing) {
  struct Probe : RecordingDevice {
    const CoverScales* s = nullptr;
    std::vector<int> seen;
    void Rectangle(int l, int t, int r, int b) override {
      seen.push_back(s->UseRenderScale ? int(s->RenderScale * 1024) : -1);
      RecordingDevice::Rectangle(l, t, r, b);
    }
  } probe;
  probe.s = &scales;
  Shape(1, 3, 0, 0, 10, 10);
  DrawCoverObjects(probe, table, 0, 0, 2.0 / 1024);
  EXPECT_EQ(probe.seen, std::vector<int>{2});
  EXPECT_FALSE(scales.UseRenderScale);
}

TEST_F(DrawCoverObjectsTest, ElementOutputsScaleByTheDrawnWidth) {
  EXPECT_EQ(RenderScaleFor(640, 320, 1024), 2.0 / 1024);
  EXPECT_EQ(RenderScaleFor(640, 0, 1024), 0.0);
  Shape(1, 3, 10, 20, 30, 40);
  Draw(-100, -50, 2.0);  // the picture drawn at (100, 50) twice its size
  EXPECT_EQ(dc.named("Rectangle")[0].args, (Args{120, 90, 180, 170}));
}

TEST_F(DrawCoverObjectsTest, CircleAndRoundedSquareInAWideBox) {
  Shape(1, 0, 10, 20, 100, 40);
  Shape(2, 4, 10, 20, 100, 40);
  Draw(-5, 3);
  ASSERT_EQ(dc.count("Ellipse"), 1);
  EXPECT_EQ(dc.named("Ellipse")[0].args, (Args{15, 17, 55, 57}));
  ASSERT_EQ(dc.count("RoundRect"), 1);
  EXPECT_EQ(dc.named("RoundRect")[0].args, (Args{15, 17, 55, 57, 33, 13}));
}

TEST_F(DrawCoverObjectsTest, EveryFormDrawsItsFigure) {
  for (int form = 1; form <= 9; ++form) Shape(form, form, 10, 20, 30, 40);
  Draw();
  EXPECT_EQ(dc.named("Ellipse")[0].args, (Args{10, 20, 40, 60}));
  EXPECT_EQ(dc.named("Rectangle")[0].args, (Args{10, 20, 40, 50}));
  EXPECT_EQ(dc.named("Rectangle")[1].args, (Args{10, 20, 40, 60}));
  EXPECT_EQ(dc.named("RoundRect")[0].args, (Args{10, 20, 40, 50, 10, 13}));
  EXPECT_EQ(dc.named("RoundRect")[1].args, (Args{10, 20, 40, 60, 10, 13}));
  const auto lines = dc.named("Line");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].args, (Args{10, 20, 40, 20}));
  EXPECT_EQ(lines[1].args, (Args{10, 20, 10, 60}));
  EXPECT_EQ(lines[2].args, (Args{10, 60, 40, 20}));
  EXPECT_EQ(lines[3].args, (Args{10, 20, 40, 60}));
}

TEST_F(DrawCoverObjectsTest, EachAccessorIsTruncatedByItself) {
  CoverObject& o = Shape(1, 3, 0, 0, 0, 0);
  o.X = 614, o.W = 614, o.Y = 0, o.H = 2048;  // 0.6 px each: right edge 0, not 1
  Draw();
  EXPECT_EQ(dc.named("Rectangle")[0].args, (Args{0, 0, 0, 2}));
}

TEST_F(DrawCoverObjectsTest, PenWidthFollowsTheScaleButNeverDropsBelowOne) {
  Shape(1, 3, 0, 0, 10, 10).LineWidth = 0;
  Shape(2, 3, 0, 0, 10, 10).LineWidth = 3;
  Draw(0, 0, 2.5);
  const auto widths = dc.named("SetPenWidth");
  ASSERT_EQ(widths.size(), 4u);
  EXPECT_EQ(widths[0].args[0], 1);
  EXPECT_EQ(widths[2].args[0], 7);  // trunc(3 * 2.5)
  EXPECT_EQ(dc.penWidth, 1);
  EXPECT_EQ(dc.brushStyle, BrushStyle::Solid);
}

TEST_F(DrawCoverObjectsTest, FillModesChooseTheColours) {
  CoverObject& filled = Shape(1, 3, 0, 0, 10, 10);
  filled.Color = 0x0000FF, filled.BorderColor = 0x00FF00, filled.FillOrShadow = 0;
  CoverObject& border = Shape(2, 3, 0, 0, 10, 10);
  border.Color = 0x0000FF, border.BorderColor = 0x00FF00, border.FillOrShadow = 1;
  CoverObject& both = Shape(3, 3, 0, 0, 10, 10);
  both.Color = 0x0000FF, both.BorderColor = 0x00FF00, both.FillOrShadow = 2;
  CoverObject& line = Shape(4, 6, 0, 0, 10, 10);
  line.Color = 0xFF0000, line.BorderColor = 0x00FF00, line.FillOrShadow = 2;
  Draw();
  const std::vector<std::string> expected = {
      "SetBrushStyle", "SetPenColor",   "SetBrushColor", "SetPenWidth",   "Rectangle",
      "SetPenWidth",   "SetBrushStyle", "SetBrushStyle", "SetPenColor",   "SetBrushStyle",
      "SetPenWidth",   "Rectangle",     "SetPenWidth",   "SetBrushStyle", "SetBrushStyle",
      "SetPenColor",   "SetBrushColor", "SetPenWidth",   "Rectangle",     "SetPenWidth",
      "SetBrushStyle", "SetBrushStyle", "SetPenColor",   "SetBrushColor", "SetPenWidth",
      "Line",          "SetPenWidth",   "SetBrushStyle"};
  EXPECT_EQ(dc.names(), expected);
  const auto pens = dc.named("SetPenColor");
  EXPECT_EQ(pens[0].args[0], 0x0000FF);
  EXPECT_EQ(pens[1].args[0], 0x00FF00);
  EXPECT_EQ(pens[2].args[0], 0x00FF00);
  EXPECT_EQ(pens[3].args[0], 0xFF0000);
  EXPECT_EQ(dc.named("SetBrushStyle")[3].args[0], 1);  // only border: no fill
}

TEST_F(DrawCoverObjectsTest, FontIsMadeFromTheObject) {
  CoverObject& t = Text(1, "Hi", 0, 0, 50, 20);
  t.FontStyle = 1 | 2 | 4 | 8;
  t.FontSize = 12;
  DrawCoverObjects(dc, table, 0, 0, kScale * 2, 120, 96);
  const auto fonts = dc.named("SelectFont");
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[0].args, (Args{-30, 3600, 3600, 700, 1, 1, 1}));  // 12 * 2 * 120 / 96
  EXPECT_EQ(fonts[0].text, "Liberation Serif");
  EXPECT_EQ(dc.font, LogFont{});  // the device's own font is selected again
  t.FontStyle = 0;
  t.Rotation = 3;
  dc.calls.clear();
  Draw();
  EXPECT_EQ(dc.named("SelectFont")[0].args, (Args{-12, 900, 900, 400, 0, 0, 0}));
}

TEST_F(DrawCoverObjectsTest, UnrotatedTextIsFormattedIntoItsBoxWithTheAlignment) {
  Text(1, "A & B\rC", 10, 20, 50, 30).Align = 1;
  Text(2, "x", 0, 0, 5, 5).Align = 2;
  Text(3, "y", 0, 0, 5, 5).Align = 7;
  Draw(2, 4);
  const auto texts = dc.named("DrawText");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "A & B\rC");
  EXPECT_EQ(texts[0].args, (Args{8, 16, 58, 46, DT_WORDBREAK | DT_NOPREFIX | DT_CENTER}));
  EXPECT_EQ(texts[1].args[4], DT_WORDBREAK | DT_NOPREFIX | DT_RIGHT);
  EXPECT_EQ(texts[2].args[4], DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
  EXPECT_EQ(dc.textAlign, TA_LEFT_TOP);
  EXPECT_EQ(dc.bkMode, TRANSPARENT);
}

TEST_F(DrawCoverObjectsTest, ThreeLinesTurnedAQuarterAreOneLineFromTheTopLeftCorner) {
  Text(1, "one\rtwo\rthree", 10, 20, 50, 30).Rotation = 1;
  Draw(-1, -2);
  EXPECT_EQ(dc.count("DrawText"), 0);
  const auto out = dc.named("TextOut");
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].args, (Args{11, 22}));
  EXPECT_EQ(out[0].text, "one two three");
  EXPECT_EQ(dc.textAlign, TA_BASELINE);
  EXPECT_EQ(dc.named("SelectFont")[0].args[1], 2700);
}

TEST_F(DrawCoverObjectsTest, UpsideDownAndUpwardTextStartAtTheirCorners) {
  Text(1, "a", 10, 20, 50, 30).Rotation = 2;
  Text(2, "b", 10, 20, 50, 30).Rotation = 3;
  Draw();
  const auto out = dc.named("TextOut");
  EXPECT_EQ(out[0].args, (Args{60, 20}));
  EXPECT_EQ(out[1].args, (Args{60, 50}));
}

TEST_F(DrawCoverObjectsTest, NoteCardShadowOutlineAndMainTextInThatOrder) {
  CoverObject& t = Text(1, "n", 10, 20, 50, 30);
  t.SubKind = 1;
  t.ShadowOn = true, t.BorderOn = true;
  t.FillOrShadow = 0x808080, t.BorderColor = 0x00FF00, t.Color = 0x0000FF;
  Draw();
  ASSERT_EQ(dc.count("Rectangle"), 1);
  EXPECT_EQ(dc.named("Rectangle")[0].args, (Args{5, 15, 65, 55}));
  EXPECT_EQ(dc.brushColor, RGB(255, 255, 0));
  const auto texts = dc.named("DrawText");
  ASSERT_EQ(texts.size(), 6u);      // shadow, 4 outline copies, main
  EXPECT_EQ(texts[0].args[0], 15);  // shadow 5 pixels to the right
  EXPECT_EQ(texts[5].args, (Args{10, 20, 60, 50, DT_WORDBREAK | DT_NOPREFIX}));
  const auto colours = dc.named("SetTextColor");
  ASSERT_EQ(colours.size(), 4u);
  EXPECT_EQ(colours[1].args[0], 0x808080);
  EXPECT_EQ(colours[2].args[0], 0x00FF00);
  EXPECT_EQ(colours[3].args[0], 0x0000FF);
  // The card keeps its 5-pixel margin at any scale.
  dc.calls.clear();
  Draw(0, 0, 4.0);
  EXPECT_EQ(dc.named("Rectangle")[0].args, (Args{35, 75, 245, 205}));
}

TEST_F(DrawCoverObjectsTest, OutlineUsesTheDiagonalCopiesBelowTenAndWiderFromTen) {
  CoverObject& t = Text(1, "o", 10, 20, 50, 30);
  t.BorderOn = true;
  Draw(0, 0, 9.0);
  auto texts = dc.named("DrawText");
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].args[0], 89);  // x = Left - 1
  EXPECT_EQ(texts[0].args[1], 179);
  EXPECT_EQ(texts[3].args[0], 91);
  EXPECT_EQ(texts[3].args[1], 181);
  dc.calls.clear();
  Draw(0, 0, 10.0);
  texts = dc.named("DrawText");
  ASSERT_EQ(texts.size(), 17u);  // 4 x 4 positions off the centre lines, then the main text
  EXPECT_EQ(texts[0].args[0], 98);
  EXPECT_EQ(texts[15].args[1], 202);
}

TEST_F(DrawCoverObjectsTest, RotatedOutlineMovesTheReferenceCorner) {
  CoverObject& t = Text(1, "o", 10, 20, 50, 30);
  t.BorderOn = true;
  t.Rotation = 3;
  Draw();
  const auto out = dc.named("TextOut");
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[0].args, (Args{59, 49}));
  EXPECT_EQ(out[1].args, (Args{59, 51}));
  EXPECT_EQ(out[2].args, (Args{61, 49}));
  EXPECT_EQ(out[4].args, (Args{60, 50}));
}

TEST_F(DrawCoverObjectsTest, NegativeShadowFallsToTheLeft) {
  CoverObject& t = Text(1, "s", 10, 20, 50, 30);
  t.ShadowOn = true;
  t.ShadowDX = -3;
  t.ShadowDY = 2;
  Draw(0, 0, 1.5);
  const auto texts = dc.named("DrawText");
  // Left 15, shift -4.5: trunc(10.5) = 10; top 30 + 3 = 33; right 90 - 4.5 -> 85.
  EXPECT_EQ(texts[0].args, (Args{10, 33, 85, 78, DT_WORDBREAK | DT_NOPREFIX}));
  t.Rotation = 1;
  dc.calls.clear();
  Draw(0, 0, 1.5);
  EXPECT_EQ(dc.named("TextOut")[0].args, (Args{11, 33}));  // trunc(-4.5) = -4
}

TEST_F(DrawCoverObjectsTest, SlotsDrawInOrderAndForeignKindsAreSkipped) {
  Text(2, "top", 0, 0, 5, 5);
  Shape(1, 3, 0, 0, 5, 5);
  Shape(3, 3, 0, 0, 5, 5).Kind = 3;
  Shape(ObjectTable::kSlots, 1, 0, 0, 5, 5);
  Draw();
  std::vector<std::string> drawn;
  for (const auto& n : dc.names())
    if (n == "Rectangle" || n == "DrawText" || n == "Ellipse") drawn.push_back(n);
  EXPECT_EQ(drawn, (std::vector<std::string>{"Rectangle", "DrawText", "Ellipse"}));
}

TEST_F(DrawCoverObjectsTest, TinyOutputKeepsAOnePixelFontAndHugeDistancesStayInRange) {
  CoverObject& t = Text(1, "t", 10, 20, 50, 30);
  t.FontSize = 1;
  t.ShadowOn = true;
  t.ShadowDX = 2000000000;
  Draw(0, 0, 0.01);
  EXPECT_EQ(dc.named("SelectFont")[0].args[0], -1);
  dc.calls.clear();
  Draw(0, 0, 10.0);
  EXPECT_EQ(dc.named("DrawText")[0].args[2], 2147483647);
}

// A 4 x 2 picture whose pixel (x, y) is the colour 0x0000YX (24 bits), or index 10 y + x (8 bits).
std::shared_ptr<const PicturePixels> Pixels(int bits, std::vector<uint8_t> alpha = {}, int w = 4,
                                            int h = 2) {
  Dib dib;
  NewDib(dib, w, h, bits, nullptr, 0);
  for (int i = 0; i < PaletteEntryCount(bits); ++i)
    SetDibColor(dib, i, uint8_t(i), 0, uint8_t(255 - i), false);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      SetDibPixel(dib, x, y, bits == 24 ? uint32_t(y << 4 | x) : 10 * y + x);
  std::string error;
  auto p = PicturePixels::Make(dib, std::move(alpha), error);
  EXPECT_TRUE(p) << error;
  return p;
}

// Blue of a premultiplied pixel of the recorded image: the picture's 0xYX code when opaque.
int At(const RecordingDevice::Call& c, int x, int y) {
  return c.row[size_t(4 * (y * c.args[2] + x))];
}

TEST_F(DrawCoverObjectsTest, PicturesFitTurnAndMirrorIntoTheirBoxAndAreClippedToIt) {
  struct Case {
    PictureFit fit;
    int turns;
    bool mirrorX, mirrorY;
    Args placed;               // x, y, w, h of the image handed over
    int topLeft, bottomRight;  // source codes 0xYX at its corners
  } cases[] = {
      {PictureFit::Contain, 0, false, false, {10, 22, 8, 4}, 0x00, 0x13},
      {PictureFit::Cover, 0, false, false, {10, 20, 8, 8}, 0x01, 0x12},  // 16 x 8, middle kept
      {PictureFit::Stretch, 0, false, false, {10, 20, 8, 8}, 0x00, 0x13},
      {PictureFit::Contain, 1, false, false, {12, 20, 4, 8}, 0x10, 0x03},  // clockwise
      {PictureFit::Contain, 3, false, false, {12, 20, 4, 8}, 0x03, 0x10},
      {PictureFit::Contain, 2, false, false, {10, 22, 8, 4}, 0x13, 0x00},
      {PictureFit::Stretch, 0, true, false, {10, 20, 8, 8}, 0x03, 0x10},
      {PictureFit::Stretch, 0, false, true, {10, 20, 8, 8}, 0x10, 0x03},
      {PictureFit::Stretch, 1, true, false, {10, 20, 8, 8}, 0x00, 0x13},  // turned, then mirrored
  };
  for (const Case& k : cases) {
    PictureSettings s;
    s.fit = k.fit, s.turns = uint8_t(k.turns), s.mirrorX = k.mirrorX, s.mirrorY = k.mirrorY;
    s.keyed = true, s.key = 0xFFFFFF;  // a key no pixel has: every pixel handed over with alpha
    table.clearAll();
    ASSERT_EQ(table.createPicture(Pixels(24), 10 * 1024, 20 * 1024, 8 * 1024, 8 * 1024, s), 1);
    dc.calls.clear();
    Draw();
    ASSERT_EQ(dc.count("DrawAlphaImage"), 1) << k.turns;
    const RecordingDevice::Call c = dc.named("DrawAlphaImage")[0];
    EXPECT_EQ(c.args, k.placed) << int(k.fit) << k.turns;
    EXPECT_EQ(At(c, 0, 0), k.topLeft) << int(k.fit) << k.turns;
    EXPECT_EQ(At(c, int(c.args[2]) - 1, int(c.args[3]) - 1), k.bottomRight)
        << int(k.fit) << k.turns;
    EXPECT_EQ(c.row[3], 255);
  }
  // Only the part the device shows is scaled.
  dc.clipBox = RECT{12, 0, 14, 100};
  dc.calls.clear();
  Draw();
  EXPECT_EQ(dc.named("DrawAlphaImage")[0].args, (Args{12, 20, 2, 8}));
}

TEST_F(DrawCoverObjectsTest, AlphaOpacityAndKeyColourLetTheCoverShowThrough) {
  // Pixel codes 0x00 0x01 / 0x10 0x11; alpha 255, 128 / 0, 255.
  PictureSettings s;
  s.fit = PictureFit::Stretch;
  s.opacity = 50;
  s.keyed = true, s.key = 0x000011, s.tolerance = 0;  // the last pixel is the key
  ASSERT_EQ(table.createPicture(Pixels(24, {255, 128, 0, 255}, 2, 2), 0, 0, 2048, 2048, s), 1);
  Draw();
  const RecordingDevice::Call c = dc.named("DrawAlphaImage")[0];
  // Premultiplied blue, green, red, alpha of each pixel.
  EXPECT_EQ(c.row, (std::vector<uint8_t>{0, 0, 0, 128, 0, 0, 0, 64, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Within the tolerance counts as the key; a device that cannot blend gets it over white.
  table.picture(1).settings =
      PictureSettings{PictureFit::Stretch, 0, false, false, 100, true, 0x12, 1};
  dc.refuse.insert("DrawAlphaImage");
  dc.calls.clear();
  Draw();
  EXPECT_EQ(dc.count("DrawAlphaImage"), 1);
  EXPECT_GE(dc.count("StretchDIBits") + dc.count("SetDIBitsToDevice"), 1);
}

TEST_F(DrawCoverObjectsTest, OpaquePicturesKeepTheirPaletteAndAreScaledOncePerSize) {
  Shape(1, 3, 0, 0, 1, 1);  // a rectangle below
  ASSERT_EQ(table.createPicture(Pixels(8), 0, 0, 8 * 1024, 4 * 1024), 2);
  CoverObject& o = table[2];
  o.ShadowOn = true, o.ShadowDX = 3, o.ShadowDY = 1;  // picture pixels, as for shapes and texts
  o.BorderOn = true, o.BorderColor = 0x0000FF, o.LineWidth = 2;
  table.picture(2).settings.shadow = 0x102030;
  Draw();
  EXPECT_EQ(dc.count("DrawAlphaImage"), 0);
  EXPECT_GE(dc.count("SetDIBitsToDevice") + dc.count("StretchDIBits"), 1);
  // The scaled copy keeps the palette indices and is drawn again until the size changes.
  const Dib& scaled = table.picture(2).pixels->cache().opaque;
  const uint64_t first = table.picture(2).pixels->cache().key;
  EXPECT_EQ(DibBitCount(scaled), 8);
  EXPECT_EQ(GetDibPixel(scaled, 7, 3), 13u);
  // Shadow below the picture, frame above it.
  const auto rects = dc.named("Rectangle");
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[1].args, (Args{3, 1, 11, 5}));
  EXPECT_EQ(rects[2].args, (Args{0, 0, 8, 4}));
  EXPECT_EQ(dc.penColor, 0x0000FFu);
  dc.calls.clear();
  Draw();
  EXPECT_EQ(table.picture(2).pixels->cache().key, first);
  dc.calls.clear();
  Draw(0, 0, 2.0);
  EXPECT_EQ(dc.named("Rectangle")[2].args, (Args{0, 0, 16, 8}));
  EXPECT_NE(table.picture(2).pixels->cache().key, first);
  // A picture slot whose rectangle became another form is that form again.
  table[2].SubKind = 1;
  dc.calls.clear();
  Draw();
  EXPECT_EQ(dc.count("Ellipse"), 1);
}
}  // namespace
