// The Texts tab inside the main window: mounted, sized by the page, resized after Open.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/TabPage.h"
#include "cover/views/TextsView.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
class MainFormTextsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form{false};
  TextsView* view() { return form.textsView(); }
  void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
};
}  // namespace

TEST_F(MainFormTextsTest, TheTabHoldsTheViewAndTheWheelScrollsIt) {
  ASSERT_NE(view(), nullptr);
  EXPECT_TRUE(form.page(MainWindow::kTextsTab)->isAncestorOf(view()));
  EXPECT_EQ(form.tabScrollArea(MainWindow::kTextsTab), view()->scrollArea);
  // Before its first paint the view has the page's size at the view's scale.
  EXPECT_EQ(view()->paintBox->width(), form.doc().viewWidthForPage());
  EXPECT_EQ(view()->paintBox->height(), form.doc().viewHeightForPage());
  form.resize(700, 500);
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kTextsTab);
  Settle();
  EXPECT_EQ(view()->paintBox->size(), QSize(320, 200));  // the paint gave it the picture's size
  // Zoomed in, the view is larger than its area and the wheel moves it.
  view()->editor().tool = Tool::Zoom;
  for (int i = 0; i < 3; ++i) QTest::mouseClick(view()->paintBox, Qt::LeftButton, {}, QPoint(5, 5));
  Settle();
  QScrollBar* bar = view()->scrollArea->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 40);
  bar->setValue(0);
  QWheelEvent wheel(QPointF(50, 50), view()->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view()->paintBox, &wheel);
  EXPECT_EQ(bar->value(), MainWindow::kWheelStep);
}

TEST_F(MainFormTextsTest, OpeningACoverResizesTheViewToItsScales) {
  TempDir dir;
  Document saved;
  SetSamplePage(saved);
  saved.scales.ViewZoom = 3;
  SetSamplePicture(saved, 24, 100, 50);
  PlaceObject(saved, 1, kShape, 3);
  ASSERT_TRUE(SaveFile(saved, dir.file("c.cov")));
  form.resize(700, 500);
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kTextsTab);
  Settle();
  dialogs.messageAnswers = {MsgResult::Ok};
  dialogs.fileAnswers = {FileAnswer{dir.file("c.cov"), 1}};
  QTest::mouseClick(form.documentButton(1), Qt::LeftButton);
  EXPECT_EQ(form.doc().scales.ViewZoom, 3);
  Settle();
  EXPECT_EQ(view()->paintBox->size(), QSize(300, 150));
  EXPECT_EQ(view()->viewBuffer().size(), QSize(300, 150));
}
