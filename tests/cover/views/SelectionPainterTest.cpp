#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "cover/views/SelectionPainter.h"
#include "cover/views/TextsToolBar.h"

namespace {
QImage Canvas() {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 0));
  return image;
}

SelectionFrame Frame(bool dragging) {
  SelectionFrame f;
  f.visible = true;
  f.inverted = dragging;
  f.handles = !dragging;
  f.frame = RECT{10, 10, 41, 31};
  f.handle[0] = RECT{7, 7, 13, 13};
  return f;
}

TEST(SelectionPainterTest, FrameAndHandlesCoverTheGdiRectangles) {
  QImage image = Canvas();
  {
    QPainter p(&image);
    PaintSelection(p, Frame(false));
  }
  EXPECT_EQ(image.pixel(40, 20), qRgb(0, 0, 0));  // right edge excluded at 41
  EXPECT_EQ(image.pixel(41, 20), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(25, 30), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(25, 20), qRgb(255, 0, 0));  // no fill
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 0, 0));      // handle: 6 x 6 pixels
  EXPECT_EQ(image.pixel(12, 12), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(13, 12), qRgb(255, 0, 0));
}

TEST(SelectionPainterTest, DragFrameInvertsAndDrawingTwiceRestores) {
  QImage image = Canvas();
  const QImage before = image;
  {
    QPainter p(&image);
    PaintSelection(p, Frame(true));
  }
  EXPECT_EQ(image.pixel(10, 20), qRgb(0, 255, 255));
  EXPECT_EQ(image.pixel(8, 8), qRgb(255, 0, 0));  // no handles while dragging
  {
    QPainter p(&image);
    PaintSelection(p, Frame(true));
  }
  EXPECT_EQ(image, before);
}

TEST(SelectionPainterTest, InputMapsToTheEditorsTerms) {
  EXPECT_EQ(EditorButton(Qt::LeftButton), MouseButton::Left);
  EXPECT_EQ(EditorButton(Qt::RightButton), MouseButton::Right);
  EXPECT_EQ(EditorButton(Qt::MiddleButton), MouseButton::Other);
  EXPECT_EQ(EditorKeyOf(Qt::Key_Delete), EditorKey::Delete);
  EXPECT_EQ(EditorKeyOf(Qt::Key_Down), EditorKey::Down);
  EXPECT_EQ(EditorKeyOf(Qt::Key_A), EditorKey::Other);
}

TEST(TextsToolBarTest, ExactlyOneToolIsDown) {
  TextsToolBar bar;
  EXPECT_EQ(bar.tool(), Tool::Pointer);
  QSignalSpy spy(&bar, &TextsToolBar::toolChosen);
  QTest::mouseClick(bar.buttons[4], Qt::LeftButton);
  EXPECT_EQ(bar.tool(), Tool::Text);
  EXPECT_FALSE(bar.buttons[0]->isChecked());
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].value<Tool>(), Tool::Text);
  bar.setTool(Tool::Pointer);
  EXPECT_EQ(bar.tool(), Tool::Pointer);
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(bar.buttons[1]->text(), "Zoom");
}
}  // namespace
