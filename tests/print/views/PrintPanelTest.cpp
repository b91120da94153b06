#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <filesystem>

#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/views/ImageButton.h"
#include "print/DiscTray.h"
#include "print/settings/DiscShifts.h"
#include "print/views/MergeDialog.h"
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

TEST_F(PrintPanelTest, AMergeTablePrintsACopyPerLineOnceItsFieldsNameItsColumns) {
  CoverScales scales;
  ObjectTable objects(scales);
  objects[1].Kind = kText;
  objects[1].Text = "{Titel} {n}";
  CopyFields fields;
  panel.setCopyFields(&fields, &objects);
  WriteBytes(dir.file("t.csv"), {'T', 'i', 't', 'l', 'e', '\n', 'A', '\n', 'B', '\n', 'C', '\n'});
  dialogs.fileAnswers = {FileAnswer{dir.file("t.csv"), 1}};
  QTimer::singleShot(0, [this] {
    auto* merge = panel.findChild<MergeDialog*>();
    ASSERT_TRUE(merge);
    QTest::mouseClick(merge->chooseButton, Qt::LeftButton);
    EXPECT_EQ(merge->preview->rowCount(), 3);
    merge->firstNumberEdit->setValue(7);
    merge->accept();
  });
  panel.chooseMerge();
  EXPECT_EQ(fields.firstNumber(), 7);
  EXPECT_EQ(panel.jobCopies(), 3);
  EXPECT_FALSE(panel.copiesEdit->isEnabled());
  EXPECT_TRUE(panel.mergeLabel->text().startsWith("t.csv"));

  const std::string pdf = dir.file("merged.pdf");
  panel.setPrintTarget([&](std::string& target) {
    target = pdf;
    return true;
  });
  panel.setCover([] { return CoverJob{}; });
  Click(panel.goButton);  // {Titel} names no column: told, nothing printed
  EXPECT_NE(dialogs.messages().back().find("object 1, line 1: {Titel}"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  objects[1].Text = "{Title} {n}";
  Click(panel.goButton);
  EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST_F(PrintPanelTest, ADiscOnAPrinterWithoutDiscModeAsksForADryRunOnPaper) {
  const std::string queue = QPrinterInfo::defaultPrinter().printerName().toStdString();
  if (queue.empty() || PlanDiscJob(ReadQueueOptions(queue, nullptr), 118, 22, {}).missing.empty())
    GTEST_SKIP() << "no default printer without disc mode (scripts/cups-test-printer)";
  const auto [disc, details] = PrintableDiscFormat("tray", 120, 118, 22);
  format = disc;
  panel.setSelectedDetails([d = details] { return d; });
  panel.setPrintTarget([](std::string& pdf) { return pdf.empty(); });
  int renders = 0;
  panel.setElementRenderer(
      [&](PixelSize s, int, int) { return ++renders, QImage(s.w, s.h, QImage::Format_RGB32); });
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  for (int expected : {0, 1}) {  // No: nothing printed; Yes: the same page on plain paper
    Click(panel.goButton);
    EXPECT_EQ(renders, expected);
  }
  ASSERT_EQ(dialogs.count("message"), 2);
  EXPECT_NE(dialogs.asked[0].text.find("cannot print on discs"), std::string::npos);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Question);
  // The calibration dialog keeps the disc shift of the printer it names.
  panel.calibrationDialog()->showPrinter({queue, 0});
  panel.calibrationDialog()->discRightEdit->setValue(1.2);
  ASSERT_TRUE(panel.calibrationDialog()->saveValues());
  EXPECT_EQ(DiscShiftFor(LoadDiscShifts(DiscShiftsFileFor(options)).entries, queue),
            (DiscShift{1.2, 0}));
}
