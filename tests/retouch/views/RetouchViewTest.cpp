#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "platform/Progress.h"
#include "retouch/effects/EffectFilters.h"
#include "retouch/views/MenuButton.h"
#include "retouch/views/RetouchView.h"
#include "tests/retouch/views/ViewPictures.h"

namespace {
class RetouchViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Pattern24(100, 60);
    view = std::make_unique<RetouchView>(doc.dib, doc.sel.ref());
    view->resize(760, 560);
    view->move(0, 0);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  void TearDown() override {
    for (QMenu* m : {view->fileMenu(), view->effectsMenu(), view->retouchMenu()}) m->hide();
  }
  QWidget* box() const { return view->paintBox(); }
  void Zoom(int z) {
    view->zoomEdit()->setValue(z);
    QCoreApplication::processEvents();
  }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(box(), Qt::LeftButton, {}, from);
    QTest::mouseMove(box(), to);
    QTest::mouseRelease(box(), Qt::LeftButton, {}, to);
  }
  void Select(int l, int t, int r, int b) {
    doc.sel.left = l, doc.sel.top = t, doc.sel.right = r, doc.sel.bottom = b;
    view->paintView();
  }
  QAction* Item(QMenu* menu, const char* caption) {
    for (QAction* a : menu->actions())
      if (a->text() == QLatin1String(caption)) return a;
    ADD_FAILURE() << "no item " << caption;
    return nullptr;
  }
  Qt::CursorShape HoverAt(QPoint p) {
    QTest::mouseMove(box(), p);
    return box()->cursor().shape();
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> t;
    for (const auto& a : dialogs.asked) t.push_back(a.title);
    return t;
  }

  WatchingDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TestDocument doc;
  std::unique_ptr<RetouchView> view;
};
}  // namespace

TEST_F(RetouchViewTest, ToolBarButtonsMenusAndZoom) {
  EXPECT_EQ(view->fileButton()->text(), "File");
  EXPECT_EQ(view->fileButton()->toolTip(), "Opens the file menu");
  EXPECT_EQ(view->effectsButton()->text(), "Effects");
  EXPECT_EQ(view->effectsButton()->toolTip(), "Use effect filter ...");
  EXPECT_EQ(view->retouchButton()->text(), "Retouch");
  EXPECT_EQ(view->retouchButton()->toolTip(), "Retouch pictures");
  for (MenuButton* b : {view->fileButton(), view->effectsButton(), view->retouchButton()})
    EXPECT_TRUE(b->isFlat());
  EXPECT_EQ(view->zoomEdit()->minimum(), 10);
  EXPECT_EQ(view->zoomEdit()->maximum(), 500);
  EXPECT_EQ(view->zoomEdit()->singleStep(), 10);
  EXPECT_EQ(view->zoomEdit()->value(), 100);
  EXPECT_EQ(view->zoomEdit()->toolTip(), "Zoom in and zoom out the picture");

  ASSERT_EQ(view->fileMenu()->actions().size(), 1);
  EXPECT_EQ(view->fileMenu()->actions()[0]->text(), "Save as...");

  const QList<QAction*> effects = view->effectsMenu()->actions();
  ASSERT_EQ(effects.size(), kEffectCount);
  for (int k = 0; k < kEffectCount; ++k)
    EXPECT_EQ(effects[k]->text(), kEffectFilters[k].FilterName);

  struct Expected {
    const char* name;
    const char* caption;
    const char* hint;
  };
  const Expected items[] = {{"brightnessContrastAction", "Brightness and contrast...",
                             "Change the brightness and contrast"},
                            {nullptr, "", ""},
                            {"turnLeftAction", "Rotate 90 degrees to the left",
                             "Rotate the picture 90 degrees to the left"},
                            {"turnRightAction", "Rotate 90 degrees to the right",
                             "Rotate the picture 90 degrees to the right"},
                            {nullptr, "", ""},
                            {"mirrorAction", "Mirror", "Mirror horizontal"},
                            {"mirrorVerticalAction", "Mirror vertical", "Mirror vertical"},
                            {nullptr, "", ""},
                            {"cropAction", "Crop to selection", "Crop to selection"}};
  const QList<QAction*> retouch = view->retouchMenu()->actions();
  ASSERT_EQ(retouch.size(), 12);  // then a separator, "Undo" and "Redo"
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(retouch[i]->isSeparator(), items[i].name == nullptr);
    if (!items[i].name) continue;
    EXPECT_EQ(retouch[i]->objectName(), items[i].name);
    EXPECT_EQ(retouch[i]->text(), items[i].caption);
    EXPECT_EQ(retouch[i]->toolTip(), items[i].hint);
  }
}

TEST_F(RetouchViewTest, MenusOpenBelowTheirButtonOrAtTheRightClick) {
  for (MenuButton* b : {view->fileButton(), view->effectsButton(), view->retouchButton()}) {
    SCOPED_TRACE(b->text().toStdString());
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_TRUE(b->popupMenu()->isVisible());
    EXPECT_EQ(b->popupMenu()->pos(), b->mapToGlobal(QPoint(0, b->height())));
    b->popupMenu()->hide();
    QTest::mousePress(b, Qt::RightButton, {}, QPoint(7, 5));
    ASSERT_TRUE(b->popupMenu()->isVisible());
    EXPECT_EQ(b->popupMenu()->pos(), b->mapToGlobal(QPoint(7, 5)));
    b->popupMenu()->hide();
  }
}

TEST_F(RetouchViewTest, SaveAsAsksTheOwnerToSave) {
  QSignalSpy spy(view.get(), &RetouchView::saveRequested);
  view->fileMenu()->actions()[0]->trigger();
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(RetouchViewTest, DraggedSelectionIsCropped) {
  QSignalSpy changed(view.get(), &RetouchView::pictureChanged);
  const uint32_t corner = GetDibPixel(doc.dib, 10, 5), last = GetDibPixel(doc.dib, 39, 24);
  Drag({10, 5}, {40, 25});
  EXPECT_EQ(view->selection().selDragging, 0);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);  // the capture ends with the release
  EXPECT_EQ(doc.sel.left, 10);
  EXPECT_EQ(doc.sel.top, 5);
  EXPECT_EQ(doc.sel.right, 40);
  EXPECT_EQ(doc.sel.bottom, 25);
  Item(view->retouchMenu(), "Crop to selection")->trigger();
  ASSERT_EQ(DibWidth(doc.dib), 30);
  ASSERT_EQ(DibHeight(doc.dib), 20);
  EXPECT_EQ(GetDibPixel(doc.dib, 0, 0), corner);
  EXPECT_EQ(GetDibPixel(doc.dib, 29, 19), last);
  EXPECT_EQ(doc.sel.right, 30);
  EXPECT_EQ(doc.sel.bottom, 20);
  EXPECT_EQ(box()->size(), QSize(30, 20));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(RetouchViewTest, AClickMakesAnEmptySelectionThatCannotBeCropped) {
  Drag({20, 20}, {20, 20});
  EXPECT_EQ(doc.sel.left, doc.sel.right);
  Item(view->retouchMenu(), "Crop to selection")->trigger();
  ASSERT_EQ(dialogs.messages(), std::vector<std::string>{"Select an area with the mouse first!"});
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_EQ(DibWidth(doc.dib), 100);
}

TEST_F(RetouchViewTest, SelectionArithmeticAtZoom50) {
  doc.Uniform24(640, 480, 0xFF0000);
  Zoom(50);
  ASSERT_EQ(box()->size(), QSize(320, 240));
  EXPECT_EQ(view->selection().scaleX, 0.5);
  EXPECT_EQ(view->selection().scaleY, 0.5);
  Select(101, 20, 103, 200);
  EXPECT_EQ(view->selection().selViewLeft, 50);   // 50.5, halves to even
  EXPECT_EQ(view->selection().selViewRight, 52);  // 51.5
  // The frame is drawn there, black dots on white gaps over the red picture.
  const QImage shot = box()->grab().toImage();
  bool black = false, white = false;
  for (int y = 12; y < 98; ++y) {
    const QColor c(shot.pixel(50, y));
    black |= c == Qt::black;
    white |= c == Qt::white;
    EXPECT_TRUE(c == Qt::black || c == Qt::white) << y;
    EXPECT_EQ(QColor(shot.pixel(51, y)), QColor(Qt::red)) << y;
  }
  EXPECT_TRUE(black && white);
  EXPECT_EQ(QColor(shot.pixel(200, 200)), QColor(Qt::red));

  Select(0, 0, 640, 480);
  QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(51, 20));
  EXPECT_EQ(doc.sel.left, 102);
  EXPECT_EQ(doc.sel.top, 40);
  QTest::mouseMove(box(), QPoint(101, 61));
  QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(101, 61));
  EXPECT_EQ(doc.sel.right, 202);
  EXPECT_EQ(doc.sel.bottom, 122);
}

TEST_F(RetouchViewTest, DraggingBeyondTheViewClampsAtZoom100And300) {
  Drag({10, 10}, {600, 500});
  EXPECT_EQ(doc.sel.right, 99);  // the last column cannot be taken in at zoom 100
  EXPECT_EQ(doc.sel.bottom, 59);
  Zoom(300);
  ASSERT_EQ(box()->size(), QSize(300, 180));
  Select(0, 0, 0, 0);
  Drag({30, 30}, {700, 540});
  EXPECT_EQ(doc.sel.left, 10);
  EXPECT_EQ(doc.sel.top, 10);
  EXPECT_EQ(doc.sel.right, 100);  // 299 / 3 = 99.67
  EXPECT_EQ(doc.sel.bottom, 60);
  Drag({200, 100}, {-50, -40});  // up and left past the start: the edges swap
  EXPECT_EQ(doc.sel.left, 0);
  EXPECT_EQ(doc.sel.top, 0);
  EXPECT_EQ(doc.sel.right, 67);  // 200 / 3 = 66.67
  EXPECT_EQ(doc.sel.bottom, 33);
}

TEST_F(RetouchViewTest, HoverCursorsAndDraggingAnEdgeAcrossTheOtherOne) {
  Select(20, 10, 60, 40);
  EXPECT_EQ(HoverAt({30, 25}), Qt::ArrowCursor);
  EXPECT_EQ(HoverAt({22, 25}), Qt::SizeHorCursor);
  EXPECT_EQ(HoverAt({40, 43}), Qt::SizeVerCursor);
  EXPECT_EQ(HoverAt({21, 11}), Qt::SizeFDiagCursor);
  EXPECT_EQ(HoverAt({59, 39}), Qt::SizeFDiagCursor);
  EXPECT_EQ(HoverAt({59, 11}), Qt::SizeBDiagCursor);
  EXPECT_EQ(HoverAt({61, 25}), Qt::SizeHorCursor);
  // The right edge is grabbed and dragged past the left one: it becomes the left edge.
  QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(61, 25));
  EXPECT_EQ(QWidget::mouseGrabber(), box());
  QTest::mouseMove(box(), QPoint(5, 25));
  EXPECT_EQ(doc.sel.left, 5);
  EXPECT_EQ(doc.sel.right, 20);
  QTest::mouseMove(box(), QPoint(12, 25));
  QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(12, 25));
  EXPECT_EQ(doc.sel.left, 12);
  EXPECT_EQ(doc.sel.right, 20);
  EXPECT_EQ(doc.sel.top, 10);
  EXPECT_EQ(doc.sel.bottom, 40);
}

TEST_F(RetouchViewTest, TurnsAndMirrorsRepaintAndReportTheChange) {
  QSignalSpy changed(view.get(), &RetouchView::pictureChanged);
  const uint32_t topRight = GetDibPixel(doc.dib, 99, 0);
  Select(5, 5, 10, 10);
  Item(view->retouchMenu(), "Rotate 90 degrees to the left")->trigger();
  EXPECT_EQ(box()->size(), QSize(60, 100));
  EXPECT_EQ(GetDibPixel(doc.dib, 0, 0), topRight);
  EXPECT_EQ(doc.sel.right, 60);
  EXPECT_EQ(doc.sel.bottom, 100);
  Item(view->retouchMenu(), "Rotate 90 degrees to the right")->trigger();
  Select(5, 5, 10, 10);
  Item(view->retouchMenu(), "Mirror")->trigger();
  EXPECT_EQ(GetDibPixel(doc.dib, 0, 0), topRight);
  Item(view->retouchMenu(), "Mirror vertical")->trigger();
  EXPECT_EQ(GetDibPixel(doc.dib, 0, 59), topRight);
  EXPECT_EQ(doc.sel.left, 5);  // mirrors keep the selection numbers
  EXPECT_EQ(changed.count(), 4);
}

TEST_F(RetouchViewTest, OperationsReportProgressWithoutRepaintingEachRow) {
  struct Log : ProgressSink {
    std::vector<int> values;
    void setProgress(int p) override { values.push_back(p); }
  } log;
  ProgressSink* old = SetProgressSink(&log);
  doc.Pattern24(120, 200);
  view->paintView();
  QCoreApplication::processEvents();
  const int paints = view->paintBox()->paintsDrawn();
  Item(view->retouchMenu(), "Mirror")->trigger();
  SetProgressSink(old);
  EXPECT_LE(view->paintBox()->paintsDrawn() - paints, 1);
  ASSERT_GE(log.values.size(), 200u);
  EXPECT_EQ(log.values.front(), 0);
  EXPECT_EQ(log.values.back(), 0);
  EXPECT_NE(std::find(log.values.begin(), log.values.end(), 100), log.values.end());
}

TEST_F(RetouchViewTest, ZoomResizesFirstAndTheNextPaintDraws) {
  for (int zoom : {10, 500, 100}) {
    Zoom(zoom);
    EXPECT_EQ(box()->size(), QSize(100 * zoom / 100, 60 * zoom / 100));
  }
  view->paintBox()->resize(10, 10);
  const int drawn = view->paintBox()->paintsDrawn();
  view->paintBox()->repaint();  // resizes only
  EXPECT_EQ(view->paintBox()->paintsDrawn(), drawn);
  EXPECT_EQ(box()->size(), QSize(100, 60));
  view->paintBox()->repaint();
  EXPECT_EQ(view->paintBox()->paintsDrawn(), drawn + 1);
  // Sizes are truncated: 95 x 64 at zoom 10 is 9 x 6.
  doc.Pattern24(95, 64);
  Zoom(10);
  EXPECT_EQ(box()->size(), QSize(9, 6));
}
