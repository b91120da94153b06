#include <gtest/gtest.h>

#include "print/views/CoverGuide.h"

TEST(CoverGuideTest, TheElementFallsOnTheCoverAsSizeAndDisplacementPlaceIt) {
  PaperFormat disc;
  disc.width = disc.height = 120;
  FormatDetails d;
  d.shape = {ShapeKind::Disc, 0, 120, 40};
  d.guides = {GuideLine(60, 0, 60, 120), GuideCircle(60, 60, 30), GuideMargin(10)};
  struct Case {
    double size, left, top;
    QRectF rim;
    double mm;
  };
  const double inch = 25.39995;
  const Case cases[] = {{100, 0, 0, {0, 0, 1200, 1200}, 0.1},
                        {50, 0, 0, {0, 0, 2400, 2400}, 0.05},
                        {100, 1, 0.5, {-inch * 10, -inch * 5, 1200, 1200}, 0.1}};
  for (const Case& c : cases) {
    const PrintGuide g = CoverPrintGuide(&disc, d, {c.size, c.left, c.top}, 1200);
    EXPECT_NEAR(g.mmPerPixel, c.mm, 1e-12);
    const QRectF r = g.outline.boundingRect();
    EXPECT_NEAR(r.left(), c.rim.left(), 1e-6);
    EXPECT_NEAR(r.top(), c.rim.top(), 1e-6);
    EXPECT_NEAR(r.width(), c.rim.width(), 1e-6);
    EXPECT_TRUE(g.outline.contains(r.center() + QPointF(r.width() * 0.4, 0)));  // on the ring
    // The guides follow: the spine line from top to bottom, the margin 10 mm inside the rim.
    EXPECT_EQ(g.lines.boundingRect().toRect(),
              c.rim.adjusted(10 / c.mm, 0, -10 / c.mm, 0).toRect());
  }
  EXPECT_TRUE(CoverPrintGuide(nullptr, d, {}, 1200).outline.isEmpty());
  EXPECT_TRUE(CoverPrintGuide(&disc, FormatDetails{}, {}, 1200).lines.isEmpty());
  EXPECT_EQ(CoverPrintGuide(&disc, d, {}, 0).mmPerPixel, 0);
}
