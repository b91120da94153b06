// A 60-letter text drawn straight and along the top and bottom arcs, with and without effects,
// into an image as every view gets it. Curved text should stay within 3 x the straight time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "cover/DrawCoverObjects.h"
#include "platform/device/views/QtDevice.h"

namespace {
constexpr int kSide = 600;

void BM_Text(benchmark::State& state) {
  CoverScales scales;
  ObjectTable table(scales);
  CoverObject& o = table[1];
  o.Kind = kText;
  o.X = o.Y = int32_t(20 * scales.BaseScale);
  o.W = o.H = int32_t(560 * scales.BaseScale);
  o.Text = "Sixty letters run along the rim of the disc label, 1 to 60!";
  o.Text.resize(60, '.');
  o.FontName = "Liberation Sans";
  o.FontSize = 16;
  o.Align = 1;
  o.ShadowOn = o.BorderOn = state.range(1) != 0;
  table.layout(1) = TextLayout{static_cast<TextShape>(state.range(0)), 300, 5};
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtDevice dc(painter);
  for (auto _ : state) {
    DrawCoverObjects(dc, table, 0, 0, 1.0 / scales.BaseScale);
    benchmark::DoNotOptimize(image.constBits());
  }
}
// Layout 0 straight, 1 top arc, 2 bottom arc; second argument: shadow and outline on.
BENCHMARK(BM_Text)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"layout", "effects"})
    ->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
