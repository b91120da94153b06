// Cost of drawing the cover objects: an empty table, 100 objects, and all 10000 slots occupied.
#include <benchmark/benchmark.h>

#include "cover/DrawCoverObjects.h"

namespace {
// A device that does nothing, so only the renderer's own work is measured.
class NullDevice : public Device {
 public:
  long long calls = 0;
  int GetDeviceCaps(int) override { return 0; }
  int SetStretchBltMode(int) override { return 0; }
  int StretchDIBits(int, int, int, int, int, int, int, int, const uint8_t*, const BITMAPINFO*,
                    uint32_t) override {
    return 0;
  }
  int SetDIBitsToDevice(int, int, int, int, int, int, int, int, const uint8_t*,
                        const BITMAPINFO*) override {
    return 0;
  }
  std::unique_ptr<CompatibleBitmap> CreateCompatibleBitmap(int, int) override { return nullptr; }
  std::unique_ptr<Device> CreateCompatibleDC() override { return nullptr; }
  CompatibleBitmap* SelectBitmap(CompatibleBitmap*) override { return nullptr; }
  int SetDIBits(CompatibleBitmap&, int, int, const uint8_t*, const BITMAPINFO*) override {
    return 0;
  }
  int GetDIBits(CompatibleBitmap&, int, int, uint8_t*, BITMAPINFO*) override { return 0; }
  bool StretchBlt(int, int, int, int, Device&, int, int, int, int, uint32_t) override {
    return false;
  }
  HPALETTE SelectPalette(HPALETTE, bool) override { return nullptr; }
  int RealizePalette() override { return 0; }
  void SetPenColor(COLORREF) override { ++calls; }
  void SetPenWidth(int) override { ++calls; }
  void SetBrushColor(COLORREF) override { ++calls; }
  void SetBrushStyle(BrushStyle) override { ++calls; }
  COLORREF SetTextColor(COLORREF) override {
    ++calls;
    return 0;
  }
  int SetBkMode(int) override {
    ++calls;
    return 0;
  }
  uint32_t SetTextAlign(uint32_t) override {
    ++calls;
    return 0;
  }
  LogFont SelectFont(const LogFont& f) override {
    ++calls;
    return f;
  }
  void Rectangle(int, int, int, int) override { ++calls; }
  void Ellipse(int, int, int, int) override { ++calls; }
  void RoundRect(int, int, int, int, int, int) override { ++calls; }
  void Line(int, int, int, int) override { ++calls; }
  void TextOut(int, int, const std::string&) override { ++calls; }
  int DrawText(const std::string&, const RECT&, uint32_t) override {
    ++calls;
    return 0;
  }
};

// Fills the first `count` slots with a mix of the ten forms, texts, notes and rotated texts.
void Fill(ObjectTable& table, int count) {
  for (int i = 1; i <= count; ++i) {
    CoverObject& o = table[i];
    o.X = (i % 100) * 1000000, o.Y = (i / 100) * 1000000, o.W = 3000000, o.H = 2000000;
    o.LineWidth = 2;
    if (i % 2) {
      o.Kind = kShape;
      o.SubKind = i % 10;
      o.FillOrShadow = i % 3;
    } else {
      o.Kind = kText;
      o.SubKind = i % 6 == 0 ? 1 : 0;
      o.Rotation = i % 8 == 0 ? 1 : 0;
      o.Text = "Track " + std::to_string(i) + "\rSide A";
      o.FontName = "Liberation Sans";
      o.FontSize = 12;
      o.ShadowOn = i % 4 == 0;
      o.BorderOn = i % 10 == 0;
    }
  }
}

void BM_DrawCoverObjects(benchmark::State& state) {
  CoverScales scales;
  ObjectTable table(scales);
  Fill(table, static_cast<int>(state.range(0)));
  NullDevice dc;
  for (auto _ : state) {
    DrawCoverObjects(dc, table, 0, 0, scales.ViewZoom / scales.ViewScale);
    benchmark::DoNotOptimize(dc.calls);
  }
  state.counters["objects"] = static_cast<double>(state.range(0));
  if (state.range(0) > 0)
    state.counters["per_object"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DrawCoverObjects)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
