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
    for (int tab : {MainWindow::kRetouchTab, MainWindow::kTextsTab}) {
      form.tabs()->setCurrentIndex(tab);
      Settle();
    }
  }
}
BENCHMARK(BM_OpenAndShowRetouchAndTexts)->Iterations(1)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
