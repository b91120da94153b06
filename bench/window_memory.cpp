// A big picture in the window and in a print job, for peak memory: run under `/usr/bin/time -v`
// with QUENDRIX_BENCH_PICTURE naming the picture (for example an A4 scan at 600 dpi) and
// QT_QPA_PLATFORM=offscreen, one benchmark per process. One opens the picture and shows the
// Retouch and Texts tabs; the other prints it on one A4 element into a PDF at 600 dpi. The
// time is a by-product.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>

#include "app/views/MainWindow.h"
#include "cover/ObjectTable.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dib/Dib.h"
#include "print/views/CoverDrawer.h"
#include "print/views/PrintJob.h"

namespace {
void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void BM_OpenAndShowRetouchAndTexts(benchmark::State& state) {
  const char* picture = std::getenv("QUENDRIX_BENCH_PICTURE");
  if (!picture) return state.SkipWithError("QUENDRIX_BENCH_PICTURE names no picture");
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  for (auto _ : state) {
    MainWindow form(false);
    form.resize(1280, 960);
    form.show();
    Settle();
    if (!form.pictureCommands().openPictureFile(picture))
      return state.SkipWithError("the picture could not be opened");
    const int tabs[] = {MainWindow::kRetouchTab, MainWindow::kTextsTab};
    for (int i = 0; i < state.range(0); ++i) {
      form.tabs()->setCurrentIndex(tabs[i]);
      Settle();
    }
  }
}
// Argument: how many of the Retouch and Texts tabs are shown (one run each, in its own process:
// --benchmark_filter=BM_OpenAndShowRetouchAndTexts/2).
BENCHMARK(BM_OpenAndShowRetouchAndTexts)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_PrintIntoPdf(benchmark::State& state) {
  const char* picture = std::getenv("QUENDRIX_BENCH_PICTURE");
  if (!picture) return state.SkipWithError("QUENDRIX_BENCH_PICTURE names no picture");
  const std::string pdf =
      (std::filesystem::temp_directory_path() / "quendrix-print-memory.pdf").string();
  for (auto _ : state) {
    Dib dib;
    std::string error;
    if (!LoadPictureFile(dib, picture, error)) return state.SkipWithError(error.c_str());
    CoverScales scales;
    ObjectTable objects{scales};
    PrintRequest request;  // one A4 element, the picture over all of it
    request.format.width = request.format.stepAcross = 210;
    request.format.height = request.format.stepDown = 297;
    request.format.columns = request.format.rows = 1;
    const CoverJob job{{100, 0, 0}, DibWidth(dib), DibHeight(dib), MakeCoverDrawer(dib, objects)};
    const PrintResult r = PrintSheets(*MakeJobPrinter({}, pdf, 600), request, job);
    FreeDib(dib);
    if (!r.ok) return state.SkipWithError(r.error.c_str());
  }
  state.counters["pdf_KiB"] = std::filesystem::file_size(pdf) / 1024.0;
  std::filesystem::remove(pdf);
}
BENCHMARK(BM_PrintIntoPdf)->Iterations(1)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
