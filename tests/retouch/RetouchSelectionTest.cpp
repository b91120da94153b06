#include <gtest/gtest.h>

#include "retouch/RetouchSelection.h"

namespace {
struct View {
  SelectionBox sel;
  RetouchSelection s;
  int32_t w, h;
  View(int32_t dibW, int32_t dibH, int zoom, SelectionBox start) : sel(start), w(dibW), h(dibH) {
    paint(zoom);
  }
  void paint(int zoom) { s.layout(RetouchViewSize(w, h, zoom), w, h, sel.ref()); }
};
}  // namespace

TEST(SelectionArithmetic, RoundingSendsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(50.5), 50);
  EXPECT_EQ(RoundHalfEven(51.5), 52);
}

TEST(SelectionArithmetic, ViewSizesAreTruncated) {
  EXPECT_EQ(RetouchViewSize(95, 64, 10).width, 9);
  EXPECT_EQ(RetouchViewSize(95, 64, 10).height, 6);
  EXPECT_EQ(RetouchViewSize(640, 480, 50).width, 320);
}

TEST(SelectionArithmetic, ZoomFiftyMapsBothWays) {
  View v(640, 480, 50, {101, 0, 103, 480});
  EXPECT_DOUBLE_EQ(v.s.scaleX, 0.5);
  EXPECT_DOUBLE_EQ(v.s.scaleY, 0.5);
  EXPECT_EQ(v.s.selViewLeft, 50);     // 50.5
  EXPECT_EQ(v.s.selViewRight, 52);    // 51.5
  EXPECT_EQ(v.s.selViewBottom, 239);  // 240 limited to the last view row
  EXPECT_EQ(v.s.press(51, 20, v.sel.ref()), RetouchSelection::Press::NewSelection);
  EXPECT_EQ(v.sel.left, 102);
  EXPECT_EQ(v.sel.right, 102);
  EXPECT_EQ(v.sel.top, 40);
  EXPECT_EQ(v.sel.bottom, 40);
}

TEST(SelectionArithmetic, DraggingBeyondTheViewStopsShortOfTheLastColumnAtZoom100) {
  View v(100, 50, 100, {0, 0, 0, 0});
  v.s.press(10, 10, v.sel.ref());
  EXPECT_TRUE(v.s.move(500, 500, v.sel.ref()));
  EXPECT_EQ(v.sel.right, 99);
  EXPECT_EQ(v.sel.bottom, 49);
  EXPECT_TRUE(v.s.release());
  EXPECT_FALSE(v.s.release());
}

TEST(SelectionArithmetic, DraggingBeyondTheViewReachesTheEdgeAtZoom300) {
  View v(100, 50, 300, {0, 0, 0, 0});
  v.s.press(30, 30, v.sel.ref());
  EXPECT_EQ(v.sel.left, 10);
  v.s.move(-40, 2000, v.sel.ref());
  EXPECT_EQ(v.sel.left, 0);
  EXPECT_EQ(v.sel.right, 10);   // the right edge crossed the left one and became it
  EXPECT_EQ(v.sel.bottom, 50);  // 149 / 3 = 49.67
  EXPECT_EQ(v.s.selViewBottom, 149);
}

TEST(SelectionDrag, CrossingTheOppositeEdgeSwapsTheDraggedEdge) {
  View v(200, 200, 100, {50, 50, 100, 100});
  v.s.move(100, 70, v.sel.ref());  // hover on the right edge
  ASSERT_TRUE(v.s.dragRight);
  EXPECT_EQ(v.s.cursor, SelectionCursor::SizeWE);
  EXPECT_EQ(v.s.press(100, 70, v.sel.ref()), RetouchSelection::Press::EdgeDrag);
  v.s.move(30, 70, v.sel.ref());
  EXPECT_EQ(v.sel.left, 30);
  EXPECT_EQ(v.sel.right, 50);
  EXPECT_TRUE(v.s.dragLeft);
  EXPECT_FALSE(v.s.dragRight);
  v.s.move(20, 70, v.sel.ref());  // goes on without a jump
  EXPECT_EQ(v.sel.left, 20);
  EXPECT_EQ(v.sel.right, 50);
  EXPECT_EQ(v.sel.top, 50);
  EXPECT_EQ(v.sel.bottom, 100);
}

TEST(SelectionDrag, ClickWithoutMovementMakesAnEmptySelection) {
  View v(200, 100, 100, {0, 0, 200, 100});
  EXPECT_EQ(v.s.press(-1, 5, v.sel.ref()), RetouchSelection::Press::Ignored);
  EXPECT_EQ(v.s.press(200, 5, v.sel.ref()), RetouchSelection::Press::Ignored);
  EXPECT_EQ(v.s.selDragging, 0);
  v.s.move(120, 60, v.sel.ref());  // inside, away from every edge
  EXPECT_FALSE(v.s.overSelEdge);
  v.s.press(120, 60, v.sel.ref());
  v.s.release();
  EXPECT_EQ(v.sel.left, v.sel.right);
  EXPECT_EQ(v.sel.top, v.sel.bottom);
}

TEST(SelectionHover, CursorFollowsEdgesAndCorners) {
  View v(300, 300, 100, {100, 100, 200, 200});
  struct Case {
    int32_t x, y;
    SelectionCursor c;
  } cases[] = {{96, 150, SelectionCursor::SizeWE},    {204, 150, SelectionCursor::SizeWE},
               {95, 150, SelectionCursor::Arrow},     {150, 104, SelectionCursor::SizeNS},
               {150, 198, SelectionCursor::SizeNS},   {100, 100, SelectionCursor::SizeNWSE},
               {200, 200, SelectionCursor::SizeNWSE}, {200, 100, SelectionCursor::SizeNESW},
               {100, 200, SelectionCursor::SizeNESW}, {150, 150, SelectionCursor::Arrow},
               {150, 96, SelectionCursor::SizeNS},    {150, 95, SelectionCursor::Arrow}};
  for (const Case& c : cases) {
    v.s.move(c.x, c.y, v.sel.ref());
    EXPECT_EQ(v.s.cursor, c.c) << c.x << "," << c.y;
    EXPECT_EQ(v.s.overSelEdge, c.c != SelectionCursor::Arrow) << c.x << "," << c.y;
  }
}

TEST(SelectionHover, NarrowSelectionPrefersTheLeftEdge) {
  View v(300, 300, 100, {100, 100, 102, 200});
  v.s.move(101, 150, v.sel.ref());
  EXPECT_TRUE(v.s.dragLeft);
  EXPECT_FALSE(v.s.dragRight);
}

TEST(SelectionArithmetic, EmptyViewNeverDividesByZero) {
  View v(5, 5, 10, {0, 0, 5, 5});  // 0 x 0 view pixels
  EXPECT_EQ(v.s.maxX, -1);
  EXPECT_EQ(v.s.press(0, 0, v.sel.ref()), RetouchSelection::Press::Ignored);
  v.s.overSelEdge = true;
  v.s.dragRight = true;
  v.s.press(0, 0, v.sel.ref());
  v.s.move(3, 3, v.sel.ref());
  EXPECT_EQ(v.sel.right, 0);
}
