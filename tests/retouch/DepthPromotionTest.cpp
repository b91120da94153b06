#include <gtest/gtest.h>

#include "retouch/DepthPromotion.h"
#include "tests/retouch/TestPictures.h"

namespace {
uint32_t Colour(const Dib& d, uint32_t e) {
  const PALETTEENTRY& p = d.LogPal.palPalEntry[e];
  return uint32_t(p.peBlue) | uint32_t(p.peGreen) << 8 | uint32_t(p.peRed) << 16;
}
}  // namespace

TEST(DepthUp, PalettePicturesTakeTheirLogPalColours) {
  for (int bpp : {4, 8})
    for (int32_t w : {1, 7, 8}) {
      DibHolder d;
      RandomDib(d.dib, w, 3, bpp, uint32_t(w));
      std::vector<uint32_t> expected;
      for (uint32_t e : Pixels(d.dib)) expected.push_back(Colour(d.dib, e));
      PromoteDepth(d.dib, 24);
      ASSERT_EQ(DibBitCount(d.dib), 24);
      EXPECT_EQ(Pixels(d.dib), expected) << bpp << " " << w;
      EXPECT_EQ(d.dib.HasPalette, 0);
    }
}

TEST(DepthUp, OneBitBecomesBlackAndWhiteWhateverTheColourTable) {
  DibHolder d;
  RandomDib(d.dib, 11, 2, 1, 3);
  const std::vector<uint32_t> bits = Pixels(d.dib);
  PromoteDepth(d.dib, 24);
  const std::vector<uint32_t> px = Pixels(d.dib);
  for (size_t i = 0; i < bits.size(); ++i) EXPECT_EQ(px[i], bits[i] ? 0xFFFFFFu : 0u);
}

TEST(DepthUp, TwentyFourBitsAndOtherTargetsAreLeftAlone) {
  DibHolder d;
  RandomDib(d.dib, 5, 5, 24, 1);
  const uint8_t* bits = d.dib.Bits;
  PromoteDepth(d.dib, 24);
  EXPECT_EQ(d.dib.Bits, bits);
  DibHolder p;
  RandomDib(p.dib, 5, 5, 8, 1);
  const std::string before = Fingerprint(p.dib);
  PromoteDepth(p.dib, 32);
  EXPECT_EQ(Fingerprint(p.dib), before);
}

TEST(DepthUp, ProgressCountsRows) {
  DibHolder d;
  RandomDib(d.dib, 5, 3, 8, 1);
  ProgressLog log;
  PromoteDepth(d.dib, 24);
  EXPECT_EQ(log.values, (std::vector<int>{0, 0, 50, 100, 0}));
}
