#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <filesystem>

#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/views/ImageButton.h"
#include "print/views/PrintPanel.h"
#include "tests/support/TestFiles.h"

namespace {
class PrintPanelTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  std::string options = dir.file("options.dat");
  PaperFormat format = [] {
    PaperFormat t;
    t.columns = 2;
    t.rows = 5;
    t.width = t.stepAcross = 80;
    t.height = t.stepDown = 50;
    return t;
  }();
  const PaperFormat* selected = &format;
  PrintPanel panel{[this] { return selected; }, options};

  void CloseModalWith(QPushButton* (*button)(CalibrationDialog*)) {
    QTimer::singleShot(0, [this, button] {
      ASSERT_TRUE(panel.calibrationDialog()->isVisible());
      panel.calibrationDialog()->leftEdit->setValue(4.5);
      panel.calibrationDialog()->widthEdit->setValue(98);
      if (button)
        QTest::mouseClick(button(panel.calibrationDialog()), Qt::LeftButton);
      else
        panel.calibrationDialog()->reject();
    });
  }

  void Click(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
  }
};
}  // namespace

TEST_F(PrintPanelTest, UsedAndPageAreLimitedByTheFormat) {
  panel.usedEdit->setValue(12);
  panel.pageEdit->setValue(7);
  ASSERT_TRUE(panel.correctInputs());
  EXPECT_EQ(panel.usedEdit->value(), 9);
  EXPECT_EQ(panel.pageEdit->value(), 1);
  panel.usedEdit->setValue(3);
  panel.copiesEdit->setValue(12);
  panel.pageEdit->setValue(5);
  ASSERT_TRUE(panel.correctInputs());
  EXPECT_EQ(panel.pageEdit->value(), 2);
}

TEST_F(PrintPanelTest, PrintingWithoutAFormatAsksForOne) {
  selected = nullptr;
  Click(panel.goButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "You have to select a paper format under \"Center\" first.");
  EXPECT_EQ(dialogs.asked[0].title, "");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
}

TEST_F(PrintPanelTest, WithoutAPrinterTheJobGoesIntoTheChosenPdfFile) {
  panel.setPrintTarget([](std::string& pdf) {
    pdf = AskPdfFile();
    return !pdf.empty();
  });
  const std::string pdf = dir.file("covers.pdf");
  dialogs.fileAnswers = {std::nullopt, FileAnswer{pdf, 1}};
  panel.copiesEdit->setValue(12);
  panel.usedEdit->setValue(3);
  Click(panel.goButton);  // cancelled: nothing printed
  EXPECT_FALSE(std::filesystem::exists(pdf));
  int renders = 0;
  panel.setElementRenderer([&](PixelSize s, int, int) {
    ++renders;
    QImage img(s.w, s.h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    return img;
  });
  QSignalSpy repaint(&panel, &PrintPanel::previewChanged);
  Click(panel.goButton);
  EXPECT_EQ(dialogs.count("save"), 2);
  EXPECT_EQ(renders, 1);
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
  EXPECT_EQ(repaint.count(), 1);
}

TEST_F(PrintPanelTest, CalibrationIsSavedHoweverTheDialogCloses) {
  CloseModalWith([](CalibrationDialog* f) { return f->okButton; });
  QTest::mouseClick(panel.calibrateButton, Qt::LeftButton);
  CalibrationLoad saved = LoadCalibration(options);
  EXPECT_EQ(saved.values, (Calibration{4.5, 0, 98, 100}));
  panel.calibrationDialog()->leftEdit->setValue(1);
  CloseModalWith(nullptr);  // closed without OK, still saved
  QTest::mouseClick(panel.calibrateButton, Qt::LeftButton);
  EXPECT_EQ(LoadCalibration(options).values.left, 4.5);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(PrintPanelTest, CalibrationDialogLoadsTheFileAndReportsADamagedOne) {
  const double v[4] = {2.5, 3.5, 99.5, 101};
  std::vector<uint8_t> bytes(32);
  std::memcpy(bytes.data(), v, 32);
  WriteBytes(options, bytes);
  CalibrationDialog loaded(options);
  EXPECT_EQ(loaded.values(), (Calibration{2.5, 3.5, 99.5, 101}));
  EXPECT_TRUE(dialogs.asked.empty());

  WriteBytes(options, {1, 2, 3});
  CalibrationDialog damaged(options);
  EXPECT_EQ(damaged.values(), Calibration{});
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_EQ(dialogs.asked[0].title, "Error");
}

TEST_F(PrintPanelTest, PrinterSetupReportsTheNewPage) {
  QSignalSpy pages(&panel, &PrintPanel::printerPageChanged);
  PrinterChoice landscape;
  landscape.landscape = true;
  dialogs.printerAnswers = {landscape};
  Click(panel.setupButton);
  ASSERT_EQ(pages.count(), 1);
  const auto page = pages[0][0].value<PrinterPage>();
  EXPECT_GT(page.widthPx, page.heightPx);
  EXPECT_TRUE(panel.printerChoice().landscape);
  EXPECT_FALSE(panel.setupButton->showsPressedPicture());
}

TEST_F(PrintPanelTest, CalibrationDialogKeepsEachPrintersDiscShift) {
  {
    CalibrationDialog dialog(options);
    dialog.showPrinter({});  // the default calibration has no disc tray
    EXPECT_FALSE(dialog.discRightEdit->isEnabled());
    dialog.showPrinter({"Photo", 0});
    ASSERT_TRUE(dialog.discRightEdit->isEnabled());
    dialog.discRightEdit->setValue(1.2);
    dialog.discDownEdit->setValue(-0.4);
    ASSERT_TRUE(dialog.saveValues());
  }
  EXPECT_EQ(LoadDiscShifts(DiscShiftsFileFor(options)).entries,
            (std::vector<PrinterDiscShift>{{"Photo", {1.2, -0.4}}}));
  CalibrationDialog again(options);
  again.showPrinter({"Photo", 0});
  EXPECT_EQ(again.discRightEdit->value(), 1.2);
  EXPECT_EQ(again.discDownEdit->value(), -0.4);
  EXPECT_TRUE(dialogs.asked.empty());
}
