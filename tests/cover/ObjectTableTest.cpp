#include <gtest/gtest.h>

#include "cover/ObjectTable.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
class ObjectTableTest : public ::testing::Test {
 protected:
  CoverScales scales;
  ObjectTable table{scales};
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  FontSpec font;

  int Place(Tool tool, int x, int y) { return table.createObject(tool, x, y, font); }
};
}  // namespace

TEST_F(ObjectTableTest, AccessorsConvertWithTheViewOrRenderScale) {
  scales.ViewScale = 105833.125;
  scales.ViewZoom = 1.0;
  CoverObject& o = table[1];
  o.SetLeft(10);
  EXPECT_EQ(o.X, 1058331);
  EXPECT_EQ(o.Left(), 9);  // truncation, not rounding
  o.X = 1058332;
  EXPECT_EQ(o.Left(), 10);
  scales.ViewZoom = 2.0;
  EXPECT_EQ(o.Left(), 20);
  scales.UseRenderScale = true;
  scales.RenderScale = 0.0001;
  EXPECT_EQ(o.Left(), 105);
  o.X = -1058332;
  EXPECT_EQ(o.Left(), -105);
}

TEST_F(ObjectTableTest, CreateTakesTheLowestFreeSlotAndTheFont) {
  font.name = "Liberation Serif";
  font.size = 20;
  font.color = 0x0000FF;
  EXPECT_EQ(Place(Tool::Object, 5, 6), 1);
  EXPECT_EQ(Place(Tool::Text, 5, 6), 2);
  EXPECT_EQ(Place(Tool::Note, 5, 6), 3);
  EXPECT_EQ(table.selectedSlot, 3);
  EXPECT_EQ(table[1].Kind, kShape);
  EXPECT_EQ(table[1].SubKind, 3);
  EXPECT_EQ(table[2].Kind, kText);
  EXPECT_EQ(table[2].SubKind, 0);
  EXPECT_EQ(table[3].SubKind, 1);
  EXPECT_EQ(table[3].Width(), 49);  // 50 view pixels, truncated twice
  EXPECT_EQ(table[3].FontName, "Liberation Serif");
  EXPECT_EQ(table[3].FontSize, 20);
  EXPECT_EQ(table[3].FontColor, 0x0000FFu);
  EXPECT_EQ(table[3].NewFlag, 1);
  table[2].Kind = kFree;
  EXPECT_EQ(Place(Tool::Object, 0, 0), 2);
  EXPECT_EQ(Place(Tool::Pointer, 0, 0), 0);
  EXPECT_EQ(Place(Tool::Zoom, 0, 0), 0);
  EXPECT_EQ(table.lowestFreeSlot(), 4);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ObjectTableTest, AFullTableRefusesEveryToolWithTheMessage) {
  for (int i = 1; i <= ObjectTable::kSlots; ++i) table[i].Kind = kShape;
  EXPECT_EQ(Place(Tool::Object, 1, 1), 0);
  EXPECT_EQ(Place(Tool::Pointer, 1, 1), 0);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].text, "The are to many objects");
  EXPECT_EQ(dialogs.asked[0].title, "No free object");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Information);
  EXPECT_EQ(table.selectedSlot, 0);
}

TEST_F(ObjectTableTest, ReusedSlotsKeepTheOldFieldsButClearallResetsShadows) {
  Place(Tool::Text, 0, 0);
  table[1].Rotation = 1;
  table[1].ShadowDX = -3;
  dialogs.messageAnswers = {MsgResult::Yes};
  EXPECT_TRUE(table.deleteSelected());
  EXPECT_EQ(Place(Tool::Text, 0, 0), 1);
  EXPECT_EQ(table[1].Rotation, 1);
  EXPECT_EQ(table[1].ShadowDX, -3);
  table.clearAll();
  EXPECT_EQ(table[1].Kind, kFree);
  EXPECT_EQ(table[1].ShadowDX, 5);
  EXPECT_EQ(table[1].Rotation, 1);
}

TEST_F(ObjectTableTest, DeleteAsksAndHonoursNo) {
  EXPECT_FALSE(table.deleteSelected());  // no selection: no question
  EXPECT_TRUE(dialogs.asked.empty());
  Place(Tool::Object, 0, 0);
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  EXPECT_FALSE(table.deleteSelected());
  EXPECT_EQ(table[1].Kind, kShape);
  EXPECT_TRUE(table.deleteSelected());
  EXPECT_EQ(table[1].Kind, kFree);
  EXPECT_EQ(table.selectedSlot, 0);
  EXPECT_EQ(dialogs.asked[0].text, "Do you want to remove the object?");
  EXPECT_EQ(dialogs.asked[0].title, "Delete object");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Question);
}

TEST_F(ObjectTableTest, FrontAndBackExchangeSlots) {
  Place(Tool::Object, 0, 0);
  Place(Tool::Text, 0, 0);
  Place(Tool::Note, 0, 0);
  table.toBack();  // note in slot 3 goes to slot 1, the shape comes up to slot 3
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_EQ(table[1].SubKind, 1);
  EXPECT_EQ(table[3].Kind, kShape);
  table.toFront();
  EXPECT_EQ(table.selectedSlot, ObjectTable::kSlots);
  EXPECT_EQ(table[ObjectTable::kSlots].SubKind, 1);
  EXPECT_EQ(table[1].Kind, kFree);
  table.toFront();  // already on top: unchanged
  EXPECT_EQ(table[ObjectTable::kSlots].SubKind, 1);
  EXPECT_EQ(&table[5].Scales[0], &scales);
  // A picture moves with its rectangle.
  Dib dib;
  NewWhiteDib(dib, 2, 2);
  std::string error;
  const int picture = table.createPicture(PicturePixels::Make(dib, {}, error), 0, 0, 5, 5);
  ASSERT_EQ(picture, 1);
  table.toFront();
  EXPECT_TRUE(table.isPicture(ObjectTable::kSlots));
  EXPECT_FALSE(table.picture(1).placed());
  table.toBack();
  EXPECT_TRUE(table.isPicture(1));
}

TEST_F(ObjectTableTest, HitTestFindsTheTopmostWithInclusiveBounds) {
  Place(Tool::Object, 10, 10);
  Place(Tool::Object, 30, 30);
  const CoverObject& a = table[1];
  EXPECT_EQ(table.hitTest(a.Left(), a.Top()), 1);
  EXPECT_EQ(table.hitTest(a.Left() + a.Width(), a.Top() + a.Height()), 2);
  EXPECT_EQ(table.hitTest(a.Left() + a.Width() + 30, 10), 0);
  EXPECT_EQ(table.hitTest(5, 5), 0);
  table[7].Kind = 9;  // a foreign kind still takes part
  table[7].X = 0, table[7].Y = 0, table[7].W = 0, table[7].H = 0;
  EXPECT_EQ(table.hitTest(0, 0), 7);
}

TEST_F(ObjectTableTest, SelectNextWrapsAndStaysOnASingleObject) {
  table.selectNext();
  EXPECT_EQ(table.selectedSlot, 0);
  Place(Tool::Object, 0, 0);
  table.selectNext();
  EXPECT_EQ(table.selectedSlot, 1);
  table[ObjectTable::kSlots].Kind = kText;
  table.selectNext();
  EXPECT_EQ(table.selectedSlot, ObjectTable::kSlots);
  table.selectNext();
  EXPECT_EQ(table.selectedSlot, 1);
}
