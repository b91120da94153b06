#include <gtest/gtest.h>

#include "app/Document.h"
#include "app/ProgressBarModel.h"

TEST(Document, StartsWithTheWhitePictureSelectedWhole) {
  Document d;
  ASSERT_NE(d.picture.Bits, nullptr);
  EXPECT_EQ(DibWidth(d.picture), 320);
  EXPECT_EQ(DibHeight(d.picture), 200);
  EXPECT_EQ(d.selRight, 319);
  EXPECT_EQ(d.selBottom, 199);
  EXPECT_EQ(d.objects.occupiedCount(), 0);
}

TEST(Document, ScalesAndPageFollowTheDevices) {
  Document d;
  d.setScreenDpi(96);
  d.setPrinterPage(4960, 7016, 600, 600);
  EXPECT_DOUBLE_EQ(d.scales.BaseScale, 105833.125);
  EXPECT_DOUBLE_EQ(d.scales.ViewScale, 105833.125);
  EXPECT_EQ(d.pageWidth, 41994584);
  EXPECT_EQ(d.viewWidthForPage(), 396);
  d.setScreenDpi(120);
  EXPECT_DOUBLE_EQ(d.scales.BaseScale, 84666.5);
}

TEST(Document, CaptionNamesTheFileWithoutItsFolder) {
  EXPECT_EQ(CaptionFor(""), "TAVIRON Quendrix 1.1 - [noname.cov]");
  EXPECT_EQ(CaptionFor("/home/me/covers/jazz.cov"), "TAVIRON Quendrix 1.1 - [jazz.cov]");
}

TEST(ProgressBarModel, GrowsInPlaceAndErasesOnlyWhenShrinking) {
  ProgressBarModel m;
  m.drawn(PanelRect{250, 2, 450, 17});
  using P = ProgressBarModel::Paint;
  std::vector<P> paints;
  for (int v : {0, 10, 50, 100, 0}) paints.push_back(m.set(v));
  EXPECT_EQ(paints, (std::vector<P>{P::Nothing, P::Extend, P::Extend, P::Extend, P::Erase}));
  m.drawn(PanelRect{250, 2, 450, 17});
  EXPECT_EQ(m.barRight(m.progressRect), 250);
  // 10000 rows move a 200-pixel bar at most 200 times.
  int extends = 0;
  for (int row = 0; row < 10000; ++row) extends += m.set(row * 100 / 9999) == P::Extend;
  EXPECT_LE(extends, 200);
  EXPECT_EQ(m.barRight(m.progressRect), 450);
}
