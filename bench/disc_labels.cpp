// Printing disc labels, two to an A4 sheet, into a PDF at 600 dots per inch: a 1386 x 1386
// picture, a straight and a curved text. Drawn straight onto the pages (the printout) and, for
// comparison, the earlier way: the element rendered and clipped once as an image placed at
// every position. With either, 1000 labels must cost less than three times one sheet, and the
// file must stay under twice one sheet's plus 1 KiB a page. Drawn straight, the picture is
// stored once without loss: Qt compresses it (flate_KiB is that size), then the job stores it
// again with PNG predictors (stored_again 0 shows Qt's file as it was). Lossless storage of a
// picture with noise in it cannot reach one JPEG of the element image the earlier way, so the
// picture is either one of detail everywhere, as noise, or photograph-like. One sheet with a
// 3000 x 3000 picture shows that the PDF holds it once, in at most its Flate size.
// Counters: PDF size, pages, the picture's Flate size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/DetailedPicture.h"
#include "cover/ObjectTable.h"
#include "platform/dib/Dib.h"
#include "print/views/CoverDrawer.h"
#include "print/views/PrintJob.h"

namespace {
// The picture as a 24-bit DIB, and its raw pixels compressed as a PDF's Flate stream would be.
struct Cover {
  Dib dib;
  CoverScales scales;
  ObjectTable objects{scales};
  int64_t flateBytes = 0;

  Cover(int side, bool photo) {
    const QImage picture = photo ? PhotoLikePicture(side, 4711u) : DetailedPicture(side, 4711u);
    NewDib(dib, side, side, 24, nullptr, 0);
    QByteArray raw;
    raw.reserve(qsizetype(side) * side * 3);
    for (int y = 0; y < side; ++y) {
      const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
      uint8_t* out = DibRow(dib, y);
      for (int x = 0; x < side; ++x) {
        out[3 * x] = uint8_t(qBlue(in[x]));
        out[3 * x + 1] = uint8_t(qGreen(in[x]));
        out[3 * x + 2] = uint8_t(qRed(in[x]));
        raw.append(char(qRed(in[x]))).append(char(qGreen(in[x]))).append(char(qBlue(in[x])));
      }
    }
    flateBytes = qCompress(raw).size();
    const int32_t unit = int32_t(scales.BaseScale);
    for (int slot : {1, 2}) {
      CoverObject& o = objects[slot];
      o.Kind = kText;
      o.X = 40 * unit, o.Y = (slot == 1 ? 40 : 600) * unit;
      o.W = 1300 * unit, o.H = (slot == 1 ? 1300 : 200) * unit;
      o.Text = slot == 1 ? "Songs of the rim, along the top arc" : "Side A - 12 tracks";
      o.FontName = "Liberation Sans";
      o.FontSize = 16;
      o.Align = 1;
    }
    objects.layout(1) = TextLayout{TextShape::TopArc, 180, 5};
  }
  ~Cover() { FreeDib(dib); }
};

PrintRequest DiscSheet(int copies) {  // the geometry of a common A4 sheet of two disc labels
  PrintRequest r;
  r.format.width = r.format.height = 116.967;
  r.format.stepAcross = 116.967;
  r.format.stepDown = 136.867;
  r.format.leftMargin = 46.489;
  r.format.topMargin = 20.743;
  r.format.columns = 1;
  r.format.rows = 2;
  r.details.shape = {ShapeKind::Disc, 0, 116.967, 40.986};
  r.details.bleedX = r.details.bleedY = 1.5;
  r.copies = copies;
  return r;
}

// A printer into the PDF file `path` as a job's, but keeping the file as Qt writes it.
std::unique_ptr<QPrinter> QtPdfPrinter(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setResolution(600);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(QMarginsF(0, 0, 0, 0));
  printer->setFullPage(true);
  return printer;
}

// Arguments: copies, picture side, 1 to draw straight onto the pages (0: the element image),
// 1 for a photograph-like picture (0: one of detail everywhere, as noise), 1 for the job's PDF
// with its images stored again (0: Qt's PDF as it is), 1 for photographs as JPEG.
void PrintDiscLabels(benchmark::State& state) {
  const int copies = int(state.range(0)), side = int(state.range(1));
  const bool straight = state.range(2) != 0, storedAgain = state.range(4) != 0;
  Cover cover(side, state.range(3) != 0);
  const std::string pdf =
      (std::filesystem::temp_directory_path() /
       ("quendrix-discs-" + std::to_string(copies) + "-" + std::to_string(side) + ".pdf"))
          .string();
  const PrintRequest request = DiscSheet(copies);
  const CoverJob job{{100, 0, 0}, side, side, MakeCoverDrawer(cover.dib, cover.objects)};
  int pages = 0;
  for (auto _ : state) {
    std::unique_ptr<QPrinter> printer = QtPdfPrinter(pdf);
    if (storedAgain) {
      auto job = MakeJobPrinter({}, pdf, 600);
      job->setJpegPictures(state.range(5) != 0);
      printer = std::move(job);
    }
    const PrintResult r =
        straight
            ? PrintSheets(*printer, request, job)
            : PrintSheets(*printer, request, MakeCoverRenderer(job, request.calibration, 1.5, 1.5));
    if (!r.ok) state.SkipWithError(r.error.c_str());
    pages = r.pages;
  }
  state.counters["pages"] = pages;
  state.counters["pdf_KiB"] = std::filesystem::file_size(pdf) / 1024.0;
  state.counters["flate_KiB"] = cover.flateBytes / 1024.0;
  std::filesystem::remove(pdf);
}

// A design's parts printed in one job (--part all), 100 copies each, every part with its own
// picture: 4 parts must cost at most 4.4 times one.
void PrintDesignParts(benchmark::State& state) {
  const int count = int(state.range(0));
  std::vector<std::unique_ptr<Cover>> covers;
  std::vector<PartPrint> parts;
  for (int i = 0; i < count; ++i) {
    Cover& cover = *covers.emplace_back(std::make_unique<Cover>(1386, false));
    parts.push_back({DiscSheet(100),
                     CoverJob{{100, 0, 0}, 1386, 1386, MakeCoverDrawer(cover.dib, cover.objects)},
                     {}});
  }
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("quendrix-parts-" + std::to_string(count) + ".pdf"))
                              .string();
  int pages = 0;
  for (auto _ : state) {
    auto printer = MakeJobPrinter({}, pdf, 600);
    const PrintResult r = PrintParts(*printer, parts);
    if (!r.ok) state.SkipWithError(r.error.c_str());
    pages = r.pages;
  }
  state.counters["pages"] = pages;
  std::filesystem::remove(pdf);
}
}  // namespace

BENCHMARK(PrintDesignParts)
    ->ArgName("parts")
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// One sheet first: the reference for time and size; each the earlier way, then straight.
BENCHMARK(PrintDiscLabels)
    ->ArgNames({"copies", "side", "straight", "photo", "stored_again", "jpeg"})
    ->ArgsProduct({{2, 1000}, {1386}, {0, 1}, {0, 1}, {1}, {0}})
    ->ArgsProduct({{2, 1000}, {1386}, {0, 1}, {0, 1}, {0}, {0}})
    ->ArgsProduct({{1000}, {1386}, {1}, {0, 1}, {1}, {1}})
    ->Args({2, 3000, 0, 0, 1, 0})
    ->Args({2, 3000, 1, 0, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
