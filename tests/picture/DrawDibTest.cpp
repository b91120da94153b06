#include <gtest/gtest.h>

#include <vector>

#include "picture/DrawDib.h"
#include "platform/device/RecordingDevice.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dib/Halftone.h"

namespace {
using Args = std::vector<long long>;

// A picture whose pixel at column x of top-down row y holds blue = x, green = y (24 bits) or
// index x + 10 * y (8 bits).
Dib MakePicture(int w, int h, int bits) {
  Dib dib;
  NewDib(dib, w, h, bits, nullptr, 0);
  for (int i = 0; i < PaletteEntryCount(bits); ++i) SetDibColor(dib, i, uint8_t(i), 0, 0, false);
  if (bits != 24) RecreatePalette(dib);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      SetDibPixel(
          dib, x, y,
          bits == 24 ? uint32_t(x | y << 8 | 0x70 << 16) : uint32_t(x + 10 * y) % PowerOfTwo(bits));
  return dib;
}

struct Picture {
  Dib dib;
  Picture(int w, int h, int bits) : dib(MakePicture(w, h, bits)) {}
  ~Picture() { FreeDib(dib); }
};

class DrawDibTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetScreenBitsPerPixel(24);
    SetHalftoneFunctions(HalftoneDib, HalftoneDibToSize);
  }
  void Draw(const Dib& pic, int x, int y, int w, int h, int sx, int sy, int sw, int sh) {
    DrawDib(dev, x, y, w, h, pic, sx, sy, sw, sh, true, SRCCOPY, true, nullptr);
  }
  void DrawWhole(const Dib& pic, int x, int y, int w, int h) {
    Draw(pic, x, y, w, h, 0, 0, DibWidth(pic), DibHeight(pic));
  }
  RecordingDevice dev;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};

// Blanks the bits it was handed after recording them, to see whether the next row is copied.
class MarkingDevice : public RecordingDevice {
 public:
  int SetDIBitsToDevice(int x, int y, int w, int h, int sx, int sy, int start, int lines,
                        const uint8_t* bits, const BITMAPINFO* info) override {
    const int r = RecordingDevice::SetDIBitsToDevice(x, y, w, h, sx, sy, start, lines, bits, info);
    const_cast<uint8_t*>(bits)[0] = 0xAB;
    return r;
  }
};

std::vector<Args> gHalftoneCalls;
void FakeHalftone(Dib& out, const Dib& src) {
  gHalftoneCalls.push_back({DibWidth(src), DibHeight(src)});
  NewDib(out, DibWidth(src), DibHeight(src), 8, nullptr, 0);
}
void FakeHalftoneXY(Dib& out, const Dib&, int32_t w, int32_t h) {
  gHalftoneCalls.push_back({w, h});
  NewDib(out, w, h, 8, nullptr, 0);
}
}  // namespace

TEST_F(DrawDibTest, TwentyFourBitsOnScreenGoRowByRowThroughTheOwnStretch) {
  Picture pic(4, 3, 24);
  DrawWhole(pic.dib, 5, 6, 8, 6);
  ASSERT_FALSE(dev.calls.empty());
  EXPECT_EQ(dev.calls[0].name, "SetStretchBltMode");
  EXPECT_EQ(dev.stretchMode, COLORONCOLOR);
  EXPECT_EQ(dev.count("StretchDIBits"), 0);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 6u);
  for (int r = 0; r < 6; ++r) EXPECT_EQ(rows[r].args, Args({5, 6 + r, 8, 1, 0, 0, 0, 1}));
  // Row 3 of the destination is top-down source row 1, columns doubled.
  const std::vector<uint8_t>& row = rows[3].row;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(row[3 * i], i / 2);
    EXPECT_EQ(row[3 * i + 1], 1);
    EXPECT_EQ(row[3 * i + 2], 0x70);
  }
  EXPECT_EQ(dev.count("SelectPalette"), 0);
}

TEST_F(DrawDibTest, EightBitsOnScreenSelectTheOwnPaletteAndRestoreIt) {
  Picture pic(3, 2, 8);
  HPALETTE before = CreatePalette(LOGPALETTE256{});
  dev.palette = before;
  DrawWhole(pic.dib, 0, 0, 3, 2);
  EXPECT_EQ(dev.count("StretchDIBits"), 0);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].row[2], 12);  // top-down row 1, column 2
  const auto selects = dev.named("SelectPalette");
  ASSERT_EQ(selects.size(), 2u);
  EXPECT_EQ(selects[0].args, Args({reinterpret_cast<long long>(pic.dib.Palette), 0}));
  EXPECT_EQ(dev.palette, before);
  EXPECT_EQ(dev.count("RealizePalette"), 1);
  DeletePalette(before);
}

TEST_F(DrawDibTest, PrintersAndFourAndOneBitPicturesUseTheDeviceStretch) {
  for (int bits : {24, 8, 4, 1}) {
    for (int tech : {DT_RASDISPLAY, DT_RASPRINTER}) {
      if (tech == DT_RASDISPLAY && (bits == 24 || bits == 8)) continue;
      RecordingDevice d;
      d.technology = tech;
      Picture pic(10, 5, bits);
      DrawDib(d, 1, 2, 30, 15, pic.dib, 0, 0, 10, 5, true, SRCCOPY, true, nullptr);
      ASSERT_EQ(d.count("StretchDIBits"), 1) << bits;
      EXPECT_EQ(d.named("StretchDIBits")[0].args, Args({1, 2, 30, 15, 0, 0, 10, 5, SRCCOPY}));
      EXPECT_EQ(d.named("StretchDIBits")[0].bits, pic.dib.Bits);
      EXPECT_EQ(d.count("SetDIBitsToDevice"), 0);
    }
  }
}

TEST_F(DrawDibTest, ForeignPaletteIsSelectedWhenTheOwnIsNotWanted) {
  Picture pic(2, 2, 4);
  HPALETTE other = CreatePalette(LOGPALETTE256{});
  DrawDib(dev, 0, 0, 2, 2, pic.dib, 0, 0, 2, 2, true, SRCCOPY, false, other);
  EXPECT_EQ(dev.named("SelectPalette")[0].args[0], reinterpret_cast<long long>(other));
  EXPECT_EQ(dev.palette, nullptr);
  DeletePalette(other);
}

TEST_F(DrawDibTest, HalftoneOnLowDepthDisplaysAtTheDestinationScaleWhenReduced) {
  SetHalftoneFunctions(FakeHalftone, FakeHalftoneXY);
  SetScreenBitsPerPixel(8);
  Picture pic(100, 50, 24);
  gHalftoneCalls.clear();
  dev.technology = DT_RASPRINTER;  // the kind of device does not matter
  DrawWhole(pic.dib, 0, 0, 40, 20);
  ASSERT_EQ(gHalftoneCalls.size(), 1u);
  EXPECT_EQ(gHalftoneCalls[0], Args({40, 20}));
  ASSERT_EQ(dev.count("StretchDIBits"), 1);
  EXPECT_EQ(dev.named("StretchDIBits")[0].args, Args({0, 0, 40, 20, 0, 0, 40, 20, SRCCOPY}));
  EXPECT_EQ(dev.count("SelectPalette"), 2);  // selected and put back around the halftone

  RecordingDevice big;
  gHalftoneCalls.clear();
  DrawDib(big, 0, 0, 300, 150, pic.dib, 0, 0, 100, 50, true, SRCCOPY, true, nullptr);
  EXPECT_EQ(gHalftoneCalls[0], Args({100, 50}));
  EXPECT_EQ(big.named("StretchDIBits")[0].args, Args({0, 0, 300, 150, 0, 0, 100, 50, SRCCOPY}));
}

TEST_F(DrawDibTest, WithoutHalftoningOrOnDeepDisplaysTheOwnStretchDraws) {
  Picture pic(10, 10, 24);
  SetScreenBitsPerPixel(8);
  SetHalftoneFunctions(nullptr, nullptr);
  DrawWhole(pic.dib, 0, 0, 10, 10);  // no halftoning available
  EXPECT_EQ(dev.count("SetDIBitsToDevice"), 10);
  SetHalftoneFunctions(FakeHalftone, FakeHalftoneXY);
  SetScreenBitsPerPixel(16);
  RecordingDevice deep;
  DrawDib(deep, 0, 0, 10, 10, pic.dib, 0, 0, 10, 10, true, SRCCOPY, true, nullptr);
  EXPECT_EQ(deep.count("SetDIBitsToDevice"), 10);
  SetScreenBitsPerPixel(8);
  RecordingDevice notWanted;
  DrawDib(notWanted, 0, 0, 10, 10, pic.dib, 0, 0, 10, 10, false, SRCCOPY, true, nullptr);
  EXPECT_EQ(notWanted.count("SetDIBitsToDevice"), 10);
}

TEST_F(DrawDibTest, FailedHalftoningDrawsTheUsualWay) {
  SetHalftoneFunctions([](Dib& out, const Dib&) { out = Dib{}; },
                       [](Dib& out, const Dib&, int32_t, int32_t) { out = Dib{}; });
  SetScreenBitsPerPixel(8);
  Picture pic(10, 10, 24);
  DrawWhole(pic.dib, 0, 0, 5, 5);
  EXPECT_EQ(dev.count("SetDIBitsToDevice"), 5);
  EXPECT_EQ(dev.count("StretchDIBits"), 0);
}

TEST_F(DrawDibTest, SourceIsClippedToThePictureAndTheDestinationFollows) {
  dev.technology = DT_RASPRINTER;  // StretchDIBits shows the clipped rectangles
  Picture pic(100, 50, 24);
  Draw(pic.dib, 0, 0, 200, 100, 10, 0, 100, 50);   // 10 past the right edge
  Draw(pic.dib, 0, 0, 200, 100, -10, 0, 100, 50);  // 10 past the left edge
  Draw(pic.dib, 0, 0, 200, 100, 0, -5, 100, 50);   // 5 below the bottom row
  Draw(pic.dib, 0, 0, 200, 100, 0, 10, 100, 50);   // 10 past the top row
  const auto calls = dev.named("StretchDIBits");
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].args, Args({0, 0, 180, 100, 10, 0, 90, 50, SRCCOPY}));
  EXPECT_EQ(calls[1].args, Args({20, 0, 180, 100, 0, 0, 90, 50, SRCCOPY}));
  EXPECT_EQ(calls[2].args, Args({0, 0, 200, 90, 0, 0, 100, 45, SRCCOPY}));
  EXPECT_EQ(calls[3].args, Args({0, 20, 200, 80, 0, 10, 100, 40, SRCCOPY}));
}

TEST_F(DrawDibTest, ClippingRoundsHalvesToEven) {
  dev.technology = DT_RASPRINTER;
  Picture pic(1, 1, 24);
  Draw(pic.dib, 0, 0, 5, 5, 0, 0, 2, 1);   // 2.5 -> 2
  Draw(pic.dib, 0, 0, 7, 7, 0, 0, 2, 1);   // 3.5 -> 4
  Draw(pic.dib, 0, 0, 5, 5, -1, 0, 2, 1);  // left: 2.5 -> 2, X moves by 3
  const auto calls = dev.named("StretchDIBits");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].args[2], 2);
  EXPECT_EQ(calls[1].args[2], 4);
  EXPECT_EQ(calls[2].args[0], 3);
  EXPECT_EQ(calls[2].args[2], 2);
}

TEST_F(DrawDibTest, SourceEntirelyOutsideDrawsNothing) {
  Picture pic(10, 10, 24);
  Draw(pic.dib, 0, 0, 10, 10, 20, 0, 10, 10);
  Draw(pic.dib, 0, 0, 10, 10, 0, -30, 10, 10);
  Draw(pic.dib, 0, 0, 0, 10, 0, 0, 10, 10);
  EXPECT_EQ(dev.count("SetDIBitsToDevice"), 0);
  EXPECT_EQ(dev.count("StretchDIBits"), 0);
}

TEST_F(DrawDibTest, RefusedStretchResamplesInMemoryFirstAndLastPixelsKept) {
  dev.refuse = {"StretchDIBits"};
  Picture pic(4, 1, 8);
  DrawWhole(pic.dib, 0, 0, 0, 0);  // nothing at size zero
  dev.technology = DT_RASPRINTER;
  DrawWhole(pic.dib, 3, 4, 7, 1);
  const auto sent = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].args, Args({3, 4, 7, 1, 0, 0, 0, 1}));
  EXPECT_EQ(std::vector<uint8_t>(sent[0].row.begin(), sent[0].row.begin() + 7),
            std::vector<uint8_t>({0, 0, 1, 1, 2, 2, 3}));
  EXPECT_EQ(dev.count("CreateCompatibleBitmap"), 0);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(DrawDibTest, ResamplingKeepsNibblesAndBitsAndOnePixelTakesTheFirst) {
  dev.refuse = {"StretchDIBits"};
  dev.technology = DT_RASPRINTER;
  Picture four(4, 1, 4);  // indices 0 1 2 3
  DrawWhole(four.dib, 0, 0, 7, 1);
  Picture one(4, 1, 1);  // bits 0 1 0 1
  DrawWhole(one.dib, 0, 0, 7, 1);
  Picture wide(4, 3, 24);
  DrawWhole(wide.dib, 0, 0, 1, 1);
  const auto sent = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].row[0], 0x00);
  EXPECT_EQ(sent[0].row[1], 0x11);
  EXPECT_EQ(sent[0].row[2], 0x22);
  EXPECT_EQ(sent[0].row[3], 0x30);
  EXPECT_EQ(sent[1].row[0], 0b00110010);  // 0 0 1 1 0 0 1 -> first bit x = 2,3 and 6
  // One pixel: the first source column of the first row in memory (the bottom row).
  EXPECT_EQ(sent[2].row[0], 0);
  EXPECT_EQ(sent[2].row[1], 2);
}

TEST_F(DrawDibTest, WithoutDibToDeviceTheBitmapRouteDraws) {
  dev.technology = DT_RASPRINTER;
  dev.rasterCaps = RC_BITBLT | RC_STRETCHBLT;
  dev.refuse = {"StretchDIBits"};
  Picture pic(100, 50, 24);
  Draw(pic.dib, 7, 8, 200, 60, 0, 20, 100, 30);
  EXPECT_EQ(dev.count("SetDIBitsToDevice"), 0);
  EXPECT_EQ(dev.named("CreateCompatibleBitmap")[0].args, Args({100, 50}));
  EXPECT_EQ(dev.named("SetDIBits")[0].args, Args({0, 50}));
  EXPECT_EQ(dev.named("SetDIBits")[0].bits, pic.dib.Bits);
  // Source rows 20..49 from the bottom are rows 0..29 from the bitmap's top.
  EXPECT_EQ(dev.named("StretchBlt")[0].args, Args({7, 8, 200, 60, 0, 0, 100, 30, SRCCOPY}));
  const auto selects = dev.named("SelectBitmap");
  ASSERT_EQ(selects.size(), 2u);
  EXPECT_EQ(selects[0].args, Args({100, 50}));
  EXPECT_EQ(selects[1].args, Args({0, 0}));
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(DrawDibTest, FailedResamplingFallsBackToTheBitmap) {
  dev.technology = DT_RASPRINTER;
  dev.refuse = {"StretchDIBits", "SetDIBitsToDevice"};
  Picture pic(4, 4, 4);
  DrawWhole(pic.dib, 0, 0, 8, 8);
  EXPECT_EQ(dev.names(),
            std::vector<std::string>(
                {"SetStretchBltMode", "SelectPalette", "RealizePalette", "StretchDIBits",
                 "SetDIBitsToDevice", "CreateCompatibleBitmap", "CreateCompatibleDC", "SetDIBits",
                 "SelectBitmap", "StretchBlt", "SelectBitmap", "SelectPalette"}));
}

TEST_F(DrawDibTest, FallbackFailuresShowTheirMessages) {
  struct Case {
    std::set<std::string> refuse;
    const char* message;
    int stretchBlts;
  } cases[] = {
      {{"StretchDIBits", "SetDIBitsToDevice", "CreateCompatibleBitmap"},
       "Can not create the bitmap!",
       0},
      {{"StretchDIBits", "SetDIBitsToDevice", "SetDIBits"},
       "The device do not support this function!",
       0},
      {{"StretchDIBits", "SetDIBitsToDevice", "StretchBlt"},
       "The device do not support this function!",
       1},
  };
  for (const Case& c : cases) {
    ScriptedDialogs d;
    ScopedDialogs s(d);
    RecordingDevice device;
    device.refuse = c.refuse;
    Picture pic(4, 4, 1);
    DrawDib(device, 0, 0, 8, 8, pic.dib, 0, 0, 4, 4, true, SRCCOPY, true, nullptr);
    ASSERT_EQ(d.asked.size(), 1u) << c.message;
    EXPECT_EQ(d.asked[0].text, c.message);
    EXPECT_EQ(d.asked[0].title, "");
    EXPECT_EQ(d.asked[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(device.count("StretchBlt"), c.stretchBlts);
  }
}

TEST_F(DrawDibTest, EnlargingByThreeSendsEachRowThreeTimesAndCopiesItOnce) {
  MarkingDevice marking;
  Picture pic(2, 4, 24);
  DrawDib(marking, 0, 0, 2, 12, pic.dib, 0, 0, 2, 4, true, SRCCOPY, true, nullptr);
  const auto rows = marking.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 12u);
  for (int r = 0; r < 12; ++r) {
    EXPECT_EQ(rows[r].bits, rows[0].bits);                  // one scratch row throughout
    EXPECT_EQ(rows[r].row[1], r / 3) << r;                  // green = source row
    EXPECT_EQ(rows[r].row[0], r % 3 == 0 ? 0 : 0xAB) << r;  // copied only the first time
  }
}

TEST_F(DrawDibTest, RowsBeyondThePictureAreSentAsZeroBytes) {
  Picture pic(3, 3, 24);
  StretchDibRows24(dev, 0, 0, 3, 5, pic.dib, 0, -1, 3, 5);
  auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].row, std::vector<uint8_t>(12, 0));
  EXPECT_EQ(rows[1].row[2], 0x70);
  EXPECT_EQ(rows[3].row[1], 2);
  EXPECT_EQ(rows[4].row, std::vector<uint8_t>(12, 0));

  Picture eight(3, 3, 8);
  RecordingDevice d8;
  StretchDibRows8(d8, 0, 0, 3, 4, eight.dib, 0, 0, 3, 4);
  rows = d8.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2].row[1], 21);
  EXPECT_EQ(rows[3].row, std::vector<uint8_t>(4, 0));
}

TEST_F(DrawDibTest, ColumnsOutsideThePictureStayZero) {
  Picture pic(3, 1, 8);
  StretchDibRows8(dev, 0, 0, 5, 1, pic.dib, -1, 0, 5, 1);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(std::vector<uint8_t>(rows[0].row.begin(), rows[0].row.begin() + 5),
            std::vector<uint8_t>({0, 0, 1, 2, 0}));
}

TEST_F(DrawDibTest, ScratchRowCarriesThePictureColours) {
  Picture pic(2, 1, 8);
  SetDibColor(pic.dib, 1, 9, 8, 7);
  class InfoDevice : public RecordingDevice {
   public:
    RGBQUAD second{};
    int SetDIBitsToDevice(int x, int y, int w, int h, int sx, int sy, int start, int lines,
                          const uint8_t* bits, const BITMAPINFO* info) override {
      second = info->bmiColors[1];
      return RecordingDevice::SetDIBitsToDevice(x, y, w, h, sx, sy, start, lines, bits, info);
    }
  } d;
  StretchDibRows8(d, 0, 0, 2, 1, pic.dib, 0, 0, 2, 1);
  EXPECT_EQ(d.second.rgbRed, 9);
  EXPECT_EQ(d.second.rgbBlue, 7);
}

TEST_F(DrawDibTest, RowsWiderThanAPictureGoInPieces) {
  Picture pic(2, 2, 24);
  DrawWhole(pic.dib, 5, 0, kMaxDibSide + 2, 2);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].args, Args({5, 0, kMaxDibSide, 1, 0, 0, 0, 1}));
  EXPECT_EQ(rows[1].args, Args({5 + kMaxDibSide, 0, 2, 1, 0, 0, 0, 1}));
  EXPECT_EQ(rows[1].row[0], 1);  // the right half of the picture
  EXPECT_EQ(rows[3].row[1], 1);  // second row
}

TEST_F(DrawDibTest, DestinationTooWideToHoldDrawsNothing) {
  Picture pic(10, 10, 24);
  DrawWhole(pic.dib, 0, 0, 1 << 30, 10);
  EXPECT_EQ(dev.count("SetDIBitsToDevice"), 0);
}

TEST_F(DrawDibTest, RepeatedLastColumnOfAnUnpaddedRowIsCopiedWhole) {
  Picture pic(4, 1, 24);  // 12 bytes a row: no padding behind the last pixel
  StretchDibRows24(dev, 0, 0, 8, 1, pic.dib, 0, 0, 4, 1);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 1u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rows[0].row[3 * i], i / 2) << i;
    EXPECT_EQ(rows[0].row[3 * i + 2], 0x70) << i;
  }
}

TEST_F(DrawDibTest, OnlyRowsAndColumnsInsideTheClipBoxAreBuilt) {
  Picture pic(4, 4, 24);
  dev.clipBox = RECT{14, 23, 16, 25};  // columns 4..5 and rows 3..4 of the destination
  DrawWhole(pic.dib, 10, 20, 8, 8);
  const auto rows = dev.named("SetDIBitsToDevice");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].args, Args({10, 23, 8, 1, 0, 0, 0, 1}));
  EXPECT_EQ(rows[1].args, Args({10, 24, 8, 1, 0, 0, 0, 1}));
  EXPECT_EQ(rows[0].row[3 * 4], 2);      // visible column 4 is source column 2
  EXPECT_EQ(rows[0].row[3 * 4 + 1], 1);  // destination row 3 is source row 1
  EXPECT_EQ(rows[1].row[3 * 5 + 1], 2);
  EXPECT_EQ(rows[0].row[0], 0);  // columns outside are not built
}
