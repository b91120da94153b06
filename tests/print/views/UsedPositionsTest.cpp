#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "platform/dialogs/ScriptedDialogs.h"
#include "print/settings/NextPosition.h"
#include "print/settings/PaperFile.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "tests/print/views/RasterisedPrint.h"
#include "tests/support/TestFiles.h"

namespace {
PaperFormat TwoByFive() {
  PaperFormat t;
  t.leftMargin = 10;
  t.topMargin = 12;
  t.width = t.stepAcross = 80;
  t.height = t.stepDown = 50;
  t.columns = 2;
  t.rows = 5;
  return t;
}

class UsedPositionsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  QWidget host;
  PaperFormatPanel paper{&host};
  PrintPanel print{[this] { return paper.selectedFormat(); }, dir.file("options.dat"), &host};

  void SetUp() override {
    ASSERT_EQ(SavePaperFormats(dir.file("paper.dat"), {TwoByFive()}), "");
    paper.loadPaperFormats(dir.file("paper.dat"), {});
    print.setPrintTarget([this](std::string& pdf) {
      pdf = dir.file("job.pdf");
      return true;
    });
  }
  // The centre of position `k` of the first sheet in the preview.
  QPoint Centre(const SheetPreview& preview, int k) const {
    const SheetLayout l = print.currentLayout();
    const PixelPoint at =
        PreviewElementPos(TwoByFive(), l.at(k), preview.logicalDpiX(), print.zoom());
    const PixelSize es = PreviewElementSize(TwoByFive(), preview.logicalDpiX(), print.zoom());
    return QPoint(at.x + es.w / 2, at.y + es.h / 2);
  }
};
}  // namespace

TEST_F(UsedPositionsTest, AClickOnTheFirstSheetMarksOrFreesAPositionADragDoesNot) {
  SheetPreview preview(
      &paper, &print, [] { return QSize(10, 10); }, &host);
  PrinterPage a4;
  a4.widthPx = 4960;
  a4.heightPx = 7016;
  preview.setPrinterPage(a4);
  print.usedEdit->setValue(1);
  print.copiesEdit->setValue(3);
  const QPoint second = Centre(preview, 2);
  QTest::mouseClick(&preview, Qt::LeftButton, {}, second);
  EXPECT_EQ(print.markedPositions(), std::vector<int32_t>{2});
  const QImage shown = preview.grab().toImage();
  EXPECT_EQ(preview.drawnElements(), 3);  // positions 1, 3 and 4
  // Used positions (0 "Already used", 2 marked) are hatched, free ones (5 to 9) only outlined.
  const PixelSize es = PreviewElementSize(TwoByFive(), preview.logicalDpiX(), print.zoom());
  const auto inked = [&](QPoint c, int half) {
    int n = 0;
    for (int y = c.y() - half; y <= c.y() + half; ++y)
      for (int x = c.x() - half; x <= c.x() + half; ++x) n += shown.pixelColor(x, y).value() < 200;
    return n;
  };
  for (int k : {0, 2}) EXPECT_GT(inked(Centre(preview, k), 10), 10) << k;
  for (int k : {1, 7}) EXPECT_EQ(inked(Centre(preview, k), 10), 0) << k;
  EXPECT_GT(inked(Centre(preview, 7) - QPoint(es.w / 2 - 1, 0), 1), 0) << "a free one's outline";
  QTest::mouseClick(&preview, Qt::LeftButton, {}, Centre(preview, 0));  // within "Already used"
  EXPECT_EQ(print.markedPositions(), std::vector<int32_t>{2});
  const QPoint moved = Centre(preview, 5) + QPoint(SheetPreview::kClickSlack + 3, 0);
  QTest::mousePress(&preview, Qt::LeftButton, {}, Centre(preview, 5));
  QTest::mouseMove(&preview, moved);
  QTest::mouseRelease(&preview, Qt::LeftButton, {}, moved);
  EXPECT_EQ(print.markedPositions(), std::vector<int32_t>{2}) << "a drag scrolls";
  QTest::mouseClick(&preview, Qt::LeftButton, {}, second);
  EXPECT_TRUE(print.markedPositions().empty());
  EXPECT_EQ(preview.positionAt(QPoint(1, 1)), -1);  // the margin is no position

  print.copiesEdit->setValue(12);
  print.pageEdit->setValue(2);
  QTest::mouseClick(&preview, Qt::LeftButton, {}, second);
  EXPECT_TRUE(print.markedPositions().empty()) << "only the first sheet takes marks";
}

TEST_F(UsedPositionsTest, SkippedPositionsAndChosenPagesLandWhereTheLayoutSays) {
  PrintRequest r;
  r.format = TwoByFive();
  r.used = 1;
  r.marked = {2, 5};
  r.copies = 12;  // positions 1, 3, 4, 6..9 on sheet 1; 10..14 on sheet 2
  r.sheets = {1};
  const std::vector<QImage> pages = PrintRed(r, dir);
  ASSERT_EQ(pages.size(), 1u) << "only the second sheet";
  const SheetLayout l = LayoutFor(r.format, FormatDetails{}, r.used, r.marked, r.copies);
  for (int32_t k = 10; k < 20; ++k) {
    const SheetPosition p = l.at(k);
    const double x = r.format.leftMargin + p.col * r.format.stepAcross + 40;
    const double y = r.format.topMargin + p.row * r.format.stepDown + 25;
    EXPECT_EQ(InkAt(pages[0], x, y), k <= 14 ? Red : White) << k;
  }
  r.sheets = {};
  const std::vector<QImage> all = PrintRed(r, dir);
  ASSERT_EQ(all.size(), 2u);
  for (int32_t k = 0; k < 10; ++k) {
    const SheetPosition p = l.at(k);
    const bool copy = k != 0 && k != 2 && k != 5;
    EXPECT_EQ(
        InkAt(all[0], r.format.leftMargin + p.col * 80 + 40, r.format.topMargin + p.row * 50 + 25),
        copy ? Red : White)
        << k;
  }
}

TEST_F(UsedPositionsTest, APrintThatCompletedIsContinuedOnTheNextOne) {
  ASSERT_TRUE(print.correctInputs());
  EXPECT_FALSE(print.continueButton->isEnabled());
  print.usedEdit->setValue(2);
  print.setMarkedPositions({7});
  print.copiesEdit->setValue(3);
  print.printCovers();
  ASSERT_EQ(dialogs.count("message"), 0);
  EXPECT_EQ(RecallNextPosition(dir.file("paper.dat"), TwoByFive()), (NextPosition{5, {7}}));
  print.usedEdit->setValue(0);
  print.setMarkedPositions({});
  ASSERT_TRUE(print.correctInputs());
  ASSERT_TRUE(print.continueButton->isEnabled());
  QTest::mouseClick(print.continueButton, Qt::LeftButton);
  EXPECT_EQ(print.usedEdit->value(), 5);
  EXPECT_EQ(print.markedPositions(), std::vector<int32_t>{7});

  // Reprinting chosen pages leaves the remembered position alone; a page outside the job is
  // refused.
  print.copiesEdit->setValue(20);
  print.pagesEdit->setText(QStringLiteral("3"));
  print.printCovers();
  ASSERT_EQ(dialogs.count("message"), 0);
  EXPECT_EQ(RecallNextPosition(dir.file("paper.dat"), TwoByFive()), (NextPosition{5, {7}}));
  print.pagesEdit->setText(QStringLiteral("4"));
  std::filesystem::remove(dir.file("job.pdf"));
  print.printCovers();
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_EQ(dialogs.messages()[0], "Pages: there is no page 4; the pages are 1 to 3.");
  EXPECT_FALSE(std::filesystem::exists(dir.file("job.pdf")));
}

TEST_F(UsedPositionsTest, OnlyForThisPrinterKeepsOptionsDatForTheOthers) {
  CalibrationDialog& d = *print.calibrationDialog();
  const PrinterKey office{"Office", 600};
  const Calibration defaults{1, 2, 99, 101}, own{3, 4, 97, 103};
  d.setValues(defaults);
  ASSERT_TRUE(d.saveValues());
  const std::vector<uint8_t> optionsBytes = ReadBytes(dir.file("options.dat"));
  d.showPrinter(office);
  EXPECT_EQ(d.printerLabel->text(), "Printer: Office at 600 dpi");
  EXPECT_FALSE(d.onlyThisPrinterBox->isChecked());
  d.onlyThisPrinterBox->setChecked(true);
  d.setValues(own);
  ASSERT_TRUE(d.saveValues());
  EXPECT_EQ(ReadBytes(dir.file("options.dat")), optionsBytes);
  EXPECT_EQ(d.calibrationFor(office), own);
  EXPECT_EQ(d.calibrationFor({"Office", 300}), defaults);
  EXPECT_EQ(d.calibrationFor({}), defaults);  // a PDF file

  CalibrationDialog again(dir.file("options.dat"));  // as at the next start
  again.showPrinter(office);
  EXPECT_TRUE(again.onlyThisPrinterBox->isChecked());
  EXPECT_EQ(again.values(), own);
  again.onlyThisPrinterBox->setChecked(false);
  EXPECT_EQ(again.values(), defaults);
  ASSERT_TRUE(again.saveValues());
  EXPECT_FALSE(std::filesystem::exists(PrinterCalibrationsFileFor(dir.file("options.dat"))));
  EXPECT_EQ(ReadBytes(dir.file("options.dat")), optionsBytes);
  again.showPrinter({});
  EXPECT_FALSE(again.onlyThisPrinterBox->isEnabled());

  WriteBytes(PrinterCalibrationsFileFor(dir.file("options.dat")), {1, 2, 3});
  CalibrationDialog damaged(dir.file("options.dat"));
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_NE(dialogs.messages()[0].find("damaged"), std::string::npos);
  EXPECT_EQ(damaged.calibrationFor(office), defaults);
}

TEST(PartPositionsTest, AnotherPartPrintsAtItsPositionsWithinTheirEdgesAndTheJobGoesOnAfterIt) {
  TempDir dir;
  PrintRequest r;
  r.format.leftMargin = 20, r.format.topMargin = 15;
  r.format.width = r.format.height = 50;
  r.format.stepAcross = r.format.stepDown = 60;
  r.format.columns = 2, r.format.rows = 2;
  r.copies = 4;
  const auto Fill = [](QColor colour) {
    return CoverJob{{100, 0, 0}, 1, 1, [colour](QPainter& p, const PixelRect& c, int, int) {
                      p.fillRect(QRect(c.x, c.y, c.w, c.h), colour);
                    }};
  };
  const CoverJob red = Fill(Qt::red), blue = Fill(Qt::blue), black = Fill(Qt::black);
  // Positions 2 and 3 hold the disc, the rest the front; then a second part on its own sheet.
  const std::string pdf = dir.file("parts.pdf");
  {
    auto printer = MakeJobPrinter({}, pdf, kPrintDpi);
    PrintRequest one = r;
    one.copies = 1;
    const PrintResult result =
        PrintParts(*printer, {{r, red, {nullptr, &blue, &blue}}, {one, black, {}}});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.pages, 2);
  }
  const auto pages = Rasterise(pdf, int(kRasterDpi), dir);
  ASSERT_EQ(pages.size(), 2u);
  const auto Blue = [&](double x, double y) {
    const QColor c = pages[0].pixelColor(int(x * kPx), int(y * kPx));
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
  };
  for (int k = 0; k < 4; ++k) {
    const double left = 20 + 60 * (k % 2), top = 15 + 60 * (k / 2);
    const bool disc = k == 1 || k == 2;
    for (const auto& [x, y] : {std::pair{left + kTolerance, top + kTolerance},
                               std::pair{left + 50 - kTolerance, top + 50 - kTolerance}}) {
      if (disc)
        EXPECT_TRUE(Blue(x, y)) << k;
      else
        EXPECT_EQ(InkAt(pages[0], x, y), Red) << k;
    }
    EXPECT_EQ(InkAt(pages[0], left - kTolerance, top - kTolerance), White) << k;
    EXPECT_EQ(InkAt(pages[0], left + 50 + kTolerance, top + 50 + kTolerance), White) << k;
  }
  EXPECT_EQ(InkAt(pages[1], 21, 16), Dark);
  EXPECT_EQ(InkAt(pages[1], 81, 16), White);
}

TEST(PartPositionsTest, APartPlacedOnStripsOfTheirOwnShapeFillsThemAndTheDiscStaysRound) {
  TempDir dir;
  PrintRequest r;  // a disc, then two spine strips of their own element
  r.format.leftMargin = 47, r.format.topMargin = 25;
  r.format.width = r.format.height = r.format.stepAcross = r.format.stepDown = 116;
  r.details.shape = {ShapeKind::Disc, 0, 116, 22};
  r.details.moreGrids.push_back({20, 160, 170, 116, 2, 1, GridElement{6, 116, {}}});
  r.copies = 3;
  const CoverJob blue{{100, 0, 0}, 1, 1, [](QPainter& p, const PixelRect&, int, int) {
                        p.fillRect(kEverywhere, Qt::blue);
                      }};
  // Its left third: on a strip at the disc's size, centred, it would miss the strip.
  CoverJob spine{{100, 0, 0}, 6, 116, [](QPainter& p, const PixelRect& c, int, int) {
                   p.fillRect(QRect(c.x, c.y, c.w / 3, c.h), Qt::red);
                 }};
  spine.elementWidth = 6, spine.elementHeight = 116;  // set for the strip, at its own size
  {
    auto printer = MakeJobPrinter({}, dir.file("strips.pdf"), kPrintDpi);
    ASSERT_TRUE(PrintParts(*printer, {{r, blue, {nullptr, &spine, &spine}}}).ok);
  }
  const QImage page = Rasterise(dir.file("strips.pdf"), int(kRasterDpi), dir).at(0);
  for (const double x : {20.0, 190.0}) {  // its height follows the width: it may end 1 mm early
    for (const auto& [dx, y] : {std::pair{kTolerance, 160 + kTolerance},
                                {2 - kTolerance, 160 + kTolerance},
                                {kTolerance, 275.0}})
      EXPECT_EQ(InkAt(page, x + dx, y), Red) << x << " " << dx << " " << y;
    for (const auto& [dx, y] : {std::pair{-kTolerance, 200.0},
                                {2 + kTolerance, 200.0},
                                {1.0, 160 - kTolerance},
                                {1.0, 276 + kTolerance}})
      EXPECT_EQ(InkAt(page, x + dx, y), White) << x << " " << dx << " " << y;
  }
  EXPECT_EQ(InkAt(page, 49, 27), White);  // the disc's box, off the disc: still clipped to it
}
