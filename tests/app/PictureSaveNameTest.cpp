#include <gtest/gtest.h>

#include "app/PictureSaveName.h"

TEST(PictureSaveName, TheChosenEntryGivesTheExtensionOfANameWithoutOne) {
  EXPECT_EQ(PictureSaveName("/home/u/cover", 6), "/home/u/cover.jpg");
  EXPECT_EQ(PictureSaveCode(6), 8);
  EXPECT_EQ(PictureSaveName("/home/u/cover", 1), "/home/u/cover.bmp");
  EXPECT_EQ(PictureSaveName("/home/u/cover", 11), "/home/u/cover.tif");
  EXPECT_EQ(PictureSaveName("/home/u/cover", 12), "/home/u/cover.png");
  EXPECT_EQ(PictureSaveCode(12), 14);
}

TEST(PictureSaveName, ANameWithAnExtensionIsKeptWhateverTheEntry) {
  EXPECT_EQ(PictureSaveName("/home/u/cover.png", 6), "/home/u/cover.png");
  EXPECT_EQ(PictureSaveName("cover.", 3), "cover.");
  // A dot in a folder name is not an extension.
  EXPECT_EQ(PictureSaveName("/home/u.v/cover", 3), "/home/u.v/cover.gif");
}

TEST(PictureSaveName, AnEntryWithoutExtensionAddsNothing) {
  EXPECT_EQ(PictureSaveName("cover", 0), "cover");
  EXPECT_EQ(PictureSaveName("cover", 13), "cover");
}
