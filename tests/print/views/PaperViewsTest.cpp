#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "platform/dialogs/ScriptedDialogs.h"
#include "print/settings/PaperFile.h"
#include "print/views/CenterView.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "tests/support/TestFiles.h"

namespace {
class PaperViewsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  QWidget host;
  PaperFormatPanel paper{&host};
  PrintPanel print{[this] { return paper.selectedFormat(); }, dir.file("options.dat"), &host};
  QSize picture{1000, 500};
  std::vector<PixelRect> covers;

  CoverDrawer Recorder() {
    return [this](QPainter& p, const PixelRect& r, int, int) {
      covers.push_back(r);
      p.fillRect(QRect(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21), Qt::red);
    };
  }

  void LoadFormats(std::vector<PaperFormat> formats) {
    ASSERT_EQ(SavePaperFormats(dir.file("paper.dat"), formats), "");
    paper.loadPaperFormats(dir.file("paper.dat"), {});
  }

  static PaperFormat Square(double inch) {
    PaperFormat t;
    t.width = t.height = t.stepAcross = t.stepDown = inch * 25.39995;
    return t;
  }

  static PaperFormat TwoByFive() {
    PaperFormat t;
    t.width = t.stepAcross = 80;
    t.height = t.stepDown = 50;
    t.columns = 2;
    t.rows = 5;
    return t;
  }
};
}  // namespace

TEST_F(PaperViewsTest, CenterViewTakesTheElementSizeAtTheZoom) {
  LoadFormats({});
  CenterView view(
      &paper, [this] { return picture; }, &host);
  view.setCoverDrawer(Recorder());
  const int dpi = view.logicalDpiX();
  EXPECT_EQ(view.size(), QSize(300, 300));
  paper.sizeEdit->setValue(50);
  view.grab();
  ASSERT_FALSE(covers.empty());
  EXPECT_EQ(covers.back(), (PixelRect{0, 0, 150, 75}));

  LoadFormats({Square(4.75)});
  EXPECT_EQ(view.width(), TruncPixels(4.75 * dpi));
  paper.zoomEdit->setValue(200);
  EXPECT_EQ(view.size(), QSize(TruncPixels(9.5 * dpi), TruncPixels(9.5 * dpi)));
  paper.zoomEdit->setValue(100);
  paper.leftEdit->setValue(-1);
  view.grab();
  EXPECT_EQ(covers.back(),
            (PixelRect{-dpi, 0, TruncPixels(4.75 * dpi) / 2, TruncPixels(4.75 * dpi) / 4}));
}

TEST_F(PaperViewsTest, DraggingScrollsAndStopsAtTheEnds) {
  LoadFormats({Square(10)});
  CenterView view(
      &paper, [this] { return picture; }, &host);
  QScrollArea* area = view.scrollArea();
  area->setGeometry(0, 0, 200, 200);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  ASSERT_GT(area->horizontalScrollBar()->maximum(), 100);
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&view, QPoint(60, 70));
  EXPECT_EQ(area->horizontalScrollBar()->value(), 40);
  EXPECT_EQ(area->verticalScrollBar()->value(), 30);
  QTest::mouseMove(&view, QPoint(-5000, 90));  // far beyond: only this axis stops at its end
  EXPECT_EQ(area->horizontalScrollBar()->value(), area->horizontalScrollBar()->maximum());
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(-5000, 90));
  const int y = area->verticalScrollBar()->value();
  QTest::mouseMove(&view, QPoint(0, 0));
  EXPECT_EQ(area->verticalScrollBar()->value(), y);  // released: no more scrolling
}

TEST_F(PaperViewsTest, PreviewShowsThePositionsOfTheChosenPage) {
  LoadFormats({TwoByFive()});
  SheetPreview preview(
      &paper, &print, [this] { return picture; }, &host);
  preview.setCoverDrawer(Recorder());
  PrinterPage a4;
  a4.widthPx = 4960;
  a4.heightPx = 7016;
  a4.dpiX = a4.dpiY = 600;
  preview.setPrinterPage(a4);
  const int dpi = preview.logicalDpiX();
  EXPECT_EQ(preview.width(), TruncPixels(4960.0 * dpi / 600));
  print.zoomEdit->setValue(50);
  EXPECT_EQ(preview.size(), QSize(TruncPixels(50 * (4960.0 * dpi / 600) / 100),
                                  TruncPixels(50 * (7016.0 * dpi / 600) / 100)));

  print.usedEdit->setValue(3);
  print.copiesEdit->setValue(12);
  preview.grab();
  EXPECT_EQ(preview.drawnElements(), 7);
  EXPECT_EQ(covers.size(), 1u) << "the cover is drawn once per paint";
  print.pageEdit->setValue(5);
  EXPECT_EQ(print.pageEdit->value(), 2);
  preview.grab();
  EXPECT_EQ(preview.drawnElements(), 5);
  print.usedEdit->setValue(12);
  EXPECT_EQ(print.usedEdit->value(), 9);
}

TEST_F(PaperViewsTest, PreviewAsksForAFormatOncePerRequest) {
  LoadFormats({});
  SheetPreview preview(
      &paper, &print, [this] { return picture; }, &host);
  preview.paintPreview();
  preview.grab();
  preview.grab();  // the box's own repaints
  EXPECT_EQ(dialogs.count("message"), 0) << "asked only after painting";
  QCoreApplication::processEvents();
  preview.grab();
  QCoreApplication::processEvents();
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_EQ(dialogs.messages()[0], "You have to select a paper format under \"Center\" first.");
  EXPECT_EQ(preview.drawnElements(), 0);
  print.copiesEdit->setValue(2);  // a new request asks again
  preview.grab();
  QCoreApplication::processEvents();
  EXPECT_EQ(dialogs.count("message"), 2);
}
