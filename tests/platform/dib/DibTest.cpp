#include <gtest/gtest.h>

#include <cstring>

#include "platform/dib/Dib.h"

namespace {
struct DibGuard {
  Dib dib;
  ~DibGuard() { FreeDib(dib); }
};

bool PaletteAgrees(const Dib& d) {
  const int n = PaletteEntryCount(DibBitCount(d));
  if (d.LogPal.palNumEntries != n || (n > 0 && (!d.Palette || d.Palette->count != n))) return false;
  for (int i = 0; i < n; ++i) {
    const RGBQUAD& q = d.Info->bmiColors[i];
    const PALETTEENTRY& e = d.LogPal.palPalEntry[i];
    const PALETTEENTRY& h = d.Palette->entries[i];
    if (q.rgbRed != e.peRed || q.rgbGreen != e.peGreen || q.rgbBlue != e.peBlue) return false;
    if (h.peRed != e.peRed || h.peGreen != e.peGreen || h.peBlue != e.peBlue) return false;
  }
  return true;
}
}  // namespace

TEST(DibRecord, WhiteStartPictureHasTheDocumentedLayout) {
  DibGuard g;
  NewWhiteDib(g.dib, 320, 200);
  ASSERT_NE(g.dib.Bits, nullptr);
  EXPECT_EQ(g.dib.BytesPerLine, 960);
  EXPECT_EQ(g.dib.Info->bmiHeader.biSizeImage, 192000u);
  EXPECT_EQ(DibWidth(g.dib), 320);
  EXPECT_EQ(DibHeight(g.dib), 200);
  EXPECT_EQ(DibBitCount(g.dib), 24);
  EXPECT_EQ(g.dib.HasPalette, 0);
  for (uint32_t i = 0; i < 192000; ++i) ASSERT_EQ(g.dib.Bits[i], 255) << i;
}

TEST(DibRecord, StrideIsPaddedToFourBytesForEveryDepth) {
  struct Case {
    int w, bpp, stride;
  } cases[] = {
      {1, 24, 4}, {1, 8, 4}, {1, 4, 4}, {1, 1, 4}, {5, 24, 16},
      {33, 1, 8}, {9, 4, 8}, {4, 8, 4}, {7, 8, 8}, {32, 1, 4},
  };
  for (const Case& c : cases) {
    DibGuard g;
    NewDib(g.dib, c.w, 3, c.bpp, nullptr, 0);
    ASSERT_NE(g.dib.Bits, nullptr);
    EXPECT_EQ(g.dib.BytesPerLine, c.stride) << c.w << "x" << c.bpp;
    EXPECT_EQ(g.dib.Info->bmiHeader.biSizeImage, uint32_t(c.stride * 3));
  }
}

TEST(DibRecord, RefusesBadSizesAndDepthsWithoutAllocating) {
  struct Case {
    int w, h, bpp;
  } cases[] = {
      {0, 10, 24},
      {10, 0, 24},
      {-5, 10, 8},
      {10, -1, 8},
      {30001, 1, 1},
      {1, 30001, 1},
      {30000, 30000, 24},
      {10, 10, 16},
      {10, 10, 32},
      {10, 10, 0},
      {INT32_MAX, INT32_MAX, 24},
  };
  for (const Case& c : cases) {
    Dib d;
    NewDib(d, c.w, c.h, c.bpp, nullptr, 0);
    EXPECT_EQ(d.Bits, nullptr) << c.w << "x" << c.h << "x" << c.bpp;
    EXPECT_EQ(d.Info, nullptr);
    FreeDib(d);
  }
  DibGuard big;
  NewDib(big.dib, 30000, 30000, 8, nullptr, 0);  // 900 MB, within the limit
  EXPECT_NE(big.dib.Bits, nullptr);
}

TEST(DibRecord, PixelsRoundTripAtEveryDepthOnOddWidths) {
  for (int bpp : {1, 4, 8, 24}) {
    for (int w : {1, 3, 7, 9, 33}) {
      DibGuard g;
      NewDib(g.dib, w, 5, bpp, nullptr, 0);
      ASSERT_NE(g.dib.Bits, nullptr);
      const uint32_t mask = bpp == 24 ? 0xFFFFFF : (1u << bpp) - 1;
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < w; ++x)
          SetDibPixel(g.dib, x, y, uint32_t(x * 7919 + y * 104729) & mask);
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(GetDibPixel(g.dib, x, y), uint32_t(x * 7919 + y * 104729) & mask)
              << bpp << " bits, " << x << "," << y;
    }
  }
}

TEST(DibRecord, RowsAreBottomUpAndPixelsAddressedAsDocumented) {
  DibGuard g;
  NewDib(g.dib, 4, 3, 24, nullptr, 0);
  SetDibPixel(g.dib, 1, 0, 0x112233);  // top row lives last in memory
  const uint8_t* p = g.dib.Bits + 2 * g.dib.BytesPerLine + 3;
  EXPECT_EQ(p[0], 0x33);  // blue
  EXPECT_EQ(p[1], 0x22);
  EXPECT_EQ(p[2], 0x11);  // red
  DibGuard n;
  NewDib(n.dib, 4, 1, 4, nullptr, 0);
  SetDibPixel(n.dib, 0, 0, 0xA);
  SetDibPixel(n.dib, 1, 0, 0x5);
  EXPECT_EQ(n.dib.Bits[0], 0xA5);  // left pixel in the high nibble
  DibGuard m;
  NewDib(m.dib, 9, 1, 1, nullptr, 0);
  SetDibPixel(m.dib, 0, 0, 1);
  SetDibPixel(m.dib, 8, 0, 1);
  EXPECT_EQ(m.dib.Bits[0], 0x80);
  EXPECT_EQ(m.dib.Bits[1], 0x80);
}

TEST(DibRecord, OutsideCoordinatesAreIgnored) {
  DibGuard g;
  NewDib(g.dib, 2, 2, 8, nullptr, 0);
  SetDibPixel(g.dib, -1, 0, 9);
  SetDibPixel(g.dib, 2, 0, 9);
  SetDibPixel(g.dib, 0, 2, 9);
  EXPECT_EQ(GetDibPixel(g.dib, -1, 0), 0u);
  EXPECT_EQ(GetDibPixel(g.dib, 0, 5), 0u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(g.dib.Bits[i], 0);
}

TEST(DibRecord, ColourTableIsCopiedAndPaletteAgrees) {
  BITMAPINFO src{};
  for (int i = 0; i < 256; ++i)
    src.bmiColors[i] = RGBQUAD{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
  for (int bpp : {1, 4, 8}) {
    DibGuard g;
    NewDib(g.dib, 3, 3, bpp, &src, PaletteEntryCount(bpp));
    ASSERT_NE(g.dib.Bits, nullptr);
    EXPECT_EQ(g.dib.HasPalette, 1);
    EXPECT_EQ(g.dib.Info->bmiColors[1].rgbGreen, 254);
    EXPECT_TRUE(PaletteAgrees(g.dib));
    SetDibColor(g.dib, 1, 10, 20, 30);
    EXPECT_EQ(g.dib.Info->bmiColors[1].rgbBlue, 30);
    EXPECT_TRUE(PaletteAgrees(g.dib));
  }
  DibGuard part;
  NewDib(part.dib, 3, 3, 8, &src, 4);  // only four entries copied, the rest stay black
  EXPECT_EQ(part.dib.Info->bmiColors[3].rgbRed, 1);
  EXPECT_EQ(part.dib.Info->bmiColors[4].rgbGreen, 0);
  EXPECT_TRUE(PaletteAgrees(part.dib));
}

TEST(DibRecord, CountsAndPowers) {
  EXPECT_EQ(PowerOfTwo(0), 1u);
  EXPECT_EQ(PowerOfTwo(-3), 1u);
  EXPECT_EQ(PowerOfTwo(8), 256u);
  EXPECT_EQ(PaletteEntryCount(1), 2);
  EXPECT_EQ(PaletteEntryCount(4), 16);
  EXPECT_EQ(PaletteEntryCount(8), 256);
  EXPECT_EQ(PaletteEntryCount(24), 0);
  DibGuard g;
  NewDib(g.dib, 1, 1, 24, nullptr, 0);
  EXPECT_EQ(DibColorCount(g.dib), 16777216u);
}

TEST(DibRecord, CopyIsIndependent) {
  BITMAPINFO src{};
  src.bmiColors[1] = RGBQUAD{1, 2, 3, 0};
  DibGuard a, b;
  NewDib(a.dib, 5, 4, 4, &src, 16);
  SetDibPixel(a.dib, 4, 3, 1);
  CopyDib(b.dib, a.dib);
  ASSERT_NE(b.dib.Bits, nullptr);
  EXPECT_NE(b.dib.Bits, a.dib.Bits);
  EXPECT_EQ(GetDibPixel(b.dib, 4, 3), 1u);
  EXPECT_EQ(std::memcmp(a.dib.Bits, b.dib.Bits, a.dib.Info->bmiHeader.biSizeImage), 0);
  EXPECT_TRUE(PaletteAgrees(b.dib));
  EXPECT_NE(b.dib.Palette, a.dib.Palette);
}
