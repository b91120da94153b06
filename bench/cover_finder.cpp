// "Find cover" on previews of the whole glass: the usual 500-pixel preview and a finer one.
#include <benchmark/benchmark.h>

#include <random>

#include "platform/scanner/CoverFinder.h"

namespace {
// A white lid with noise and a dark 120 x 120 mm cover, the glass 216 x 297 mm.
RgbPicture Preview(int width) {
  const int height = width * 297 / 216;
  RgbPicture p{width, height, {}};
  std::mt19937 rng(5);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double mx = x * 216.0 / width, my = y * 297.0 / height;
      const bool cover = mx > 30 && mx < 150 && my > 40 && my < 160;
      const uint32_t base = cover ? 0x302838 : 0xf2f2f0;
      p.pixels.push_back(base ^ (rng() & 0x070707));
    }
  return p;
}

void BM_FindCover(benchmark::State& state) {
  const RgbPicture preview = Preview(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(FindCover(preview, {0, 0, 216, 297}));
  state.SetItemsProcessed(state.iterations() * int64_t(preview.pixels.size()));
}
BENCHMARK(BM_FindCover)->Arg(364)->Arg(1000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
