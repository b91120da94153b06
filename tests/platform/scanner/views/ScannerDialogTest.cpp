// "Select the scanner": devices, the empty page, presets, preview and dragging the area.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "platform/scanner/views/ScanAreaPreview.h"
#include "platform/scanner/views/ScannerDialog.h"
#include "tests/support/SaneTestBackend.h"

namespace {
class ScannerDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSaneTestConfig(); }
  void TearDown() override { std::ofstream(SaneTestConfigDir() / "dll.conf") << "test\n"; }
  static ScanSettings Initial(const std::string& device) {
    ScanSettings s;
    s.device = device;
    s.resolution = 150;
    s.mode = ScanMode::Gray;
    s.area = {5, 5, 100, 80};
    return s;
  }
};

QString DeviceName(const ScannerDialog& d, int row) {
  return d.deviceList()->item(row)->data(Qt::UserRole).toString();
}
}  // namespace

TEST_F(ScannerDialogTest, ListsTheDevicesAndKeepsTheEarlierChoice) {
  ScannerDialog dialog(Initial("test:1"), false);
  EXPECT_EQ(dialog.windowTitle(), "Select the scanner");
  ASSERT_EQ(dialog.deviceList()->count(), 2);
  EXPECT_EQ(DeviceName(dialog, 0), "test:0");
  EXPECT_EQ(dialog.deviceList()->currentRow(), 1);
  EXPECT_EQ(dialog.pages()->currentIndex(), 0);
  EXPECT_EQ(dialog.resolutionEdit()->maximum(), 1200);  // the device's own range
  const ScanSettings s = dialog.settings();
  EXPECT_EQ(s.device, "test:1");
  EXPECT_EQ(s.resolution, 150);
  EXPECT_EQ(s.mode, ScanMode::Gray);
  EXPECT_EQ(s.area, (ScanArea{5, 5, 100, 80}));
  EXPECT_NEAR(dialog.preview()->bed().width, 250, 0.01);
}

TEST_F(ScannerDialogTest, AVanishedChoiceIsSaidAndTheFirstDeviceTaken) {
  ScannerDialog dialog(Initial("test:7"), false);
  EXPECT_EQ(dialog.deviceList()->currentRow(), 0);
  EXPECT_FALSE(dialog.notice()->isHidden());
  EXPECT_TRUE(dialog.notice()->text().contains("test:7"));
}

TEST_F(ScannerDialogTest, NoScannerShowsWhatToCheckAndRefreshFindsThemLater) {
  std::ofstream(SaneTestConfigDir() / "dll.conf") << "# nothing\n";
  ScannerDialog dialog(Initial(""), false);
  EXPECT_EQ(dialog.pages()->currentIndex(), 1);
  EXPECT_FALSE(dialog.buttons()->button(QDialogButtonBox::Ok)->isEnabled());
  auto* help = dialog.findChild<QLabel*>("noScannerHelp");
  ASSERT_TRUE(help);
  for (const char* hint : {"sane-utils", "scanner", "net.conf"})
    EXPECT_TRUE(help->text().contains(hint)) << hint;
  std::ofstream(SaneTestConfigDir() / "dll.conf") << "test\n";
  dialog.refreshDevices();
  EXPECT_EQ(dialog.pages()->currentIndex(), 0);
  EXPECT_EQ(dialog.deviceList()->count(), 2);
  EXPECT_TRUE(dialog.buttons()->button(QDialogButtonBox::Ok)->isEnabled());
}

TEST_F(ScannerDialogTest, PresetsSetTheBookletSizes) {
  ScannerDialog dialog(Initial("test:0"), false);
  EXPECT_EQ(dialog.presetBox()->currentIndex(), 0);  // 100 x 80 is custom
  EXPECT_EQ(dialog.presetBox()->itemText(1), "CD booklet 120 x 120 mm");
  EXPECT_EQ(dialog.presetBox()->itemText(2), "Unfolded booklet 240 x 120 mm");
  dialog.presetBox()->activated(2);
  EXPECT_EQ(dialog.settings().area, (ScanArea{5, 5, 240, 120}));
  dialog.areaEdit(2)->setValue(120);
  EXPECT_EQ(dialog.presetBox()->currentIndex(), 1);  // 120 x 120 is the CD booklet
  EXPECT_EQ(dialog.preview()->area(), dialog.settings().area);
}

TEST_F(ScannerDialogTest, PreviewShowsTheGlassAndDraggingSetsTheArea) {
  ScannerDialog dialog(Initial("test:0"), false);
  dialog.resize(700, 500);
  dialog.show();
  QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.previewButton()->isEnabled());
  for (int i = 0; i < 500 && (dialog.previewRunning() || dialog.preview()->picture().isNull()); ++i)
    QTest::qWait(10);
  ASSERT_FALSE(dialog.preview()->picture().isNull()) << dialog.notice()->text().toStdString();
  EXPECT_TRUE(dialog.previewButton()->isEnabled());
  ScanAreaPreview* p = dialog.preview();
  const QPoint from = p->toWidget({10, 20}).toPoint(), to = p->toWidget({130, 140}).toPoint();
  QTest::mousePress(p, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), p->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(p, &move);
  QTest::mouseRelease(p, Qt::LeftButton, {}, to);
  const ScanArea a = dialog.settings().area;
  EXPECT_NEAR(a.left, 10, 1.5);
  EXPECT_NEAR(a.top, 20, 1.5);
  EXPECT_NEAR(a.width, 120, 2);
  EXPECT_NEAR(a.height, 120, 2);
}

TEST_F(ScannerDialogTest, NoPreviewWhileAScanRuns) {
  std::ofstream(SaneTestConfigDir() / "dll.conf") << "# nothing\n";  // SANE is not asked
  ScannerDialog dialog(Initial("test:0"), true);
  ASSERT_EQ(dialog.deviceList()->count(), 1);
  EXPECT_EQ(DeviceName(dialog, 0), "test:0");
  EXPECT_FALSE(dialog.previewButton()->isEnabled());
  dialog.startPreview();
  EXPECT_FALSE(dialog.previewRunning());
}

TEST(DibToImageTest, PaletteAndColourPicturesKeepTheirColours) {
  Dib grey;
  NewDib(grey, 2, 1, 8, nullptr, 0);
  SetDibColor(grey, 7, 10, 20, 30);
  SetDibPixel(grey, 1, 0, 7);
  EXPECT_EQ(DibToImage(grey).pixel(1, 0), qRgb(10, 20, 30));
  FreeDib(grey);
  Dib colour;
  NewDib(colour, 1, 2, 24, nullptr, 0);
  SetDibPixel(colour, 0, 1, 0x123456);
  EXPECT_EQ(DibToImage(colour).pixel(0, 1), qRgb(0x12, 0x34, 0x56));
  FreeDib(colour);
  EXPECT_TRUE(DibToImage(Dib{}).isNull());
}
