// Printing disc labels, two to an A4 sheet, into a PDF at 600 dots per inch: the element is
// rendered and clipped to the ring once, then the same image goes to every position, so 1000
// labels must cost less than three times one sheet, and the file must stay under twice one
// sheet's plus 1 KiB a page. Counters: PDF size, pages.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <filesystem>

#include "bench/DetailedPicture.h"
#include "platform/dib/Dib.h"
#include "print/views/PrintJob.h"

namespace {
// A 2000 x 2000 picture with detail everywhere.
const QImage& Picture() {
  static const QImage picture = DetailedPicture(2000, 4711u);
  return picture;
}

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

void PrintDiscLabels(benchmark::State& state) {
  Picture();
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("quendrix-discs-" + std::to_string(state.range(0)) + ".pdf"))
                              .string();
  const PrintRequest request = DiscSheet(static_cast<int>(state.range(0)));
  const CoverJob cover{{100, 0, 0},
                       Picture().width(),
                       Picture().height(),
                       [](QImage& element, const PixelRect& c, int, int) {
                         QPainter p(&element);
                         p.drawImage(QRect(c.x, c.y, c.w, c.h), Picture());
                       }};
  int pages = 0;
  for (auto _ : state) {
    auto printer = MakeJobPrinter({}, pdf, 600);
    const PrintResult r =
        PrintSheets(*printer, request, MakeCoverRenderer(cover, request.calibration, 1.5));
    if (!r.ok) state.SkipWithError(r.error.c_str());
    pages = r.pages;
  }
  state.counters["pages"] = pages;
  state.counters["pdf_KiB"] = std::filesystem::file_size(pdf) / 1024.0;
  std::filesystem::remove(pdf);
}
}  // namespace

// Two labels (one sheet) first: the reference for time and size.
BENCHMARK(PrintDiscLabels)->Arg(2)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
