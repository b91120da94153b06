#include <gtest/gtest.h>

#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/Crop.h"
#include "tests/retouch/TestPictures.h"

TEST(Crop, TakesTheSelectedBlockAtEveryDepth) {
  for (int bpp : {1, 4, 8, 24}) {
    DibHolder d;
    RandomDib(d.dib, 29, 11, bpp, uint32_t(bpp));
    Dib original;
    CopyDib(original, d.dib);
    SelectionBox sel{3, 2, 20, 9};
    ASSERT_TRUE(CropToSelection(d.dib, sel.ref()));
    ASSERT_EQ(DibWidth(d.dib), 17);
    ASSERT_EQ(DibHeight(d.dib), 7);
    EXPECT_EQ(DibBitCount(d.dib), bpp);
    EXPECT_EQ(ColourTable(d.dib), ColourTable(original));
    for (int32_t y = 0; y < 7; ++y)
      for (int32_t x = 0; x < 17; ++x)
        ASSERT_EQ(GetDibPixel(d.dib, x, y), GetDibPixel(original, x + 3, y + 2)) << bpp;
    EXPECT_EQ(sel.left, 0);
    EXPECT_EQ(sel.top, 0);
    EXPECT_EQ(sel.right, 17);
    EXPECT_EQ(sel.bottom, 7);
    FreeDib(original);
  }
}

TEST(Crop, WholeSelectionGivesAnEqualCopy) {
  for (int bpp : {1, 4, 8, 24}) {
    DibHolder d;
    RandomDib(d.dib, 10, 4, bpp, 7);
    const std::string before = Fingerprint(d.dib);
    SelectionBox sel{0, 0, 10, 4};
    ASSERT_TRUE(CropToSelection(d.dib, sel.ref()));
    EXPECT_EQ(Fingerprint(d.dib), before) << bpp;
  }
}

TEST(Crop, EmptySelectionAsksForOneAndChangesNothing) {
  DibHolder d;
  RandomDib(d.dib, 10, 4, 24, 7);
  const std::string before = Fingerprint(d.dib);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  SelectionBox click{4, 2, 4, 2};
  ProgressLog log;
  EXPECT_FALSE(CropToSelection(d.dib, click.ref()));
  EXPECT_EQ(Fingerprint(d.dib), before);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Select an area with the mouse first!");
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
  EXPECT_EQ(log.values.back(), 0);
}

TEST(Crop, SelectionReachingOutsideThePictureIsLimitedToIt) {
  DibHolder d;
  RandomDib(d.dib, 10, 4, 8, 7);
  SelectionBox sel{6, -3, 40, 3};
  ASSERT_TRUE(CropToSelection(d.dib, sel.ref()));
  EXPECT_EQ(DibWidth(d.dib), 4);
  EXPECT_EQ(DibHeight(d.dib), 3);
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  SelectionBox outside{20, 0, 30, 2};
  EXPECT_FALSE(CropToSelection(d.dib, outside.ref()));
  EXPECT_EQ(dialogs.messages().size(), 1u);
}
