// Picture objects over a 3000 x 3000 cover: the Texts view's paint at one zoom with 20 pictures
// of 1000 x 1000 pixels against the cover alone (the scaled pictures are kept between paints),
// and printing 10 (one sheet) and 1000 copies of that design into a PDF (scaled once per job).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <filesystem>

#include "cover/views/CoverImage.h"
#include "platform/dib/Dib.h"
#include "print/views/PrintJob.h"

namespace {
constexpr int kCover = 3000, kPicture = 1000, kObjects = 20, kView = 1000;

void Patterned(Dib& dib, int side, int bits, uint32_t seed) {
  NewDib(dib, side, side, bits, nullptr, 0);
  for (int i = 0; i < PaletteEntryCount(bits); ++i)
    SetDibColor(dib, i, uint8_t(i * 5), uint8_t(255 - i), uint8_t(i * 3), false);
  if (dib.HasPalette) RecreatePalette(dib);
  for (int y = 0; y < side; ++y) {
    uint8_t* row = DibRow(dib, y);
    for (int x = 0; x < dib.BytesPerLine; ++x) row[x] = uint8_t(x * 7 + y * 13 + seed);
  }
}

// The cover, and 20 pictures in a 5 x 4 grid of 600 x 600 boxes: 24-bit and 8-bit, opaque,
// keyed, half transparent, every fit.
struct Design {
  CoverScales scales;
  ObjectTable table{scales};
  Dib cover;
  explicit Design(int objects) {
    Patterned(cover, kCover, 24, 0);
    const double base = scales.BaseScale;
    for (int i = 0; i < objects; ++i) {
      Dib dib;
      Patterned(dib, kPicture, i % 3 == 0 ? 8 : 24, uint32_t(i * 31));
      std::string error;
      auto pixels = PicturePixels::Make(dib, {}, error);
      PictureSettings s;
      s.fit = static_cast<PictureFit>(i % 3);
      s.opacity = i % 4 == 1 ? 50 : 100;
      s.keyed = i % 4 == 2;
      s.turns = uint8_t(i % 4);
      table.createPicture(pixels, int32_t((i % 5) * 600 * base), int32_t((i / 5) * 600 * base),
                          int32_t(560 * base), int32_t(500 * base), s);
    }
  }
  ~Design() { FreeDib(cover); }
};

void TextsView(benchmark::State& state) {
  Design d(int(state.range(0)));
  QImage image(kView, kView, QImage::Format_RGB32);
  const double scale = double(kView) / kCover / d.scales.BaseScale;
  for (auto _ : state) {
    PaintCover(image, d.cover, d.table, scale, 96, 96);
    benchmark::DoNotOptimize(image.constBits());
  }
}
// 0: the cover alone; 20: with the picture objects, at the same zoom (a third).
BENCHMARK(TextsView)->Arg(0)->Arg(kObjects)->Unit(benchmark::kMillisecond);

PaperFormat TwoByFive() {  // 90 x 55 mm blanks, 2 across, 5 down on A4
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

void PrintCopies(benchmark::State& state) {
  static Design d(kObjects);
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("quendrix-pictures-" + std::to_string(state.range(0)) + ".pdf"))
                              .string();
  PrintRequest request;
  request.format = TwoByFive();
  request.copies = static_cast<int32_t>(state.range(0));
  const auto render = [](PixelSize s, int, int) {
    QImage element(s.w, s.h, QImage::Format_RGB32);
    PaintCover(element, d.cover, d.table, double(s.w) / kCover / d.scales.BaseScale, 600, 96);
    return element;
  };
  for (auto _ : state) {
    auto printer = MakeJobPrinter({}, pdf, 600);
    const PrintResult r = PrintSheets(*printer, request, render);
    if (!r.ok) state.SkipWithError(r.error.c_str());
  }
  std::filesystem::remove(pdf);
}
BENCHMARK(PrintCopies)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
