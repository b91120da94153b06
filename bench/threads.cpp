// The row operations on a 6000 x 6000 24-bit picture at one thread and at every core (the
// argument is the thread count; 0 = the machine's). The results are the same bytes either way.
#include <benchmark/benchmark.h>

#include <QImage>
#include <random>
#include <thread>

#include "picture/DrawDib.h"
#include "platform/RowPool.h"
#include "platform/device/views/QtDevice.h"
#include "platform/dib/Dib.h"
#include "platform/dib/Halftone.h"
#include "retouch/BrightnessContrast.h"
#include "retouch/MirrorTurn.h"
#include "retouch/PictureCopy.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/EffectFilters.h"

namespace {
constexpr int32_t kSide = 6000;

// A scan-like picture: smooth gradients with noise.
const Dib& Picture() {
  static Dib dib = [] {
    Dib d;
    NewDib(d, kSide, kSide, 24, nullptr, 0);
    std::mt19937 rng(7);
    for (int32_t y = 0; y < kSide; ++y) {
      uint8_t* row = DibRow(d, y);
      for (int32_t x = 0; x < kSide * 3; ++x) row[x] = uint8_t((x / 3 + y) / 24 + (rng() & 31));
    }
    return d;
  }();
  return dib;
}

// Runs `op` on a copy of the picture with the benchmark's thread count.
template <class Op>
void Run(benchmark::State& st, Op op) {
  const int old = SetThreadCount(int(st.range(0)));
  st.counters["threads"] = ThreadCount();
  Dib dib;
  CopyDib(dib, Picture());
  for (auto _ : st) {
    op(dib);
    benchmark::ClobberMemory();
  }
  FreeDib(dib);
  SetThreadCount(old);
}

void BM_Filter(benchmark::State& st) {
  Run(st, [](Dib& d) { ApplyFilter(d, kEffectFilters[0]); });
}
void BM_TurnLeft(benchmark::State& st) {
  Run(st, [](Dib& d) {
    Dib out;
    NewDibLike(d, DibHeight(d), DibWidth(d), out);
    TurnLeftPixels(d, out);
    FreeDib(out);
  });
}
void BM_Mirror(benchmark::State& st) {
  Run(st, [](Dib& d) { MirrorDib(d); });  // in place, as the program mirrors
}
void BM_Brightness(benchmark::State& st) {
  Run(st, [](Dib& d) { ChangeBrightness(d, 1); });
}
void BM_Contrast(benchmark::State& st) {
  Run(st, [](Dib& d) { ChangeContrast(d, 101); });
}
// DrawDib at a quarter of the size onto an off-screen image, as the Texts view shows a scan.
void BM_DrawDibQuarter(benchmark::State& st) {
  QImage dest(kSide / 4, kSide / 4, QImage::Format_RGB32);
  Run(st, [&](Dib& d) {
    QtDevice dev(dest);
    DrawDib(dev, 0, 0, kSide / 4, kSide / 4, d, 0, 0, kSide, kSide, true, SRCCOPY, true, nullptr);
  });
}
void BM_Halftone(benchmark::State& st) {
  Run(st, [](Dib& d) {
    Dib out;
    HalftoneDib(out, d);
    FreeDib(out);
  });
}
void BM_ResampleHalf(benchmark::State& st) {
  Run(st, [](Dib& d) {
    Dib out;
    ResampleDib24(out, d, kSide / 2, kSide / 2);
    FreeDib(out);
  });
}

void Threads(benchmark::internal::Benchmark* b) {
  b->Arg(1)->Arg(int(std::thread::hardware_concurrency()))->Unit(benchmark::kMillisecond);
  b->UseRealTime();
}
}  // namespace

BENCHMARK(BM_Filter)->Apply(Threads);
BENCHMARK(BM_TurnLeft)->Apply(Threads);
BENCHMARK(BM_Mirror)->Apply(Threads);
BENCHMARK(BM_Brightness)->Apply(Threads);
BENCHMARK(BM_Contrast)->Apply(Threads);
BENCHMARK(BM_DrawDibQuarter)->Apply(Threads);
BENCHMARK(BM_Halftone)->Apply(Threads);
BENCHMARK(BM_ResampleHalf)->Apply(Threads);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
