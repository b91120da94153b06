// Printing many copies of one element into a PDF at 600 dots per inch: the element is rendered
// once and the same image is drawn at every position, so time and file size grow with the
// pages, not with the picture data. Counters: PDF size, pages, peak resident memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <filesystem>

#include "bench/DetailedPicture.h"
#include "platform/dib/Dib.h"
#include "print/views/PrintJob.h"

namespace {
// A 3000 x 3000 picture with detail everywhere.
const QImage& Picture() {
  static const QImage picture = DetailedPicture(3000, 12345u);
  return picture;
}

PaperFormat TwoByFive() {  // 90 x 55 mm business-card blanks, 2 across, 5 down on A4
  PaperFormat t;
  t.width = 90;
  t.height = 55;
  t.stepAcross = 95;
  t.stepDown = 57;
  t.leftMargin = 12;
  t.topMargin = 12;
  t.columns = 2;
  t.rows = 5;
  return t;
}

QImage RenderElement(PixelSize s, int, int) {
  QImage element(s.w, s.h, QImage::Format_RGB32);
  element.fill(Qt::white);
  QPainter p(&element);
  p.drawImage(QRect(0, 0, s.w, s.w), Picture());  // the cover at 100 % of the element width
  return element;
}

double PeakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

void PrintCopies(benchmark::State& state) {
  Picture();
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("quendrix-bench-" + std::to_string(state.range(0)) + ".pdf"))
                              .string();
  PrintRequest request;
  request.format = TwoByFive();
  request.copies = static_cast<int32_t>(state.range(0));
  int pages = 0;
  for (auto _ : state) {
    auto printer = MakeJobPrinter({}, pdf, 600);
    const PrintResult r = PrintSheets(*printer, request, RenderElement);
    if (!r.ok) state.SkipWithError(r.error.c_str());
    pages = r.pages;
  }
  state.counters["pages"] = pages;
  state.counters["pdf_KiB"] = std::filesystem::file_size(pdf) / 1024.0;
  state.counters["peak_MiB"] = PeakMiB();
  std::filesystem::remove(pdf);
}
}  // namespace

// One full sheet first: the reference for time and size (peak memory is the process's so far).
BENCHMARK(PrintCopies)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
