// The three scanning calls: the kept choice, the messages to the window and the handover.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "platform/scanner/views/ScannerDialog.h"
#include "platform/scanner/views/ScannerUi.h"
#include "platform/views/WindowMessages.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"

namespace {
// Stands in for the main window: records the messages it gets.
class Receiver : public QObject {
 public:
  std::vector<int> progress;
  std::vector<intptr_t> done;
  bool event(QEvent* e) override {
    if (e->type() == WindowMessage::typeFor(WM_USER))
      progress.push_back(int(static_cast<WindowMessage*>(e)->wParam()));
    else if (e->type() == WindowMessage::typeFor(WM_USER + 1))
      done.push_back(static_cast<WindowMessage*>(e)->wParam());
    else
      return QObject::event(e);
    return true;
  }
};

class ScannerUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSaneTestConfig();
    UseScannerSettingsFile(dir.file("scanner.dat"));
    ScanSettings s;
    s.device = "test:0";
    s.resolution = 40;
    s.mode = ScanMode::Gray;
    s.area = {0, 0, 30, 20};
    std::string error;
    ASSERT_TRUE(SetScannerChoice(s, error)) << error;
  }
  static void WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500 && !condition(); ++i) QTest::qWait(10);
  }
  TempDir dir;
};
}  // namespace

TEST_F(ScannerUiTest, TheChoiceIsSavedAndReadBackAfterARestart) {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<ScannerDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    dialog->deviceList()->setCurrentRow(1);
    dialog->presetBox()->activated(2);
    dialog->modeBox()->setCurrentIndex(int(ScanMode::LineArt));
    dialog->accept();
  });
  scanner::selectScanner(nullptr);
  ScanSettings saved;
  std::string error;
  ASSERT_TRUE(LoadScanSettings(dir.file("scanner.dat"), saved, error)) << error;
  EXPECT_EQ(saved.device, "test:1");
  EXPECT_EQ(saved.mode, ScanMode::LineArt);
  EXPECT_EQ(saved.area, (ScanArea{0, 0, 240, 120}));
  UseScannerSettingsFile(dir.file("scanner.dat"));  // as at the next start
  EXPECT_EQ(CurrentScannerChoice(), saved);
}

TEST_F(ScannerUiTest, ACancelledDialogKeepsTheChoice) {
  const ScanSettings before = CurrentScannerChoice();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<ScannerDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    dialog->presetBox()->activated(1);
    dialog->reject();
  });
  scanner::selectScanner(nullptr);
  EXPECT_EQ(CurrentScannerChoice(), before);
}

TEST_F(ScannerUiTest, ScanPostsProgressThenItsIdAndHandsThePictureOverOnce) {
  Receiver window;
  scanner::startScan(&window);
  WaitFor([&] { return !window.done.empty(); });
  ASSERT_EQ(window.done.size(), 1u);
  EXPECT_FALSE(window.progress.empty());
  EXPECT_EQ(window.progress.back(), 0);
  Dib dib;
  ScanProblem problem;
  scanner::takeScannedPicture(dib, window.done[0], &problem);
  ASSERT_NE(dib.Bits, nullptr) << problem.text;
  EXPECT_EQ(DibBitCount(dib), 8);
  EXPECT_EQ(DibWidth(dib), int(30 / 25.4 * 40));
  FreeDib(dib);
  scanner::takeScannedPicture(dib, window.done[0], &problem);  // already handed over
  EXPECT_EQ(dib.Bits, nullptr);
  EXPECT_TRUE(problem.text.empty());
}

TEST_F(ScannerUiTest, OnlyOneScanRunsAndCancelGivesNoPicture) {
  WriteSaneTestConfig({.readDelayUs = 20000});
  Receiver window;
  scanner::startScan(&window);
  scanner::startScan(&window);  // ignored while the first runs
  EXPECT_TRUE(scanner::scanRunning());
  scanner::cancelScan();
  WaitFor([&] { return !window.done.empty(); });
  QTest::qWait(50);
  ASSERT_EQ(window.done.size(), 1u);
  Dib dib;
  ScanProblem problem;
  scanner::takeScannedPicture(dib, window.done[0], &problem);
  EXPECT_EQ(dib.Bits, nullptr);
  EXPECT_TRUE(problem.cancelled);
}

TEST_F(ScannerUiTest, AWindowClosedDuringTheScanStopsIt) {
  WriteSaneTestConfig({.readDelayUs = 20000});
  auto* window = new Receiver;
  scanner::startScan(window);
  ASSERT_TRUE(scanner::scanRunning());
  delete window;
  EXPECT_FALSE(scanner::scanRunning());
  QCoreApplication::processEvents();  // nothing may be delivered to the closed window
}
