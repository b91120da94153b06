// The Retouch tab inside the main window.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/ScanView.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/views/RetouchView.h"

namespace {
class MainFormRetouchTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form{false};
};
}  // namespace

TEST_F(MainFormRetouchTest, TheViewFillsTheRetouchTabAndScrollsWithTheWheel) {
  RetouchView* view = form.retouchView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(form.page(MainWindow::kRetouchTab)->isAncestorOf(view));
  EXPECT_EQ(form.tabScrollArea(MainWindow::kRetouchTab), view->scrollArea());
  EXPECT_EQ(form.page(MainWindow::kRetouchTab)->headerLabel()->text(),
            "Retouch - crop to selection and use filters");
  EXPECT_EQ(view->paintBox()->size(), QSize(320, 200));
}

TEST_F(MainFormRetouchTest, AnOperationChangesTheDocumentAndTheOtherViews) {
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kRetouchTab);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  RetouchView* view = form.retouchView();
  form.doc().selLeft = 10, form.doc().selTop = 20, form.doc().selRight = 110,
  form.doc().selBottom = 70;
  view->retouchMenu()->findChild<QAction*>("cropAction")->trigger();
  EXPECT_EQ(DibWidth(form.doc().picture), 100);
  EXPECT_EQ(DibHeight(form.doc().picture), 50);
  EXPECT_EQ(view->paintBox()->size(), QSize(100, 50));
  EXPECT_EQ(form.scanView()->paintBox()->size(), QSize(100, 50));
  view->retouchMenu()->actions()[2]->trigger();  // "Rotate 90 degrees to the left"
  EXPECT_EQ(form.doc().selRight, 50);
  EXPECT_EQ(form.scanView()->paintBox()->size(), QSize(50, 100));
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(MainFormRetouchTest, ANewCoverBringsTheStartPictureIntoTheView) {
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kRetouchTab);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  RetouchView* view = form.retouchView();
  view->retouchMenu()->actions()[3]->trigger();  // "Rotate 90 degrees to the right"
  ASSERT_EQ(view->paintBox()->size(), QSize(200, 320));
  form.documentCommands().newCover();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(view->paintBox()->size(), QSize(320, 200));
  EXPECT_EQ(view->selection().maxX, 319);
}
