#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "picture/DrawDib.h"
#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/RowPool.h"
#include "platform/dib/Halftone.h"
#include "print/DiscTray.h"
#include "print/PdfImages.h"
#include "print/PictureStreams.h"
#include "print/views/CoverDrawer.h"
#include "tests/print/views/RasterisedPrint.h"

namespace {
PaperFormat Box(double w, double h, int across, int down, double stepH, double stepV) {
  PaperFormat t;
  t.width = w;
  t.height = h;
  t.stepAcross = stepH;
  t.stepDown = stepV;
  t.leftMargin = 20;
  t.topMargin = 15;
  t.columns = across;
  t.rows = down;
  return t;
}
}  // namespace

TEST(ShapedPrintTest, DiscsPrintOnlyOnTheRingGrownByTheBleed) {
  const double outer = 117, hole = 41;
  for (double bleed : {0.0, 2.0}) {
    PrintRequest r;
    r.format = Box(outer, outer, 1, 2, outer, 137);
    r.details.shape = {ShapeKind::Disc, 0, outer, hole};
    r.details.bleedX = r.details.bleedY = bleed;
    r.copies = 2;
    TempDir dir;
    const auto pages = PrintRed(r, dir);
    ASSERT_EQ(pages.size(), 1u);
    for (int row = 0; row < 2; ++row) {
      const double cx = 20 + outer / 2, cy = 15 + 137 * row + outer / 2;
      for (int a = 0; a < 36; ++a) {
        const double dx = std::cos(a * M_PI / 18), dy = std::sin(a * M_PI / 18);
        const auto at = [&](double radius) {
          return InkAt(pages[0], cx + dx * radius, cy + dy * radius);
        };
        const double rim = outer / 2 + bleed, inner = hole / 2 - bleed;
        const std::string where = "bleed " + std::to_string(bleed) + " row " + std::to_string(row) +
                                  " angle " + std::to_string(a * 10);
        EXPECT_EQ(at(rim + kTolerance), White) << where;
        EXPECT_EQ(at(rim + 3), White) << where;
        EXPECT_EQ(at(rim - kTolerance), Red) << where;
        EXPECT_EQ(at((rim + inner) / 2), Red) << where;
        EXPECT_EQ(at(inner + kTolerance), Red) << where;
        EXPECT_EQ(at(inner - kTolerance), White) << where;
        EXPECT_EQ(at(1), White) << where;
      }
    }
  }
}

TEST(ShapedPrintTest, RectanglesBleedOutwardAndOutlinesFollowEveryShape) {
  struct Case {
    const char* name;
    LabelShape shape;
    double bleed;
    bool outlines;
  };
  const Case cases[] = {{"rectangle with bleed", {}, 1.5, false},
                        {"rectangle outlined", {}, 0, true},
                        {"ellipse outlined", {ShapeKind::Ellipse, 0, 0, 0}, 0, true},
                        {"rounded outlined", {ShapeKind::Rectangle, 5, 0, 0}, 1, true}};
  for (const Case& c : cases) {
    PrintRequest r;
    r.format = Box(80, 50, 2, 2, 90, 60);
    r.details.shape = c.shape;
    r.details.bleedX = r.details.bleedY = c.bleed;
    r.details.guides = {GuideLine(30, 0, 30, 50), GuideMargin(3)};  // printed only with outlines
    r.outlines = c.outlines;
    r.used = 1;
    r.copies = 3;
    TempDir dir;
    const auto pages = PrintRed(r, dir);
    ASSERT_EQ(pages.size(), 1u) << c.name;
    const QImage& page = pages[0];
    // Position 0 is used: nothing there; position 1 is the top right element.
    EXPECT_EQ(InkAt(page, 20 + 40, 15 + 25), White) << c.name;
    const double left = 20 + 90, top = 15, midY = top + 25, midX = left + 40;
    const double b = c.bleed;
    EXPECT_EQ(InkAt(page, left - b + kTolerance, midY), Red) << c.name;
    EXPECT_EQ(InkAt(page, left - b - kTolerance - (c.outlines ? 0.1 : 0), midY), White) << c.name;
    EXPECT_EQ(InkAt(page, midX, top - b - kTolerance - (c.outlines ? 0.1 : 0)), White) << c.name;
    EXPECT_EQ(InkAt(page, midX, top + 50 + b + kTolerance + (c.outlines ? 0.1 : 0)), White)
        << c.name;
    if (c.outlines) {
      // A dark line on the outline itself, within 0.2 mm: left and top edge middles.
      bool leftLine = false, topLine = false;
      for (double d = -kTolerance; d <= kTolerance; d += 0.1) {
        leftLine = leftLine || InkAt(page, left + d, midY) == Dark;
        topLine = topLine || InkAt(page, midX, top + d) == Dark;
      }
      EXPECT_TRUE(leftLine) << c.name;
      EXPECT_TRUE(topLine) << c.name;
    }
    for (const double guideX : {left + 30, left + 3}) {
      bool line = false;
      for (double d = -kTolerance; d <= kTolerance; d += 0.1)
        line = line || InkAt(page, guideX + d, midY) == Dark;
      EXPECT_EQ(line, c.outlines) << c.name << " guide at " << guideX - left;
    }
    const bool cornerEmpty = c.shape.kind == ShapeKind::Ellipse || c.shape.cornerRadius > 0;
    EXPECT_EQ(InkAt(page, left - b + 0.3, top - b + 0.3), cornerEmpty ? White : Red) << c.name;
  }
}

TEST(ShapedPrintTest, TouchingElementsPrintOnlyTheCoverInTheirBleed) {
  PrintRequest r;
  r.format = Box(80, 50, 1, 2, 80, 50);  // the second row touches the first
  r.details.bleedX = 2;
  r.details.bleedY = 1;
  r.copies = 2;
  TempDir dir;
  const auto pages = PrintRed(r, dir, {}, true);  // each cover 80 x 80 mm from its element's top
  ASSERT_EQ(pages.size(), 1u);
  const QImage& page = pages[0];
  const double midX = 60, top = 15, edge = 15 + 50, bottom = 15 + 100;
  EXPECT_EQ(InkAt(page, midX, edge - 0.5), Red) << "the upper element's bottom under the bleed";
  EXPECT_EQ(InkAt(page, midX, top - 0.5), White) << "the top bleed, which the cover misses";
  EXPECT_EQ(InkAt(page, 20 - 1, top + 25), White) << "the left bleed, which the cover misses";
  EXPECT_EQ(InkAt(page, midX, bottom + 1 - kTolerance), Red) << "the bottom bleed: 1 mm";
  EXPECT_EQ(InkAt(page, midX, bottom + 1 + kTolerance), White) << "no further than 1 mm";
}

TEST(ShapedPrintTest, CropMarksStayAtFreeEdgesOfPrintedElements) {
  PrintRequest r;
  r.format = Box(80, 50, 2, 2, 80, 50);  // touching elements
  r.cropMarks = true;
  r.used = 1;
  r.copies = 3;
  TempDir dir;
  const auto pages = PrintRed(r, dir);
  ASSERT_EQ(pages.size(), 1u);
  const QImage& page = pages[0];
  const double x0 = 20, x1 = 100, x2 = 180, y0 = 15, y1 = 65, y2 = 115;
  const auto mark = [&](double x, double y) {
    for (double d = -kTolerance; d <= kTolerance; d += 0.1)
      if (InkAt(page, x + d, y) == Dark || InkAt(page, x, y + d) == Dark) return true;
    return false;
  };
  EXPECT_TRUE(mark(x1, y0 - 3)) << "above the shared edge of the printed top right element";
  EXPECT_TRUE(mark(x2 + 3, y0)) << "right of the top right corner";
  EXPECT_TRUE(mark(x2, y2 + 3)) << "below the bottom right corner";
  EXPECT_TRUE(mark(x0 - 3, y1)) << "left of the shared edge of the bottom left element";
  EXPECT_TRUE(mark(x0 - 3, y2)) << "left of the bottom left corner";
  EXPECT_FALSE(mark(x0, y0 - 3)) << "the unused top left element gets none";
  EXPECT_FALSE(mark(x0 - 3, y0)) << "the unused top left element gets none";
  EXPECT_EQ(InkAt(page, x1 + 3, y1), Red) << "no mark over a neighbour";
}

namespace {
// A difference in any channel beyond kEdgeLevels is more than antialiasing: at most kEdgeShare
// of the inked pixels (0.1 % are seen, along the edges); the mean difference is under kMeanLevels
// (0.6 is seen).
constexpr int kEdgeLevels = 64;
constexpr double kEdgeShare = 0.002, kMeanLevels = 1.5;

// Halftoning as a display of 8 bits asks for it: a black picture, counted.
int gHalftoned = 0;
void BlackHalftone(Dib& out, const Dib& in) {
  ++gHalftoned;
  NewDib(out, DibWidth(in), DibHeight(in), 8, nullptr, 0);
}

// What a shell command prints.
std::string Shell(const std::string& cmd) {
  std::string text;
  if (std::FILE* p = ::popen(cmd.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
    ::pclose(p);
  }
  return text;
}
}  // namespace

TEST(ShapedPrintTest, TheCoverDrawnStraightMatchesTheElementImageButForEdges) {
  for (const LabelShape& shape :
       {LabelShape{ShapeKind::Disc, 0, 117, 41}, LabelShape{ShapeKind::Rectangle, 8, 0, 0}}) {
    PrintRequest r;
    r.format = Box(117, 117, 1, 1, 117, 117);
    r.details.shape = shape;
    r.details.bleedX = r.details.bleedY = 1;
    r.details.sheetWidth = r.details.sheetHeight = 150;
    r.calibration = {1.5, 0.5, 98, 101};
    Design design(700, 700, 24);
    CoverJob job = design.job();
    job.settings = {90, 0.2, 0.1};  // displaced as the calibration scales it
    TempDir dir;
    std::vector<QImage> pages[2];
    for (int straight : {0, 1}) {
      const std::string pdf = dir.file(std::to_string(straight) + ".pdf");
      auto printer = MakeJobPrinter({}, pdf, kPrintDpi);
      UseSheetSize(*printer, r.details);
      ASSERT_TRUE((straight ? PrintSheets(*printer, r, job)
                            : PrintSheets(*printer, r, MakeCoverRenderer(job, r.calibration, 1, 1)))
                      .ok);
      printer.reset();
      pages[straight] = Rasterise(pdf, kPrintDpi, dir, std::to_string(straight));
      ASSERT_EQ(pages[straight].size(), 1u);
    }
    const QImage &a = pages[0][0], &b = pages[1][0];
    ASSERT_EQ(a.size(), b.size());
    int64_t differing = 0, inked = 0, sum = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        differing += d > kEdgeLevels, sum += d, inked += qGray(p) < 250;
      }
    EXPECT_GT(inked, 2'000'000) << "the element is printed";
    EXPECT_LT(differing, inked * kEdgeShare) << int(shape.kind);
    EXPECT_LT(double(sum) / (int64_t(a.width()) * a.height()), kMeanLevels);
  }
}

TEST(ShapedPrintTest, APdfHoldsTextsAsTextAndEachPictureOnceAtItsOwnSizeAndDepth) {
  struct Case {
    int bits, dpi;
    bool coloured;
    bool halftoning;     // a display of 8 bits: the picture is halftoned at every position drawn
    const char* listed;  // size, colour space and bits per component
  } const cases[] = {{24, kPrintDpi, true, false, "300x200 rgb 8"},
                     {24, kPrintDpi, false, false, "300x200 gray 8"},
                     {8, kPrintDpi, false, false, "300x200 gray 8"},
                     {8, kPrintDpi, true, false, "300x200 index 8"},
                     {4, kPrintDpi, true, false, "300x200 index 4"},
                     {1, kPrintDpi, false, false, "300x200 gray 1"},
                     {24, 72, true, false, "226x150 rgb 8"},
                     {24, kPrintDpi, false, true, "300x200 index 1"}};  // black, one colour
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listed + std::string(c.halftoning ? " halftoned" : ""));
    PrintRequest r;
    r.format = Box(80, 50, 1, 2, 80, 60);
    r.copies = 4;  // two pages
    Design design(300, 200, c.bits, c.coloured);
    gHalftoned = 0;
    SetScreenBitsPerPixel(c.halftoning ? 8 : 24);
    SetHalftoneFunctions(BlackHalftone,
                         [](Dib& out, const Dib& in, int32_t, int32_t) { BlackHalftone(out, in); });
    TempDir dir;
    const std::string pdf = dir.file("out.pdf");
    ASSERT_TRUE(PrintSheets(*MakeJobPrinter({}, pdf, c.dpi), r, design.job()).ok);
    SetScreenBitsPerPixel(24);
    SetHalftoneFunctions(HalftoneDib, HalftoneDibToSize);
    EXPECT_EQ(gHalftoned, c.halftoning ? 2 : 0);  // the second sheet repeats the first
    // Every position shows the one image object in its own size and depth, not as JPEG.
    EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | awk 'NR > 2 {print $4 \"x\" $5, $6, $8, $9; " +
                    "ids[$11]} END {print length(ids), \"object\"}' | uniq -c"),
              "      4 " + std::string(c.listed) + " image\n      1 1 object\n");
    EXPECT_EQ(Shell("pdffonts '" + pdf + "' | grep -c LiberationSans"), "1\n");
    EXPECT_EQ(Shell("pdftotext '" + pdf + "' - | grep -o 'Proof print' | wc -l"), "4\n");
  }
}

TEST(ShapedPrintTest, ImagesStoredAgainShowTheSamePixelsAndADamagedPdfIsLeftAsItIs) {
  TempDir dir;
  PrintRequest r;
  r.format = Box(80, 50, 1, 2, 80, 60);
  struct Case {
    int bits;
    bool coloured;
    int width;  // 1000: more than one band of a megabyte
    int pages;  // share resources; the pages after the first (whose pen state Qt writes) contents
  };
  for (const auto& [bits, coloured, width, pages] :
       {Case{4, true, 300, 1}, {8, false, 300, 3}, {24, true, 1000, 3}}) {
    SCOPED_TRACE(std::to_string(bits) + " bits");
    r.copies = 2 * pages;
    Design design(width, 600, bits, coloured);
    const std::string qt = dir.file("qt.pdf"), ours = dir.file("ours.pdf");
    QPrinter printer(QPrinter::HighResolution);  // not a job's printer: the file as Qt writes it
    printer.setOutputFileName(QString::fromStdString(qt));
    printer.setResolution(kPrintDpi);
    ASSERT_TRUE(PrintSheets(printer, r, design.job()).ok);
    const auto read = ReadRegularFile(qt, kMaxCompactedPdfBytes);
    ASSERT_TRUE(read);
    const std::string pdf(read->begin(), read->end());
    const std::vector<uint8_t> compact = CompactPdfImages(*read);
    ASSERT_FALSE(compact.empty());
    EXPECT_LT(compact.size(), pdf.size());
    ASSERT_EQ(WriteFileReplacing(ours, compact), "");
    EXPECT_EQ(Shell("pdfinfo '" + ours + "' 2>&1 >/dev/null"), "")
        << "its table finds every object";
    const std::string name = std::to_string(bits);
    const auto a = Rasterise(qt, 150, dir, "qt" + name),
               b = Rasterise(ours, 150, dir, "our" + name);
    ASSERT_EQ(a.size(), size_t(pages));
    EXPECT_TRUE(a == b) << "pdftoppm shows every pixel as before";
    const auto sharing = [&](const char* key) {  // how many pages name each object
      return Shell("grep -ao '/" + std::string(key) + " [0-9]* 0 R' '" + ours +
                   "' | sort | uniq -c | awk '{print $1}' | sort -n | tr '\\n' ' '");
    };
    EXPECT_EQ(sharing("Contents"), pages == 1 ? "1 " : "1 " + std::to_string(pages - 1) + " ");
    EXPECT_EQ(sharing("Resources"), std::to_string(pages) + " ");
    if (bits != 4) continue;
    // Damaged where it matters: each leaves the file as it is, as does every shortened file.
    const size_t image = pdf.find("/Subtype /Image"), data = pdf.find("stream\n", image) + 7;
    const std::pair<size_t, const char*> damages[] = {
        {pdf.rfind("startxref") + 10, "9"},                    // the table elsewhere
        {pdf.rfind("\nxref\n0 ") + 6, "7"},                    // another count
        {pdf.find(" n \n", pdf.rfind("\nxref\n")) - 16, "1"},  // an object elsewhere
        {data + 40, "\xff\xff\xff\xff"},                       // the pixels damaged
        {pdf.find("/ColorSpace", image), "/Decode    "},       // a key not stored again
        {pdf.find("/Width", image) + 7, "9"},                  // more pixels than the stream holds
    };
    for (const auto& [at, text] : damages) {
      std::string damaged = pdf;
      damaged.replace(at, std::strlen(text), text);
      EXPECT_TRUE(
          CompactPdfImages({reinterpret_cast<const uint8_t*>(damaged.data()), damaged.size()})
              .empty())
          << at << " " << text;
    }
    for (size_t n = 0; n < pdf.size(); n += 97)
      EXPECT_TRUE(CompactPdfImages({read->data(), n}).empty()) << n;
  }
}

TEST(ShapedPrintTest, PicturesTheJobStoresItselfShowTheirPixelsOnEveryThreadCount) {
  TempDir dir;
  PrintRequest r;
  r.format = Box(80, 50, 1, 2, 80, 60);
  r.copies = 6;  // three sheets alike: the job draws the first, the others repeat it
  Design design(1000, 600, 24, true);
  QPrinter printer(QPrinter::HighResolution);  // the picture as Qt itself writes it
  printer.setOutputFileName(QString::fromStdString(dir.file("qt.pdf")));
  printer.setResolution(kPrintDpi);
  printer.setPageSize(QPageSize(QPageSize::A4));  // the page of a job's PDF
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setFullPage(true);
  ASSERT_TRUE(PrintSheets(printer, r, design.job()).ok);
  const auto qt = Rasterise(dir.file("qt.pdf"), 150, dir, "qt");
  std::set<uintmax_t> sizes, coarseSizes;
  std::vector<std::vector<QImage>> pages;
  for (int threads : {1, 2, 7}) {  // stored at once, and while the pages are drawn
    SCOPED_TRACE(threads);
    const int before = SetThreadCount(threads);
    const std::string pdf = dir.file(std::to_string(threads) + ".pdf");
    const std::string coarse = dir.file(std::to_string(threads) + "-150.pdf");
    const bool printed = PrintSheets(*MakeJobPrinter({}, pdf, kPrintDpi), r, design.job()).ok &&
                         PrintSheets(*MakeJobPrinter({}, coarse, 150), r, design.job()).ok;
    SetThreadCount(before);
    ASSERT_TRUE(printed);
    // Finer than the printer, the picture is averaged down to its pixels, alike on every count.
    EXPECT_EQ(Shell("pdfimages -list '" + coarse + "' | awk 'NR == 3 {print $4 \"x\" $5}'"),
              "472x283\n");
    coarseSizes.insert(std::filesystem::file_size(coarse));
    EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | awk 'NR > 2 {print $4 \"x\" $5, $6; " +
                    "ids[$11]} END {print length(ids)}' | uniq -c"),
              "      6 1000x600 rgb\n      1 1\n");
    EXPECT_EQ(Shell("grep -ao '/Contents [0-9]* 0 R' '" + pdf + "' | sort -u | wc -l"), "1\n");
    pages.push_back(Rasterise(pdf, 150, dir, std::to_string(threads)));
    ASSERT_EQ(pages.back().size(), 3u);
    EXPECT_TRUE(pages.back() == pages.front()) << "the same pixels on every thread count";
    EXPECT_TRUE(pages.back()[2] == pages.back()[0] && pages.back()[1] == pages.back()[0]);
    sizes.insert(std::filesystem::file_size(pdf));
  }
  EXPECT_EQ(sizes.size(), 1u) << "the same bytes on every thread count";
  EXPECT_EQ(coarseSizes.size(), 1u);
  // Drawn into a scaled 4 x 1 stand-in, the picture's corners fall within rounding of Qt's own.
  ASSERT_EQ(qt.size(), 3u);
  const QImage &a = qt[0], &b = pages[0][0];
  ASSERT_EQ(a.size(), b.size());
  int64_t differing = 0, inked = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) > kEdgeLevels;
      inked += qGray(p) < 250;
    }
  EXPECT_LT(differing, inked * kEdgeShare);
  // Asked for, photographs become JPEGs; a picture of few colours stays a lossless palette.
  Design few(300, 200, 4, true);
  for (Design* d : {&design, &few}) {
    const std::string pdf = dir.file("jpeg.pdf");
    auto job = MakeJobPrinter({}, pdf, kPrintDpi);
    job->setJpegPictures(true);
    ASSERT_TRUE(PrintSheets(*job, r, d->job()).ok);
    EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | awk 'NR == 3 {print $4 \"x\" $5, $6, $9}'"),
              d == &few ? "300x200 index image\n" : "1000x600 rgb jpeg\n");
  }
}

TEST(ShapedPrintTest, AStandInThatCannotBeReplacedRefusesTheFile) {
  PictureStreams streams;
  std::vector<uint8_t> rgb(300 * 200 * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 7 % 251);
  const auto standIn = streams.add(300, 200, RowsOf(rgb, 900));
  ASSERT_TRUE(standIn);
  TempDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(QString::fromStdString(dir.file("qt.pdf")));
  QImage image(4, 1, QImage::Format_RGB32);
  for (int i = 0; i < 4; ++i)
    image.setPixel(i, 0, qRgb((*standIn)[3 * i], (*standIn)[3 * i + 1], (*standIn)[3 * i + 2]));
  QPainter painter(&printer);
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(QRect(0, 0, 600, 400), image);
  painter.end();
  const auto read = ReadRegularFile(dir.file("qt.pdf"), kMaxCompactedPdfBytes);
  ASSERT_TRUE(read);
  std::vector<uint8_t> bytes;
  ByteSink whole(bytes);
  ASSERT_EQ(StorePdfImages(*read, &streams, whole), PdfStored::Stored);
  ASSERT_EQ(WriteFileReplacing(dir.file("ours.pdf"), bytes), "");
  EXPECT_EQ(
      Shell("pdfimages -list '" + dir.file("ours.pdf") + "' | awk 'NR > 2 {print $4, $5, $6}'"),
      "300 200 index\n");
  std::string damaged(read->begin(), read->end());
  damaged.replace(damaged.rfind("startxref") + 10, 1, "9");
  ByteSink sink(bytes);
  EXPECT_EQ(StorePdfImages({reinterpret_cast<const uint8_t*>(damaged.data()), damaged.size()},
                           &streams, sink),
            PdfStored::Failed);
  EXPECT_EQ(CompactPdfImages({reinterpret_cast<const uint8_t*>(damaged.data()), damaged.size()}),
            std::vector<uint8_t>())
      << "without stand-ins the file is only left as it is";
}

TEST(ShapedPrintTest, PictureObjectsPrintInTheirBoxClippedToTheDisc) {
  // A red cover; over its top half a 2 x 1 picture: blue, and white left out as the key colour.
  Dib cover, logo;
  NewDib(cover, 100, 100, 24, nullptr, 0);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) SetDibPixel(cover, x, y, 0xFF0000);
  NewWhiteDib(logo, 2, 1);
  SetDibPixel(logo, 0, 0, 0x0000FF);
  std::string error;
  CoverScales scales;
  ObjectTable table(scales);
  PictureSettings s;
  s.fit = PictureFit::Stretch;
  s.keyed = true;
  const int32_t side = int32_t(100 * scales.BaseScale);
  ASSERT_EQ(table.createPicture(PicturePixels::Make(logo, {}, error), 0, 0, side, side / 2, s), 1);
  const double outer = 117, hole = 41;
  PrintRequest r;
  r.format = Box(outer, outer, 1, 1, outer, outer);
  r.details.shape = {ShapeKind::Disc, 0, outer, hole};
  TempDir dir;
  const auto pages =
      PrintCover(r, dir, CoverJob{{100, 0, 0}, 100, 100, MakeCoverDrawer(cover, table)});
  FreeDib(cover);
  ASSERT_EQ(pages.size(), 1u);
  const double cx = 20 + outer / 2, cy = 15 + outer / 2;
  const QColor blue = pages[0].pixelColor(int((cx - 25) * kPx), int((cy - 25) * kPx));
  EXPECT_TRUE(blue.blue() > 200 && blue.red() < 80) << blue.name().toStdString();
  EXPECT_EQ(InkAt(pages[0], cx + 25, cy - 25), Red);    // the key colour shows the cover
  EXPECT_EQ(InkAt(pages[0], cx, cy + 35), Red);         // below the box
  EXPECT_EQ(InkAt(pages[0], cx - 55, cy - 55), White);  // in the box, outside the disc
  EXPECT_EQ(InkAt(pages[0], cx - 5, cy - 5), White);    // in the hole
}

TEST(ShapedPrintTest, APrintableDiscIsCentredOnItsDiscPageAndMovedBackByItsShift) {
  for (const DiscShift& seen : {DiscShift{}, DiscShift{0.8, -0.6}}) {
    const auto [format, details] = PrintableDiscFormat("tray", 120, 118, 22);
    PrintRequest r{format, 0, 1, {3, 2, 95, 105}, details};  // a calibration discs do not take
    PlaceDiscOnPage(r, PlanDiscPdf(120, seen));
    PrinterChoice page;
    page.paperWidthPt = page.paperHeightPt = 120 / 25.4 * 72;
    TempDir dir;
    const auto pages = PrintRed(r, dir, page);
    ASSERT_EQ(pages.size(), 1u);
    // Rim and hub within 0.2 mm of where the disc, moved back by the shift, has them.
    const double cx = 60 - seen.right, cy = 60 - seen.down;
    for (int a = 0; a < 36; ++a) {
      const double dx = std::cos(a * M_PI / 18), dy = std::sin(a * M_PI / 18);
      for (const auto& [radius, ink] : {std::pair{11 - kTolerance, White},
                                        {11 + kTolerance, Red},
                                        {59 - kTolerance, Red},
                                        {59 + kTolerance, White}})
        EXPECT_EQ(InkAt(pages[0], cx + dx * radius, cy + dy * radius), ink)
            << seen.right << " " << a * 10 << " " << radius;
    }
  }
}
