#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/dialogs/ScriptedDialogs.h"
#include "print/views/PrintJob.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int kDpi = 100;

// Renders the PDF's pages with pdftoppm at `dpi`.
std::vector<QImage> Rasterise(const std::string& pdf, int dpi, const TempDir& dir) {
  const std::string prefix = dir.file("page");
  const std::string cmd =
      "pdftoppm -r " + std::to_string(dpi) + " -png '" + pdf + "' '" + prefix + "'";
  if (std::system(cmd.c_str()) != 0) return {};
  std::vector<QImage> pages;
  const QStringList files = QDir(QString::fromStdString(dir.path().string()))
                                .entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
  for (const QString& f : files)
    pages.push_back(QImage(QString::fromStdString(dir.path().string()) + "/" + f));
  return pages;
}

bool Red(const QImage& img, int x, int y) {
  if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return false;
  const QColor c = img.pixelColor(x, y);
  return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

// The red run through the middle of an expected element: first and last pixel across and down.
QRect MeasuredElement(const QImage& img, const QRect& expected) {
  const int cy = expected.center().y(), cx = expected.center().x();
  int left = -1, right = -1, top = -1, bottom = -1;
  for (int x = expected.left() - 6; x <= expected.right() + 6; ++x)
    if (Red(img, x, cy)) (left < 0 ? left : right) = x, right = x;
  for (int y = expected.top() - 6; y <= expected.bottom() + 6; ++y)
    if (Red(img, cx, y)) (top < 0 ? top : bottom) = y, bottom = y;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

ElementRenderer RedElement(int* calls) {
  return [calls](PixelSize s, int, int) {
    ++*calls;
    QImage img(s.w, s.h, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    return img;
  };
}

PaperFormat TwoByFive() {
  PaperFormat t;
  t.width = 80;
  t.height = 45;
  t.stepAcross = 90;
  t.stepDown = 50;
  t.leftMargin = 15;
  t.topMargin = 20;
  t.columns = 2;
  t.rows = 5;
  return t;
}

// A line of pdfinfo's report, e.g. "Title" or "Pages".
std::string PdfInfo(const std::string& pdf, const std::string& key) {
  const std::string cmd = "pdfinfo '" + pdf + "' 2>/dev/null";
  std::FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return {};
  char line[512];
  std::string value;
  while (std::fgets(line, sizeof line, p)) {
    std::string l(line);
    if (l.rfind(key + ":", 0) == 0) {
      value = l.substr(key.size() + 1);
      value.erase(0, value.find_first_not_of(' '));
      value.erase(value.find_last_not_of("\n ") + 1);
    }
  }
  ::pclose(p);
  return value;
}

int Count(const std::string& haystack, const std::string& needle) {
  int n = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1))
    ++n;
  return n;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void ExpectElementsAt(const QImage& page, const PrintRequest& r, int sheet) {
  const SheetLayout layout = LayoutFor(r.format, r.used, r.copies);
  const PixelSize es = PrintElementSize(r.format, r.calibration, kDpi, kDpi);
  const auto onSheet = layout.onSheet(sheet);
  for (int k = sheet * layout.perSheet; k < (sheet + 1) * layout.perSheet; ++k) {
    const SheetPosition p = layout.at(k);
    const PixelPoint at = PrintElementPos(r.format, r.calibration, p, kDpi, kDpi);
    const QRect expected(at.x, at.y, es.w, es.h);
    const bool receives = k >= layout.first && k <= layout.last;
    SCOPED_TRACE("sheet " + std::to_string(sheet) + " position " + std::to_string(k));
    if (!receives) {
      EXPECT_FALSE(Red(page, expected.center().x(), expected.center().y()));
      continue;
    }
    const QRect got = MeasuredElement(page, expected);
    EXPECT_LE(std::abs(got.left() - expected.left()), 1);
    EXPECT_LE(std::abs(got.right() - expected.right()), 1);
    EXPECT_LE(std::abs(got.top() - expected.top()), 1);
    EXPECT_LE(std::abs(got.bottom() - expected.bottom()), 1);
  }
}
}  // namespace

TEST(PrintJobTest, CopiesLandOnTheirSheetsAndPositionsWithinOnePixel) {
  TempDir dir;
  const std::string pdf = dir.file("job.pdf");
  PrintRequest r;
  r.format = TwoByFive();
  r.used = 3;
  r.copies = 12;
  int renders = 0;
  {
    auto printer = MakeJobPrinter({}, pdf, kDpi);
    const PrintResult result = PrintSheets(*printer, r, RedElement(&renders));
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.pages, 2);
  }
  EXPECT_EQ(renders, 1);
  TempDir raster;
  const auto pages = Rasterise(pdf, kDpi, raster);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].width(), 827);  // A4 at 100 dots per inch
  ExpectElementsAt(pages[0], r, 0);
  ExpectElementsAt(pages[1], r, 1);
  const std::string text = FileText(pdf);
  EXPECT_EQ(Count(text, "/Subtype /Image"), 1) << "the element is embedded once";
  EXPECT_EQ(PdfInfo(pdf, "Title"), "Quendrix");
}

TEST(PrintJobTest, CalibrationShiftsAndScalesThePrintout) {
  TempDir dir;
  const std::string pdf = dir.file("calibrated.pdf");
  PrintRequest r;
  r.format = TwoByFive();
  r.used = 9;
  r.copies = 1;
  r.calibration = {4, 6, 98, 102};
  int renders = 0;
  {
    auto printer = MakeJobPrinter({}, pdf, kDpi);
    EXPECT_TRUE(PrintSheets(*printer, r, RedElement(&renders)).ok);
  }
  TempDir raster;
  const auto pages = Rasterise(pdf, kDpi, raster);
  ASSERT_EQ(pages.size(), 1u);
  ExpectElementsAt(pages[0], r, 0);
  const PixelPoint at =
      PrintElementPos(r.format, r.calibration, SheetPosition{9, 1, 4, 0}, kDpi, kDpi);
  EXPECT_EQ(at.x, int(98 * (90 / 25.39995) / 100 * kDpi + 98 * ((15 - 4) / 25.39995) / 100 * kDpi));
}

TEST(PrintJobTest, TestPagePrintsAGreySquareOfOneHundredMillimetres) {
  TempDir dir;
  const std::string pdf = dir.file("test.pdf");
  {
    auto printer = MakeJobPrinter({}, pdf, kDpi);
    EXPECT_TRUE(PrintTestPage(*printer).ok);
  }
  EXPECT_EQ(PdfInfo(pdf, "Title"), "Test print");
  TempDir raster;
  const auto pages = Rasterise(pdf, kDpi, raster);
  ASSERT_EQ(pages.size(), 1u);
  const QImage& p = pages[0];
  EXPECT_EQ(p.pixelColor(200, 200), QColor(192, 192, 192));
  EXPECT_LT(p.pixelColor(392, 200).red(), 100);  // the black frame's right edge
  EXPECT_EQ(p.pixelColor(395, 200), QColor(255, 255, 255));
  EXPECT_EQ(p.pixelColor(200, 395), QColor(255, 255, 255));
}

TEST(PrintJobTest, PrinterSetupIsFollowedByThePageAlsoAfterCancel) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  PrinterChoice choice;
  PrinterChoice landscape;
  landscape.landscape = true;
  dialogs.printerAnswers = {landscape, std::nullopt};
  const PrinterPage wide = ChoosePrinter(choice);
  EXPECT_TRUE(choice.landscape);
  EXPECT_GT(wide.widthPx, wide.heightPx);
  EXPECT_EQ(wide.dpiX, wide.dpiY);
  const PrinterPage same = ChoosePrinter(choice);  // cancelled: the page is read again
  EXPECT_EQ(dialogs.count("printer"), 2);
  EXPECT_EQ(same.widthPx, wide.widthPx);
}

TEST(PrintJobTest, CoverRendererPlacesTheCoverByTheCalibration) {
  CoverJob job;
  job.settings = {50, 1, 0.5};
  job.pictureWidth = 1000;
  job.pictureHeight = 500;
  PixelRect seen;
  job.draw = [&](QPainter& p, const PixelRect& r, int, int) {
    seen = r;
    p.fillRect(r.x, r.y, 1, 1, Qt::black);
  };
  const Calibration cal{0, 0, 98, 100};
  const QImage e = MakeCoverRenderer(job, cal)(PixelSize{2314, 1200}, 600, 600);
  ASSERT_EQ(e.size(), QSize(2314, 1200));
  EXPECT_EQ(seen, (PixelRect{588, 300, 1157, 578}));
  EXPECT_EQ(e.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(e.pixelColor(588, 300), QColor(Qt::black));
  EXPECT_TRUE(MakeCoverRenderer(job, cal)(PixelSize{0, 10}, 600, 600).isNull());
}

TEST(PrintJobTest, ElementTooLargeForMemoryIsRefused) {
  TempDir dir;
  PrintRequest r;
  r.format.width = r.format.stepAcross = 3000 * 25.39995;  // 3000 inches
  r.format.height = r.format.stepDown = 1000 * 25.39995;
  int renders = 0;
  auto printer = MakeJobPrinter({}, dir.file("huge.pdf"), 600);
  const PrintResult result = PrintSheets(*printer, r, RedElement(&renders));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(renders, 0);
  EXPECT_NE(result.error.find("too large"), std::string::npos);
  // A disc of 520 mm: its 32-bit image and the two of its clip would take 1.8 GB.
  r.format.width = r.format.stepAcross = r.format.height = r.format.stepDown = 520;
  r.details.shape.kind = ShapeKind::Disc;
  r.details.shape.outerDiameter = 520;
  auto discPrinter = MakeJobPrinter({}, dir.file("disc.pdf"), 600);
  const PrintResult disc = PrintSheets(*discPrinter, r, RedElement(&renders));
  EXPECT_FALSE(disc.ok);
  EXPECT_EQ(renders, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("huge.pdf")));  // and no blank PDF in its place
}

TEST(PrintJobTest, APdfReplacesTheOldOneOnlyWhenTheJobSucceededAndNeverADeviceOrFolder) {
  TempDir dir;
  const std::string pdf = dir.file("old.pdf"), link = dir.file("link.pdf");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  WriteBytes(pdf, old);
  std::filesystem::create_symlink(pdf, link);
  PrintRequest huge;  // fails after the job started
  huge.format.width = huge.format.stepAcross = 3000 * 25.39995;
  huge.format.height = huge.format.stepDown = 1000 * 25.39995;
  int renders = 0;
  EXPECT_FALSE(PrintSheets(*MakeJobPrinter({}, link, 600), huge, RedElement(&renders)).ok);
  EXPECT_EQ(ReadBytes(pdf), old);
  EXPECT_TRUE(PrintTestPage(*MakeJobPrinter({}, link, 72)).ok);  // through the link
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(pdf).at(0), '%');
  std::filesystem::create_directory(dir.file("folder.pdf"));
  for (const std::string target : {dir.file("folder.pdf"), std::string("/dev/full")}) {
    const PrintResult r = PrintTestPage(*MakeJobPrinter({}, target, 72));
    EXPECT_FALSE(r.ok) << target;
    EXPECT_NE(r.error.find("not a regular file"), std::string::npos) << r.error;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.pdf")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(PrintJobTest, PdfFileDialogAsksForAPdfOfItsOwnKind) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  EXPECT_EQ(AskPdfFile(), "");
  EXPECT_EQ(dialogs.lastFileRequest.filter, "PDF files (*.pdf)|*.pdf");
  EXPECT_EQ(dialogs.lastFileRequest.kind, FileKind::Pdf);
  EXPECT_TRUE(dialogs.lastFileRequest.initialPath.empty());  // the last PDF folder, else Documents
}

TEST(PrintJobTest, APdfJobTakesTheFormatsSheetAPrinterJobKeepsItsPaper) {
  TempDir dir;
  FormatDetails sheet;
  sheet.sheetWidth = 127;
  sheet.sheetHeight = 178;
  struct Case {
    FormatDetails details;
    QSizeF mm;
  } cases[] = {{sheet, {127, 178}}, {FormatDetails{}, {210, 297}}};  // no sheet: the chosen A4
  for (const Case& c : cases) {
    auto printer = MakeJobPrinter({}, dir.file("sheet.pdf"));
    UseSheetSize(*printer, c.details);
    const QRectF page = printer->pageLayout().fullRect(QPageLayout::Millimeter);
    EXPECT_NEAR(page.width(), c.mm.width(), 0.5);
    EXPECT_NEAR(page.height(), c.mm.height(), 0.5);
  }
}
