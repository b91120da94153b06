#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/FilterBorder.h"
#include "retouch/effects/FilterFast.h"
#include "retouch/effects/FilterReference.h"
#include "tests/retouch/TestPictures.h"

namespace {
uint8_t Byte(const Dib& d, int32_t x, int32_t y, int c) {
  return DibRow(d, y)[x * 3 + c];
}

// The fast kernels of every instruction set this machine has must equal the plain loop.
void ExpectFastEqualsReference(const Dib& src, int k) {
  DibHolder work, expected;
  ASSERT_TRUE(MakeBorderedCopy(src, work.dib));
  CopyDib(expected.dib, src);
  FilterReference(work.dib, kEffectFilters[k], expected.dib);
  for (KernelLevel level : {KernelLevel::Sse2, KernelLevel::Avx2, KernelLevel::Avx512}) {
    if (!KernelLevelSupported(level)) continue;
    DibHolder got;
    CopyDib(got.dib, src);
    std::vector<uint8_t> backup(size_t(DibWidth(src)) * 3 * size_t(DibHeight(src)));
    ASSERT_TRUE(FilterInPlace(got.dib, kEffectFilters[k], backup.data(), level));
    ASSERT_EQ(Fingerprint(got.dib), Fingerprint(expected.dib))
        << kEffectFilters[k].FilterName << " " << KernelLevelName(level) << " " << DibWidth(src)
        << "x" << DibHeight(src);
    for (int32_t y = 0; y < DibHeight(src); ++y)
      ASSERT_EQ(std::memcmp(backup.data() + size_t(y) * DibWidth(src) * 3, DibRow(src, y),
                            size_t(DibWidth(src)) * 3),
                0);
  }
}

// Filters with the plain loop: the documented arithmetic on a small picture.
void Reference(Dib& dib, int k) {
  DibHolder work;
  ASSERT_TRUE(MakeBorderedCopy(dib, work.dib));
  FilterReference(work.dib, kEffectFilters[k], dib);
}
}  // namespace

TEST(EffectTable, HoldsTheFourteenEntriesInMenuOrder) {
  const int sums[kEffectCount] = {9, 5, 25, 12, 36, 1, 2, 2, 1, 0, 0, 0, 0, 0};
  for (int k = 0; k < kEffectCount; ++k) {
    int s = 0;
    for (auto& row : kEffectFilters[k].Matrix)
      for (int w : row) s += w;
    EXPECT_EQ(s, sums[k]) << k;
    EXPECT_EQ(TableIndexOf(kEffectFilters[k]), k);
  }
  EXPECT_STREQ(kEffectFilters[0].FilterName, "Soften");
  EXPECT_STREQ(kEffectFilters[13].FilterName, "Emboss vertical");
  EXPECT_EQ(FindEffect("find edges VERTICAL"), 11);
  EXPECT_EQ(FindEffect("Blur"), -1);
}

TEST(FilterKernels, EqualThePlainLoopOnRandomPicturesOfOddSizes) {
  const int32_t sizes[][2] = {{1, 1}, {1, 9},   {9, 1},  {1, 40}, {40, 1},
                              {5, 3}, {101, 7}, {37, 2}, {32, 3}, {64, 2}};
  uint32_t seed = 1;
  for (auto& s : sizes) {
    DibHolder src;
    RandomDib(src.dib, s[0], s[1], 24, seed++);
    for (int k = 0; k < kEffectCount; ++k) ExpectFastEqualsReference(src.dib, k);
  }
}

TEST(FilterKernels, EqualThePlainLoopAtTheExtremesOfTheWeightedSums) {
  // Isolated bright and dark pixels drive every sum to its largest and smallest value.
  for (uint8_t background : {uint8_t(0), uint8_t(255)}) {
    DibHolder src;
    UniformDib(src.dib, 23, 11, background, background, background);
    for (int32_t y = 0; y < 11; y += 3)
      for (int32_t x = y % 2; x < 23; x += 4) SetDibPixel(src.dib, x, y, background ? 0 : 0xFFFFFF);
    for (int k = 0; k < kEffectCount; ++k) ExpectFastEqualsReference(src.dib, k);
  }
}

TEST(FilterKernels, FallBackToThePlainLoopForFiltersOutsideTheTable) {
  EffectFilter custom = kEffectFilters[3];
  custom.Divisor = 7;
  custom.Bias = -3;
  DibHolder src, a, b, work;
  RandomDib(src.dib, 13, 5, 24, 99);
  CopyDib(a.dib, src.dib);
  CopyDib(b.dib, src.dib);
  ASSERT_TRUE(MakeBorderedCopy(src.dib, work.dib));
  FilterReference(work.dib, custom, a.dib);
  std::vector<uint8_t> backup(13 * 3 * 5);
  ASSERT_TRUE(FilterInPlace(b.dib, custom, backup.data()));
  EXPECT_EQ(Fingerprint(a.dib), Fingerprint(b.dib));
  EXPECT_EQ(std::memcmp(backup.data(), DibRow(src.dib, 0), 39), 0);
}

TEST(FilterArithmetic, UniformPicturesFollowTheWeightSums) {
  for (int k = 0; k < kEffectCount; ++k) {
    DibHolder d;
    UniformDib(d.dib, 6, 5, 40, 200, 120);
    ASSERT_TRUE(ApplyFilter(d.dib, kEffectFilters[k]));
    const int sum = k < 6 || k == 8 ? 1 : (k == 6 || k == 7) ? 2 : 0;
    const int bias = kEffectFilters[k].Bias;
    for (int32_t y = 0; y < 5; ++y)
      for (int32_t x = 0; x < 6; ++x) {
        const int in[3] = {40, 200, 120};
        for (int c = 0; c < 3; ++c) {
          const int expected = std::min(255, sum * in[c] + bias);
          ASSERT_EQ(Byte(d.dib, x, y, c), expected) << kEffectFilters[k].FilterName;
        }
      }
  }
}

TEST(FilterArithmetic, SharpenWorkedValues) {
  DibHolder d;
  UniformDib(d.dib, 5, 5, 50, 50, 50);
  SetDibPixel(d.dib, 2, 2, 0x646464);  // 100 amid 50s: 20 x 100 - 8 x 50 = 1600, / 12 = 133
  Reference(d.dib, 3);
  EXPECT_EQ(Byte(d.dib, 2, 2, 0), 133);
  // A neighbour of the bright pixel: 20 x 50 - 7 x 50 - 100 = 550, / 12 = 45.
  EXPECT_EQ(Byte(d.dib, 1, 2, 0), 45);
}

TEST(FilterArithmetic, NegativeSumsAreTruncatedTowardZeroBeforeTheBias) {
  // Sharpen at a pixel of 0 with one neighbour 5: sum -5, -5 / 12 = 0 (not -1); a bias of 1
  // makes the difference visible after clamping.
  EffectFilter sharpen = kEffectFilters[3];
  sharpen.Bias = 1;
  DibHolder d, work;
  UniformDib(d.dib, 3, 3, 0, 0, 0);
  SetDibPixel(d.dib, 0, 0, 0x050505);
  ASSERT_TRUE(MakeBorderedCopy(d.dib, work.dib));
  FilterReference(work.dib, sharpen, d.dib);
  EXPECT_EQ(Byte(d.dib, 1, 1, 0), 1);  // -5 / 12 = 0, plus 1; floor division would give 0
}

TEST(FilterArithmetic, OnePixelPictureSeesItselfInEveryNeighbour) {
  DibHolder d;
  UniformDib(d.dib, 1, 1, 10, 100, 250);
  ASSERT_TRUE(ApplyFilter(d.dib, kEffectFilters[6]));  // Lithograph doubles
  EXPECT_EQ(GetDibPixel(d.dib, 0, 0), 0xFFC814u);
}

TEST(FilterArithmetic, EmbossMarksVerticalEdgesAndFindEdgesVerticalRowEdges) {
  DibHolder d;
  UniformDib(d.dib, 8, 4, 20, 20, 20);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 4; x < 8; ++x) SetDibPixel(d.dib, x, y, 0xC8C8C8);  // dark left, light right
  ApplyFilter(d.dib, kEffectFilters[12]);
  EXPECT_EQ(Byte(d.dib, 3, 1, 0), 255);  // 3 x 180 + 128 clamps to a light line
  EXPECT_EQ(Byte(d.dib, 4, 1, 0), 255);
  EXPECT_EQ(Byte(d.dib, 1, 1, 0), 128);
  DibHolder v;
  UniformDib(v.dib, 4, 6, 20, 20, 20);
  for (int32_t y = 3; y < 6; ++y)
    for (int32_t x = 0; x < 4; ++x) SetDibPixel(v.dib, x, y, 0x505050);  // lighter below
  ApplyFilter(v.dib, kEffectFilters[11]);
  EXPECT_EQ(Byte(v.dib, 1, 2, 0), 180);  // 3 x 80 - 3 x 20
  EXPECT_EQ(Byte(v.dib, 1, 0, 0), 0);
}

TEST(DibFilterDialog, NoRestoresThePictureByteForByte) {
  for (int32_t w : {1, 5, 31}) {
    DibHolder d, before;
    RandomDib(d.dib, w, 7, 24, uint32_t(w));
    // Padding bytes carry something, which must survive too.
    for (int32_t r = 0; r < 7; ++r)
      for (int32_t b = w * 3; b < d.dib.BytesPerLine; ++b)
        d.dib.Bits[r * d.dib.BytesPerLine + b] = 0xA5;
    CopyDib(before.dib, d.dib);
    ScriptedDialogs dialogs;
    ScopedDialogs scope(dialogs);
    dialogs.messageAnswers = {MsgResult::No};
    int shown = 0;
    EXPECT_EQ(FilterWithConfirmation(d.dib, kEffectFilters[4], [&] { ++shown; }),
              FilterOutcome::Restored);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Fingerprint(d.dib), Fingerprint(before.dib));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "Do you want to maintain the result=");
    EXPECT_EQ(dialogs.asked[0].title, "Is the result okay?");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Question);
  }
}

TEST(DibFilterDialog, YesKeepsTheFilteredPicture) {
  DibHolder d, expected;
  RandomDib(d.dib, 9, 4, 24, 5);
  CopyDib(expected.dib, d.dib);
  Reference(expected.dib, 0);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  dialogs.messageAnswers = {MsgResult::Yes};
  EXPECT_EQ(FilterWithConfirmation(d.dib, kEffectFilters[0], {}), FilterOutcome::Kept);
  EXPECT_EQ(Fingerprint(d.dib), Fingerprint(expected.dib));
}

TEST(DibFilterDialog, PalettePicturesAreLeftAlone) {
  DibHolder d;
  RandomDib(d.dib, 4, 4, 8, 3);
  const std::string before = Fingerprint(d.dib);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  EXPECT_EQ(FilterWithConfirmation(d.dib, kEffectFilters[0], {}), FilterOutcome::NotTrueColour);
  EXPECT_EQ(Fingerprint(d.dib), before);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST(EffectMenu, PromotionDeclinedLeavesThePalettePicture) {
  DibHolder d;
  RandomDib(d.dib, 6, 3, 8, 11);
  const std::string before = Fingerprint(d.dib);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  dialogs.messageAnswers = {MsgResult::No};
  int repaints = 0;
  EXPECT_FALSE(applyEffect(d.dib, 0, [&] { ++repaints; }));
  EXPECT_EQ(Fingerprint(d.dib), before);
  EXPECT_EQ(repaints, 0);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "The number of colors have to be changed to 16,7 million.");
  EXPECT_EQ(dialogs.asked[0].title, "Change the number of colors?");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
}

TEST(EffectMenu, PromotionAcceptedThenResultRejectedStaysTwentyFourBits) {
  DibHolder d;
  RandomDib(d.dib, 6, 3, 8, 12);
  std::vector<uint32_t> colours;
  for (uint32_t e : Pixels(d.dib)) {
    const PALETTEENTRY& p = d.dib.LogPal.palPalEntry[e];
    colours.push_back(uint32_t(p.peBlue) | uint32_t(p.peGreen) << 8 | uint32_t(p.peRed) << 16);
  }
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  dialogs.messageAnswers = {MsgResult::Yes, MsgResult::No};
  int repaints = 0;
  EXPECT_TRUE(applyEffect(d.dib, 4, [&] { ++repaints; }));
  EXPECT_EQ(DibBitCount(d.dib), 24);
  EXPECT_EQ(Pixels(d.dib), colours);
  EXPECT_EQ(repaints, 2);  // the result shown, then the final repaint
  EXPECT_EQ(dialogs.count("message"), 2);
}

TEST(EffectMenu, PromotionAcceptedAndResultKeptIsFiltered) {
  DibHolder d, expected;
  RandomDib(d.dib, 7, 5, 4, 13);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  dialogs.messageAnswers = {MsgResult::Yes, MsgResult::Yes};
  EXPECT_TRUE(applyEffect(d.dib, 9, {}));
  EXPECT_EQ(DibBitCount(d.dib), 24);
  // Find edges on promoted pixels, compared with the plain loop on the same promotion.
  DibHolder again;
  RandomDib(again.dib, 7, 5, 4, 13);
  ScriptedDialogs quiet;
  ScopedDialogs scope2(quiet);
  quiet.messageAnswers = {MsgResult::Yes, MsgResult::No};
  applyEffect(again.dib, 9, {});
  Reference(again.dib, 9);
  EXPECT_EQ(Fingerprint(d.dib), Fingerprint(again.dib));
}

TEST(EffectProgress, CountsTheFilterRowsAndTheRestoreRows) {
  DibHolder d;
  RandomDib(d.dib, 4, 5, 24, 1);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  dialogs.messageAnswers = {MsgResult::No};
  ProgressLog log;
  FilterWithConfirmation(d.dib, kEffectFilters[0], {});
  EXPECT_EQ(log.values, (std::vector<int>{0, 0, 25, 50, 75, 100, 0, 0, 25, 50, 75, 100, 0}));
}
