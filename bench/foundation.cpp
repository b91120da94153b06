// Start-up to the first painted main window, and the white start picture against calloc+memset.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <cstring>

#include "app/views/MainWindow.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dib/Dib.h"

static void BM_NewWhiteDib3000(benchmark::State& state) {
  for (auto _ : state) {
    Dib d;
    NewWhiteDib(d, 3000, 3000);
    benchmark::DoNotOptimize(d.Bits);
    FreeDib(d);
  }
}
BENCHMARK(BM_NewWhiteDib3000)->Unit(benchmark::kMillisecond);

static void BM_CallocMemset3000(benchmark::State& state) {
  const size_t size = size_t(9000) * 3000;
  for (auto _ : state) {
    auto* p = static_cast<uint8_t*>(std::calloc(1, size));
    std::memset(p, 255, size);
    benchmark::DoNotOptimize(p);
    std::free(p);
  }
}
BENCHMARK(BM_CallocMemset3000)->Unit(benchmark::kMillisecond);

static void BM_StartupToFirstPaint(benchmark::State& state) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  for (auto _ : state) {
    MainWindow form(false);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    form.repaint();
    dialogs.messageAnswers = {MsgResult::Ok};
    form.close();
  }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
