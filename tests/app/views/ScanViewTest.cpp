#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/ScanView.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/views/Panning.h"

namespace {
class ScanViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    view = form.scanView();
    ASSERT_NE(view, nullptr);
  }
  // A picture whose top-left quarter is red and the rest blue.
  void UsePicture(int w, int h) {
    Dib dib;
    NewDib(dib, w, h, 24, nullptr, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        SetDibPixel(dib, x, y, x < w / 2 && y < h / 2 ? 0xFF0000 : 0x0000FF);
    form.doc().replacePicture(dib);
    view->paintView();
  }
  QSize BoxSize() const { return view->paintBox()->size(); }

  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form{false};
  ScanView* view = nullptr;
};
}  // namespace

TEST_F(ScanViewTest, SitsInTheScanTabWithItsZoom) {
  EXPECT_EQ(form.tabScrollArea(MainWindow::kScanTab), view);
  EXPECT_EQ(view->zoomEdit()->minimum(), 10);
  EXPECT_EQ(view->zoomEdit()->maximum(), 500);
  EXPECT_EQ(view->zoomEdit()->singleStep(), 10);
  EXPECT_EQ(view->zoomEdit()->value(), 100);
  EXPECT_TRUE(form.page(MainWindow::kScanTab)->leftPanel()->isAncestorOf(view->zoomEdit()));
  EXPECT_EQ(view->paintBox()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(BoxSize(), QSize(320, 200));
}

TEST_F(ScanViewTest, ZoomResizesFirstAndTheNextPaintDraws) {
  for (int zoom : {10, 500, 100}) {
    view->zoomEdit()->setValue(zoom);
    EXPECT_EQ(BoxSize(), QSize(320 * zoom / 100, 200 * zoom / 100));
  }
  // The paint handler's rule: a box of the wrong size is resized and nothing is drawn.
  view->paintBox()->resize(10, 10);
  const int drawn = view->paintBox()->paintsDrawn();
  EXPECT_TRUE(view->resizeBoxIfNeeded());
  EXPECT_EQ(BoxSize(), QSize(320, 200));
  EXPECT_FALSE(view->resizeBoxIfNeeded());
  view->paintBox()->repaint();
  EXPECT_EQ(view->paintBox()->paintsDrawn(), drawn + 1);
  view->paintBox()->resize(10, 10);
  view->paintBox()->repaint();  // resizes only
  EXPECT_EQ(view->paintBox()->paintsDrawn(), drawn + 1);
  EXPECT_EQ(BoxSize(), QSize(320, 200));
}

TEST_F(ScanViewTest, PaintShowsThePictureAtTheZoom) {
  UsePicture(40, 20);
  view->zoomEdit()->setValue(200);
  ASSERT_EQ(BoxSize(), QSize(80, 40));
  const QImage shot = view->paintBox()->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(5, 5)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(shot.pixel(39, 19)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(shot.pixel(40, 19)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(shot.pixel(79, 39)), QColor(0, 0, 255));
  const QImage area = view->viewport()->grab().toImage();
  EXPECT_EQ(QColor(area.pixel(area.width() - 1, area.height() - 1)), QColor(171, 171, 171));
}

TEST_F(ScanViewTest, ScrolledPartsArePaintedFromTheRightPlace) {
  UsePicture(1000, 1000);  // red top-left quarter
  QCoreApplication::processEvents();
  view->horizontalScrollBar()->setValue(400);
  view->verticalScrollBar()->setValue(450);
  ASSERT_EQ(view->horizontalScrollBar()->value(), 400);
  ASSERT_EQ(view->verticalScrollBar()->value(), 450);
  const QImage area = view->viewport()->grab().toImage();
  EXPECT_EQ(QColor(area.pixel(99, 49)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(area.pixel(100, 49)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(area.pixel(99, 50)), QColor(0, 0, 255));
}

TEST_F(ScanViewTest, EightBitPicturesShowTheirOwnColours) {
  Dib dib;
  NewDib(dib, 2, 1, 8, nullptr, 0);
  SetDibColor(dib, 7, 10, 200, 30);
  SetDibPixel(dib, 1, 0, 7);
  form.doc().replacePicture(dib);
  view->zoomEdit()->setValue(500);
  const QImage shot = view->paintBox()->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(shot.pixel(7, 2)), QColor(10, 200, 30));
}

TEST_F(ScanViewTest, DraggingScrollsAndStopsAtTheRanges) {
  form.resize(750, 550);
  UsePicture(2000, 2000);
  QCoreApplication::processEvents();
  QScrollBar* h = view->horizontalScrollBar();
  QScrollBar* v = view->verticalScrollBar();
  ASSERT_GT(h->maximum(), 0);
  QWidget* box = view->paintBox();
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_TRUE(SharedPan().Panning);
  EXPECT_EQ(SharedPan().PanStartX, 300);
  QMouseEvent move(QEvent::MouseMove, QPointF(260, 250), box->mapToGlobal(QPointF(260, 250)),
                   Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(box, &move);
  EXPECT_EQ(h->value(), 40);
  EXPECT_EQ(v->value(), 50);
  QMouseEvent far(QEvent::MouseMove, QPointF(-5000, -9000), box->mapToGlobal(QPointF(-5000, -9000)),
                  Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(box, &far);
  EXPECT_EQ(h->value(), h->maximum());
  EXPECT_EQ(v->value(), v->maximum());
  QMouseEvent back(QEvent::MouseMove, QPointF(90000, 90000),
                   box->mapToGlobal(QPointF(90000, 90000)), Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(box, &back);
  EXPECT_EQ(h->value(), 0);
  EXPECT_EQ(v->value(), 0);
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(SharedPan().Panning);
  QMouseEvent after(QEvent::MouseMove, QPointF(0, 0), box->mapToGlobal(QPointF(0, 0)), Qt::NoButton,
                    Qt::NoButton, {});
  QCoreApplication::sendEvent(box, &after);
  EXPECT_EQ(h->value(), 0);
}
