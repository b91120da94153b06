// Scanning from the main window: buttons, the 0x401 message, cancel and errors.
#include <gtest/gtest.h>

#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/scanner/views/ScannerUi.h"
#include "platform/views/ImageButton.h"
#include "platform/views/WindowMessages.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"

namespace {
class MainFormScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSaneTestConfig();
    UseScannerSettingsFile(dir.file("scanner.dat"));
  }
  void Choose(const std::string& device, ScanArea area = {0, 0, 40, 30}) {
    ScanSettings s;
    s.device = device;
    s.resolution = 50;
    s.area = area;
    std::string error;
    ASSERT_TRUE(SetScannerChoice(s, error)) << error;
  }
  // Lets the scan thread finish and the window handle its messages.
  static bool WaitForScanEnd(MainWindow& form) {
    for (int i = 0; i < 500; ++i) {
      QTest::qWait(10);
      if (!scanner::scanRunning() && !form.cancelScanButton()->isEnabled()) {
        QCoreApplication::processEvents();
        return true;
      }
    }
    return false;
  }
  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};
}  // namespace

TEST_F(MainFormScanTest, ScanTabHasBothImageButtonsWithTheirHints) {
  MainWindow form(false);
  EXPECT_EQ(form.scanButton()->toolTip(), "Start to scan");
  EXPECT_EQ(form.selectScannerButton()->toolTip(), "Select the scanner");
  EXPECT_EQ(form.scanButton()->parentWidget(), form.page(MainWindow::kScanTab)->leftPanel());
  EXPECT_FALSE(form.cancelScanButton()->isEnabled());
}

TEST_F(MainFormScanTest, ClickingStartToScanReplacesThePictureWhenTheScanArrives) {
  Choose("test:0");
  MainWindow form(false);
  form.show();
  form.doc().selLeft = 5;
  QTest::mouseClick(form.scanButton(), Qt::LeftButton);
  EXPECT_FALSE(form.scanButton()->showsPressedPicture());
  ASSERT_TRUE(WaitForScanEnd(form));
  EXPECT_EQ(DibWidth(form.doc().picture), int(40 / 25.4 * 50));
  EXPECT_EQ(DibHeight(form.doc().picture), int(30 / 25.4 * 50));
  EXPECT_EQ(DibBitCount(form.doc().picture), 24);
  EXPECT_EQ(GetDibPixel(form.doc().picture, 1, 9), 0xff0000u);  // the colour pattern
  EXPECT_EQ(form.doc().selLeft, 0);
  EXPECT_EQ(form.doc().selRight, DibWidth(form.doc().picture));  // right edge exclusive
  EXPECT_EQ(form.doc().selBottom, DibHeight(form.doc().picture));
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainFormScanTest, EscapeCancelsTheScanAndKeepsThePicture) {
  WriteSaneTestConfig({.readDelayUs = 20000});
  Choose("test:0", kCdBookletArea);
  MainWindow form(false);
  form.show();
  form.scanButton()->setFocus();
  form.startScan();
  ASSERT_TRUE(scanner::scanRunning());
  EXPECT_TRUE(form.cancelScanButton()->isEnabled());
  QTest::keyClick(form.scanButton(), Qt::Key_Escape);
  ASSERT_TRUE(WaitForScanEnd(form));
  EXPECT_EQ(DibWidth(form.doc().picture), 320);  // the start picture stays
  EXPECT_TRUE(dialogs.messages().empty());       // a cancel is not an error
}

TEST_F(MainFormScanTest, ADeviceGoneSinceTheChoiceGivesAnErrorBoxAndKeepsThePicture) {
  Choose("test:1");
  WriteSaneTestConfig({.devices = 1});
  MainWindow form(false);
  form.startScan();
  ASSERT_TRUE(WaitForScanEnd(form));
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_NE(dialogs.asked[0].text.find("\"test:1\""), std::string::npos) << dialogs.asked[0].text;
}

TEST_F(MainFormScanTest, AnUnknownScanIdChangesNothing) {
  MainWindow form(false);
  WindowMessage message(WM_USER + 1, 987654);
  QCoreApplication::sendEvent(&form, &message);
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_TRUE(dialogs.messages().empty());
}
