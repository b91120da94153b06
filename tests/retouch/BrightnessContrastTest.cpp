#include <gtest/gtest.h>

#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/BrightnessContrast.h"
#include "tests/retouch/TestPictures.h"

TEST(ComponentMaps, WorkedValues) {
  EXPECT_EQ(BrightnessOf(200, 127), 255);
  EXPECT_EQ(BrightnessOf(100, -127), 0);
  EXPECT_EQ(BrightnessOf(100, 27), 127);
  EXPECT_EQ(ContrastOf(0, 50), 64);  // 50 x -127 / 100 = -63, truncated
  EXPECT_EQ(ContrastOf(127, 50), 127);
  EXPECT_EQ(ContrastOf(255, 50), 191);
  EXPECT_EQ(ContrastOf(100, 150), 50);
  EXPECT_EQ(ContrastOf(127, 150), 63);
  EXPECT_EQ(ContrastOf(128, 150), 192);
  EXPECT_EQ(ContrastOf(255, 150), 255);
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(ContrastOf(v, 100), v);
    EXPECT_EQ(ContrastOf(v, 0), 127);
    EXPECT_EQ(ContrastOf(v, 200), v >= 128 ? 255 : 0);
    EXPECT_EQ(BrightnessOf(v, 0), v);
  }
}

TEST(BrightnessContrast, TrueColourPicturesChangeEveryByte) {
  DibHolder d;
  UniformDib(d.dib, 3, 2, 10, 128, 250);
  ChangeBrightness(d.dib, 20);
  EXPECT_EQ(GetDibPixel(d.dib, 2, 1), 0xFF941Eu);
  ChangeContrast(d.dib, 150);
  EXPECT_EQ(GetDibPixel(d.dib, 0, 0),
            uint32_t(255 - 50 * 0 / 100) << 16 | uint32_t(255 - 50 * 107 / 100) << 8 | 15u);
}

TEST(BrightnessContrast, PalettePicturesKeepTheirIndicesAndChangeTheirColours) {
  DibHolder d;
  RandomDib(d.dib, 9, 4, 4, 21);
  const std::vector<uint32_t> indices = Pixels(d.dib);
  const LOGPALETTE256 before = d.dib.LogPal;
  ChangeBrightness(d.dib, -40);
  ChangeContrast(d.dib, 60);
  EXPECT_EQ(Pixels(d.dib), indices);
  for (int i = 0; i < 16; ++i) {
    const PALETTEENTRY& a = before.palPalEntry[i];
    const PALETTEENTRY& e = d.dib.LogPal.palPalEntry[i];
    EXPECT_EQ(e.peRed, ContrastOf(BrightnessOf(a.peRed, -40), 60));
    EXPECT_EQ(e.peBlue, ContrastOf(BrightnessOf(a.peBlue, -40), 60));
    EXPECT_EQ(d.dib.Info->bmiColors[i].rgbGreen, e.peGreen);
    EXPECT_EQ(d.dib.Palette->entries[i].peRed, e.peRed);
  }
  EXPECT_EQ(d.dib.LogPal.palPalEntry[16].peRed, before.palPalEntry[16].peRed);
}

TEST(BrightnessContrast, PaletteProgressCountsEntries) {
  DibHolder d;
  RandomDib(d.dib, 2, 2, 1, 1);
  ProgressLog log;
  ChangeBrightness(d.dib, 5);
  EXPECT_EQ(log.values, (std::vector<int>{0, 0, 100, 0}));
}

class BrightnessDialog : public ::testing::TestWithParam<int> {};

TEST_P(BrightnessDialog, CancelAfterPreviewsRestoresByteForByte) {
  DibHolder d;
  RandomDib(d.dib, 7, 5, GetParam(), 4);
  d.dib.Info->bmiHeader.biXPelsPerMeter = 3937;
  const std::string before = Fingerprint(d.dib);
  int repaints = 0;
  BrightnessContrastSession dlg(d.dib, [&] { ++repaints; });
  ASSERT_TRUE(dlg.begin());
  dlg.brightness = 90;
  dlg.contrast = 180;
  dlg.preview();
  EXPECT_NE(Fingerprint(d.dib), before);
  dlg.brightness = -100;
  dlg.preview();
  dlg.finish(false);
  EXPECT_EQ(Fingerprint(d.dib), before);
  EXPECT_EQ(repaints, 3);
}

TEST_P(BrightnessDialog, PreviewsStartFromTheUntouchedPicture) {
  DibHolder d, expected;
  RandomDib(d.dib, 7, 5, GetParam(), 5);
  RandomDib(expected.dib, 7, 5, GetParam(), 5);
  ChangeBrightness(expected.dib, 30);
  ChangeContrast(expected.dib, 40);
  BrightnessContrastSession dlg(d.dib);
  ASSERT_TRUE(dlg.begin());
  dlg.brightness = 30;
  dlg.contrast = 40;
  dlg.preview();
  dlg.preview();
  EXPECT_EQ(Fingerprint(d.dib), Fingerprint(expected.dib));
  dlg.finish(true);
  EXPECT_EQ(Fingerprint(d.dib), Fingerprint(expected.dib));
  EXPECT_EQ(dlg.original().Bits, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Depths, BrightnessDialog, ::testing::Values(1, 4, 8, 24));

TEST(BrightnessDialogState, DefaultsMoveOnlyTheSliders) {
  DibHolder d;
  RandomDib(d.dib, 5, 5, 24, 8);
  const std::string before = Fingerprint(d.dib);
  BrightnessContrastSession dlg(d.dib);
  ASSERT_TRUE(dlg.begin());
  EXPECT_EQ(dlg.brightness, 0);
  EXPECT_EQ(dlg.contrast, 100);
  dlg.preview();  // default values show the picture unchanged
  EXPECT_EQ(Fingerprint(d.dib), before);
  dlg.brightness = 50;
  dlg.preview();
  const std::string previewed = Fingerprint(d.dib);
  dlg.resetToDefaults();
  EXPECT_EQ(dlg.brightness, 0);
  EXPECT_EQ(dlg.contrast, 100);
  EXPECT_EQ(Fingerprint(d.dib), previewed);
  dlg.confirm();
  dlg.finish(true);
  EXPECT_EQ(Fingerprint(d.dib), before);
}

TEST(BrightnessDialogState, OkWithoutPreviewAppliesTheSliders) {
  DibHolder d;
  UniformDib(d.dib, 2, 2, 100, 100, 100);
  BrightnessContrastSession dlg(d.dib);
  ASSERT_TRUE(dlg.begin());
  dlg.brightness = 27;
  dlg.confirm();
  dlg.finish(true);
  EXPECT_EQ(GetDibPixel(d.dib, 1, 1), 0x7F7F7Fu);
}

TEST(BrightnessDialogState, UnfinishedDialogRestoresThePicture) {
  DibHolder d;
  RandomDib(d.dib, 5, 5, 8, 8);
  const std::string before = Fingerprint(d.dib);
  {
    BrightnessContrastSession dlg(d.dib);
    ASSERT_TRUE(dlg.begin());
    dlg.contrast = 0;
    dlg.preview();
  }
  EXPECT_EQ(Fingerprint(d.dib), before);
}

TEST(BrightnessDialogState, MissingPictureReportsTheCopyFailure) {
  Dib empty;
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  BrightnessContrastSession dlg(empty);
  EXPECT_FALSE(dlg.begin());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Can not create the bitamp");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
}
