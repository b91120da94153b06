#include <gtest/gtest.h>

#include "app/batch/BatchCommands.h"
#include "app/batch/BatchRetouch.h"
#include "platform/codecs/PictureFile.h"
#include "retouch/effects/EffectFilters.h"
#include "tests/support/TestFiles.h"

namespace {
struct Pic {
  Dib dib;
  ~Pic() { FreeDib(dib); }
};

void Numbered(Dib& dib, int32_t w, int32_t h) {
  NewDib(dib, w, h, 24, nullptr, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) SetDibPixel(dib, x, y, uint32_t(y * 1000 + x));
}
}  // namespace

TEST(BatchRetouchOptions, KeepTheirOrder) {
  std::vector<RetouchStep> steps;
  std::string error;
  ASSERT_TRUE(
      ParseRetouchSteps({"--turn", "left", "--crop", "1,2,3,4", "--effect", "emboss", "--depth24",
                         "--mirror", "v", "--brightness", "-127", "--contrast", "200"},
                        steps, error))
      << error;
  ASSERT_EQ(steps.size(), 7u);
  EXPECT_EQ(steps[0].kind, RetouchStep::TurnLeft);
  EXPECT_EQ(steps[1].kind, RetouchStep::Crop);
  EXPECT_EQ(steps[1].values[3], 4);
  EXPECT_EQ(steps[2].values[0], 12);
  EXPECT_EQ(steps[3].kind, RetouchStep::Depth24);
  EXPECT_EQ(steps[4].kind, RetouchStep::MirrorVertical);
  EXPECT_EQ(steps[5].values[0], -127);
  EXPECT_EQ(steps[6].values[0], 200);
}

TEST(BatchRetouchOptions, RejectBadValuesWithAReason) {
  const Args bad[] = {{"--crop", "1,2,3"},     {"--crop", "1,2,0,4"}, {"--crop", "-1,2,3,4"},
                      {"--crop", "1,2,3,4,5"}, {"--turn", "up"},      {"--mirror", "x"},
                      {"--brightness", "128"}, {"--contrast", "7a"},  {"--effect", "Blur"},
                      {"--brightness"},        {"--zoom", "3"}};
  for (const Args& a : bad) {
    std::vector<RetouchStep> steps;
    std::string error;
    EXPECT_FALSE(ParseRetouchSteps(a, steps, error)) << a[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(BatchRetouchSteps, CropTakesPicturePixelsRightAndBottomExclusive) {
  Pic p;
  Numbered(p.dib, 10, 8);
  std::string error;
  ASSERT_TRUE(ApplyRetouchSteps(p.dib, {{RetouchStep::Crop, {2, 3, 4, 5}}}, error));
  EXPECT_EQ(DibWidth(p.dib), 4);
  EXPECT_EQ(DibHeight(p.dib), 5);
  EXPECT_EQ(GetDibPixel(p.dib, 0, 0), 3002u);
  EXPECT_EQ(GetDibPixel(p.dib, 3, 4), 7005u);
  EXPECT_FALSE(ApplyRetouchSteps(p.dib, {{RetouchStep::Crop, {1, 0, 4, 1}}}, error));
  EXPECT_NE(error.find("outside"), std::string::npos);
}

TEST(BatchRetouchSteps, EffectPromotesPalettePicturesFirst) {
  Pic p;
  BITMAPINFO colours{};
  colours.bmiColors[1] = RGBQUAD{10, 20, 30, 0};
  NewDib(p.dib, 3, 3, 8, &colours, 256);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) SetDibPixel(p.dib, x, y, 1);
  std::string error;
  ASSERT_TRUE(ApplyRetouchSteps(p.dib, {{RetouchStep::Effect, {6}}}, error)) << error;
  EXPECT_EQ(DibBitCount(p.dib), 24);
  EXPECT_EQ(GetDibPixel(p.dib, 1, 1), 0x3C2814u);  // Lithograph doubles a flat picture
}

TEST(BatchRetouchCommand, ReadsAppliesAndWritesAFile) {
  TempDir dir;
  Pic p;
  Numbered(p.dib, 6, 4);
  ASSERT_TRUE(SaveDib(p.dib, dir.file("in.bmp"), SaveCodeForExtension("in.bmp")));
  EXPECT_EQ(RunBatch({"retouch", dir.file("in.bmp"), dir.file("out.bmp"), "--turn", "right",
                      "--mirror", "h"}),
            0);
  Pic out;
  OpenDib(out.dib, dir.file("out.bmp"));
  ASSERT_NE(out.dib.Bits, nullptr);
  EXPECT_EQ(DibWidth(out.dib), 4);
  EXPECT_EQ(DibHeight(out.dib), 6);
  EXPECT_EQ(GetDibPixel(out.dib, 0, 0), 0u);  // a right turn and a mirror transpose the picture
  EXPECT_EQ(GetDibPixel(out.dib, 3, 5), 3005u);
  EXPECT_EQ(RunBatch({"retouch", dir.file("in.bmp")}), kExitUsage);
  EXPECT_EQ(RunBatch({"retouch", dir.file("in.bmp"), dir.file("x.bmp"), "--turn"}), kExitUsage);
  EXPECT_EQ(RunBatch({"retouch", dir.file("missing.bmp"), dir.file("x.bmp")}), kExitFailure);
}
