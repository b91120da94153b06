// "Find cover" in "Select the scanner".
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <random>

#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/scanner/views/ScanAreaPreview.h"
#include "platform/scanner/views/ScannerDialog.h"
#include "tests/support/SaneTestBackend.h"

namespace {
ScanSettings Initial() {
  ScanSettings s;
  s.device = "test:0";
  s.resolution = 150;
  s.area = {5, 5, 100, 80};
  return s;
}

void WaitForPreview(ScannerDialog& dialog) {
  QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
  for (int i = 0; i < 500 && (dialog.previewRunning() || dialog.preview()->picture().isNull()); ++i)
    QTest::qWait(10);
}
}  // namespace

TEST(ScannerDialogCoverTest, AnEmptyGlassIsSaidAndTheAreaStays) {
  WriteSaneTestConfig({.picture = "Solid white"});
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  ScannerDialog dialog(Initial(), false);
  EXPECT_FALSE(dialog.findCoverButton()->isEnabled());  // nothing to look at before a preview
  WaitForPreview(dialog);
  ASSERT_FALSE(dialog.preview()->picture().isNull()) << dialog.notice()->text().toStdString();
  ASSERT_TRUE(dialog.findCoverButton()->isEnabled());
  QTest::mouseClick(dialog.findCoverButton(), Qt::LeftButton);
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_EQ(dialogs.asked[0].title, "Find cover");
  EXPECT_NE(dialogs.asked[0].text.find("No cover was found"), std::string::npos);
  EXPECT_EQ(dialog.settings().area, (ScanArea{5, 5, 100, 80}));
}

TEST(ScannerDialogCoverTest, TheCoverOnThePreviewBecomesTheAreaAndCanBeAdjusted) {
  WriteSaneTestConfig();
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  ScannerDialog dialog(Initial(), false);
  // 2 pixels a millimetre: a dark cover of 120 x 120 mm at (30, 40), turned by 2 degrees.
  QImage glass(432, 594, QImage::Format_RGB32);
  glass.fill(QColor(245, 245, 243));
  {
    QPainter p(&glass);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2 * 90, 2 * 100);
    p.rotate(2);
    p.fillRect(QRectF(-120, -120, 240, 240), QColor(40, 50, 90));
  }
  std::mt19937 random(3);
  std::uniform_int_distribution<int> noise(-6, 6);
  for (int y = 0; y < glass.height(); ++y)
    for (int x = 0; x < glass.width(); ++x) {
      const QColor c = glass.pixelColor(x, y);
      glass.setPixelColor(x, y,
                          QColor(std::clamp(c.red() + noise(random), 0, 255),
                                 std::clamp(c.green() + noise(random), 0, 255),
                                 std::clamp(c.blue() + noise(random), 0, 255)));
    }
  dialog.preview()->setPicture(glass, {0, 0, 216, 297});
  dialog.findCover();
  EXPECT_EQ(dialogs.count("message"), 0);
  const ScanArea a = dialog.settings().area;
  EXPECT_EQ(a, dialog.preview()->area());
  const double half =
      60 * (std::cos(2 * 3.14159265 / 180) + std::sin(2 * 3.14159265 / 180));  // 62.06
  EXPECT_NEAR(a.left, 90 - half, 1.6);
  EXPECT_NEAR(a.top, 100 - half, 1.6);
  EXPECT_NEAR(a.width, 2 * half, 2.6);
  EXPECT_NEAR(a.height, 2 * half, 2.6);
  EXPECT_EQ(a.left, std::floor(a.left));
  dialog.areaEdit(2)->setValue(120);  // still adjustable by hand
  EXPECT_EQ(dialog.settings().area.width, 120);
  EXPECT_EQ(dialog.preview()->area().width, 120);
}
