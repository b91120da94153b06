// The window with a big picture, for peak memory: run under `/usr/bin/time -v` with
// QUENDRIX_BENCH_PICTURE naming the picture (for example an A4 scan at 600 dpi) and
// QT_QPA_PLATFORM=offscreen. It opens the picture and shows the Retouch and Texts tabs; the
// time is a by-product.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <cstdlib>

#include "app/views/MainWindow.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dib/Dib.h"

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
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
