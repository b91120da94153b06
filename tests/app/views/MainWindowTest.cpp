#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>
#include <vector>

#include "app/views/MainWindow.h"
#include "app/views/StatusBar.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/views/ImageButton.h"

namespace {
class MainFormTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};
}  // namespace

TEST_F(MainFormTest, StartsWithTheDocumentRowTabsAndCaption) {
  MainWindow form(false);
  form.show();
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [noname.cov]");
  EXPECT_EQ(form.size(), QSize(750, 550));
  QStringList tabs;
  for (int i = 0; i < form.tabs()->count(); ++i) tabs << form.tabs()->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Scan", "Retouch", "Texts", "Center", "Print"}));
  EXPECT_EQ(form.page(MainWindow::kTextsTab)->leftPanel(), nullptr);
  EXPECT_NE(form.page(MainWindow::kScanTab)->leftPanel(), nullptr);
  EXPECT_EQ(form.page(MainWindow::kRetouchTab)->headerLabel()->text(),
            "Retouch - crop to selection and use filters");
  EXPECT_EQ(form.documentButton(3)->text(), "Save as...");
  EXPECT_EQ(form.documentButton(0)->size(), QSize(121, 25));
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_GT(form.doc().pageWidth, 0);
}

TEST_F(MainFormTest, QuitAsksAndCancelKeepsTheWindow) {
  MainWindow form(false);
  form.show();
  dialogs.messageAnswers = {MsgResult::Cancel, MsgResult::Ok};
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "You leave the program now.");
  EXPECT_EQ(dialogs.asked[0].title, "Quit program");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Information);
  QTest::mouseClick(form.quitButton(), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(dialogs.asked.size(), 2u);
}

TEST_F(MainFormTest, ProgressEventsGrowTheBarAndOnlyZeroErases) {
  MainWindow form(false);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.statusBarPanel()->repaint();
  for (int v : {0, 10, 50, 100, 0}) ReportProgress(v);
  EXPECT_EQ(form.statusBarPanel()->extendCount(), 3);
  EXPECT_EQ(form.statusBarPanel()->eraseCount(), 1);
  EXPECT_EQ(form.statusBarPanel()->model().progressPercent, 0);
}

TEST_F(MainFormTest, WheelScrollsOnlyTheFrontTabsArea) {
  MainWindow form(false);
  auto makeArea = [](QWidget* parent) {
    auto* area = new QScrollArea(parent);
    auto* content = new QWidget;
    content->setFixedSize(100, 3000);
    area->setWidget(content);
    return area;
  };
  QScrollArea* scan = makeArea(form.page(MainWindow::kScanTab));
  QScrollArea* print = makeArea(form.page(MainWindow::kPrintTab));
  form.page(MainWindow::kScanTab)->setContent(scan);
  form.page(MainWindow::kPrintTab)->setContent(print);
  form.setTabScrollArea(MainWindow::kScanTab, scan);
  form.setTabScrollArea(MainWindow::kPrintTab, print);
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kPrintTab);
  QWheelEvent toward(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(form.bottomRow(), &toward);
  QApplication::sendEvent(form.bottomRow(), &toward);
  EXPECT_EQ(print->verticalScrollBar()->value(), 40);
  EXPECT_EQ(scan->verticalScrollBar()->value(), 0);
  QWheelEvent away(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(print->viewport(), &away);
  EXPECT_EQ(print->verticalScrollBar()->value(), 20);
}

TEST_F(MainFormTest, SmallWheelStepsAddUpAndAnOverflowingLeftPanelScrollsItself) {
  MainWindow form(false);
  auto* view = new QScrollArea;
  auto* content = new QWidget;
  content->setFixedSize(100, 3000);
  view->setWidget(content);
  form.page(MainWindow::kPrintTab)->setContent(view);
  form.setTabScrollArea(MainWindow::kPrintTab, view);
  QScrollArea* panel = form.page(MainWindow::kPrintTab)->panelScrollArea();
  auto* tall = new QWidget;
  tall->setFixedSize(100, 3000);
  static_cast<QVBoxLayout*>(form.page(MainWindow::kPrintTab)->leftPanel()->layout())
      ->insertWidget(0, tall);
  form.resize(1000, 700);
  form.show();
  form.tabs()->setCurrentIndex(MainWindow::kPrintTab);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  ASSERT_GT(panel->verticalScrollBar()->maximum(), 0);
  const auto wheel = [](QWidget* over, int dy) {
    QWheelEvent e(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, dy),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &e);
  };
  const struct {
    QWidget* over;
    std::vector<int> deltas;
    int panelValue, viewValue;
  } steps[] = {
      {view->viewport(), {-15, -15, -15, -15, -15, -15, -15, -15}, 0, 20},  // a touchpad
      {view->viewport(), {-1, -1, -1, -1, -1}, 0, 20},                      // not yet a pixel
      {view->viewport(), {-1}, 0, 21},
      {tall, {-120, -120}, 40, 21},
      {panel->viewport(), {60, 60}, 20, 21},
      {form.bottomRow(), {-120}, 20, 41},
      {form.page(MainWindow::kPrintTab)->headerLabel(), {120}, 20, 21},
  };
  for (const auto& s : steps) {
    for (int dy : s.deltas) wheel(s.over, dy);
    EXPECT_EQ(panel->verticalScrollBar()->value(), s.panelValue)
        << s.over->metaObject()->className();
    EXPECT_EQ(view->verticalScrollBar()->value(), s.viewValue) << s.over->metaObject()->className();
  }
  // A panel that fits leaves the wheel to the tab's view.
  tall->hide();
  form.resize(1000, 2000);
  QApplication::processEvents();
  ASSERT_EQ(panel->verticalScrollBar()->maximum(), 0);
  wheel(panel->viewport(), -120);
  EXPECT_EQ(view->verticalScrollBar()->value(), 41);
}

TEST_F(MainFormTest, FixedRowsKeepTheirHeightsWhenTheWindowGrows) {
  MainWindow form(false);
  form.show();
  form.resize(1200, 900);
  QApplication::processEvents();
  EXPECT_EQ(form.documentRow()->height(), 27);
  EXPECT_EQ(form.bottomRow()->height(), 41);
  EXPECT_EQ(form.statusBarPanel()->height(), 19);
  EXPECT_GT(form.tabs()->height(), 900 - 27 - 41 - 19 - 20);
}

TEST(ImageButton, ActsOnceOnlyWhenReleasedOverThePicture) {
  int actions = 0;
  ImageButton b(ButtonPicture({101, 30}, "Quit", Qt::red, false),
                ButtonPicture({101, 30}, "Quit", Qt::red, true), "hint");
  b.setAction([&] { ++actions; });
  b.show();
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(b.showsPressedPicture());
  QTest::mouseMove(&b, QPoint(200, 10));
  QMouseEvent off(QEvent::MouseMove, QPointF(200, 10), QPointF(200, 10), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&b, &off);
  EXPECT_FALSE(b.showsPressedPicture());
  QMouseEvent back(QEvent::MouseMove, QPointF(20, 10), QPointF(20, 10), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&b, &back);
  EXPECT_TRUE(b.showsPressedPicture());
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(300, 10));
  EXPECT_EQ(actions, 0);
  EXPECT_FALSE(b.showsPressedPicture());
  EXPECT_FALSE(b.isPressed());
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(actions, 1);
}

// Window-system sequences go through the QWindow, so that Qt itself makes the double click.
TEST(ImageButton, ADoubleClickCountsAsOneClick) {
  const QPoint at(20, 10);
  const struct {
    const char* what;
    std::function<void(ImageButton&)> act;
    int actions;
  } cases[] = {
      {"click",
       [&](ImageButton& b) { QTest::mouseClick(b.windowHandle(), Qt::LeftButton, {}, at); }, 1},
      {"double click",
       [&](ImageButton& b) { QTest::mouseDClick(b.windowHandle(), Qt::LeftButton, {}, at); }, 1},
      {"double click, then a click",
       [&](ImageButton& b) {
         QTest::mouseDClick(b.windowHandle(), Qt::LeftButton, {}, at);
         QTest::mouseClick(b.windowHandle(), Qt::LeftButton, {}, at);
       },
       2},
      {"two double clicks",
       [&](ImageButton& b) {
         QTest::mouseDClick(b.windowHandle(), Qt::LeftButton, {}, at);
         QTest::mouseDClick(b.windowHandle(), Qt::LeftButton, {}, at);
       },
       2},
      {"widget events: press, release, double click, release",
       [&](ImageButton& b) {
         QTest::mouseClick(&b, Qt::LeftButton, {}, at);
         QTest::mouseDClick(&b, Qt::LeftButton, {}, at);
         QTest::mouseRelease(&b, Qt::LeftButton, {}, at);
       },
       1},
      {"right double click",
       [&](ImageButton& b) { QTest::mouseDClick(b.windowHandle(), Qt::RightButton, {}, at); }, 0},
  };
  for (const auto& c : cases) {
    int actions = 0;
    ImageButton b(ButtonPicture({101, 30}, "Go!", Qt::green, false),
                  ButtonPicture({101, 30}, "Go!", Qt::green, true), "hint");
    b.setAction([&] { ++actions; });
    b.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b));
    c.act(b);
    EXPECT_EQ(actions, c.actions) << c.what;
    EXPECT_FALSE(b.showsPressedPicture()) << c.what;
    EXPECT_FALSE(b.isPressed()) << c.what;
  }
}
