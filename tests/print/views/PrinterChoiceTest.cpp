#include <gtest/gtest.h>

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "platform/views/PrinterSettings.h"
#include "print/views/PrintJob.h"
#include "tests/support/TestFiles.h"

namespace {
PrinterChoice Paper(const char* name, const char* key, double w, double h, bool landscape = false) {
  PrinterChoice c;
  c.paperName = name;
  c.paperKey = key;
  c.paperWidthPt = w;
  c.paperHeightPt = h;
  c.landscape = landscape;
  return c;
}

// The sheet of a job printer in points, as it lies (landscape swaps the sides).
QSizeF SheetPoints(QPrinter& p) {
  return p.pageLayout().fullRect(QPageLayout::Point).size();
}

QString TestQueue() {
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
    for (const QPageSize& s : info.supportedPageSizes())
      if (s.key() == QStringLiteral("Letter") && s.name() != QPageSize::name(QPageSize::Letter) &&
          s.name() != s.key())
        return info.printerName();  // a driver that names Letter in its own words
  return {};
}
}  // namespace

TEST(PrinterChoiceTest, PdfJobsKeepTheChosenPaperWhateverItsName) {
  TempDir dir;
  const struct {
    PrinterChoice choice;
    QSizeF sheet;
  } cases[] = {
      {Paper("US Letter", "Letter", 612, 792), {612, 792}},
      {Paper("ANSI A", "AnsiA", 612, 792), {612, 792}},
      {Paper("Custom", "", 300, 400), {300, 400}},
      {Paper("Custom", "", 300, 400, true), {400, 300}},
      {Paper("Fancy label sheet", "", 500, 700), {500, 700}},
      {Paper("A5", "", 0, 0), QPageSize(QPageSize::A5).size(QPageSize::Point)},
      {Paper("", "", 0, 0), QPageSize(QPageSize::A4).size(QPageSize::Point)},
      {Paper("No such paper", "", 0, 0), QPageSize(QPageSize::A4).size(QPageSize::Point)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice.paperName);
    auto printer = MakeJobPrinter(c.choice, dir.file("job.pdf"));
    const QSizeF got = SheetPoints(*printer);
    EXPECT_NEAR(got.width(), c.sheet.width(), 1);
    EXPECT_NEAR(got.height(), c.sheet.height(), 1);
  }
}

TEST(PrinterChoiceTest, QueueChoicesReachTheJobAndThePage) {
  const QString queue = TestQueue();
  if (queue.isEmpty())
    GTEST_SKIP() << "no CUPS queue naming Letter its own way (scripts/cups-test-printer)";
  QPrinter dialogPrinter(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
  for (const QPageSize& s : QPrinterInfo(dialogPrinter).supportedPageSizes())
    if (s.key() == QStringLiteral("Letter")) dialogPrinter.setPageSize(s);
  dialogPrinter.setPageOrientation(QPageLayout::Landscape);
  dialogPrinter.setDuplex(QPrinter::DuplexLongSide);  // kept only where the queue can
  dialogPrinter.printEngine()->setProperty(
      QPrintEngine::PrintEnginePropertyKey(0xfe00),
      QStringList{"Resolution", "150dpi", "InputSlot", "Tray2"});
  const PrinterChoice letter = ReadPrinterChoice(dialogPrinter);
  EXPECT_EQ(letter.printerName, queue.toStdString());
  EXPECT_EQ(letter.paperKey, "Letter");
  EXPECT_NE(letter.paperName, "Letter");  // the driver's own name, unknown to Qt
  EXPECT_EQ(letter.resolution, 150);
  EXPECT_TRUE(letter.landscape);

  PrinterChoice custom = Paper("Custom", "", 300, 400);
  custom.printerName = queue.toStdString();
  const struct {
    const PrinterChoice& choice;
    QSizeF sheet;
    int dpi;
  } cases[] = {{letter, {792, 612}, 150}, {custom, {300, 400}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice.paperName);
    auto job = MakeJobPrinter(c.choice);
    EXPECT_EQ(job->printerName(), queue);
    EXPECT_EQ(job->outputFormat(), QPrinter::NativeFormat);
    const QSizeF sheet = SheetPoints(*job);
    EXPECT_NEAR(sheet.width(), c.sheet.width(), 1);
    EXPECT_NEAR(sheet.height(), c.sheet.height(), 1);
    const PrinterPage page = PrinterPageFor(c.choice);
    EXPECT_EQ(page.printerName, queue.toStdString());
    const int dpi = c.dpi ? c.dpi : job->resolution();
    EXPECT_EQ(page.dpiX, dpi);
    const QRectF paint = job->pageLayout().paintRect(QPageLayout::Point);
    EXPECT_NEAR(page.widthPx, paint.width() / 72 * dpi, 2);
    EXPECT_NEAR(page.heightPx, paint.height() / 72 * dpi, 2);
  }
  auto job = MakeJobPrinter(letter);
  EXPECT_EQ(job->pageLayout().pageSize().key(), QStringLiteral("Letter"));
  EXPECT_EQ(
      job->printEngine()->property(QPrintEngine::PrintEnginePropertyKey(0xfe00)).toStringList(),
      QStringList({"Resolution", "150dpi", "InputSlot", "Tray2"}));
  EXPECT_EQ(ReadPrinterChoice(*job), letter);  // the dialog, opened again, shows the same
}
