// The Texts view's paint of a 1000 x 1000 picture: the picture alone, then the whole paint
// (pages, picture, objects, frame, copy to the screen) with 0, 100 and 10000 objects.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "cover/DrawCoverObjects.h"
#include "cover/views/CoverImage.h"
#include "cover/views/TextsView.h"
#include "picture/DrawDib.h"
#include "platform/device/views/QtDevice.h"
#include "platform/dib/Dib.h"

namespace {
constexpr int kSide = 1000;

struct NoDialogs : CoverDialogs {
  std::optional<std::vector<std::string>> enterTexts(const std::vector<std::string>&) override {
    return std::nullopt;
  }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return std::nullopt; }
};

// A colourful 24-bit picture, so the stretch does real work.
void MakePicture(Dib& dib) {
  NewDib(dib, kSide, kSide, 24, nullptr, 0);
  for (int y = 0; y < kSide; ++y) {
    uint8_t* row = DibRow(dib, y);
    for (int x = 0; x < 3 * kSide; ++x) row[x] = uint8_t(x * 7 + y * 13);
  }
}

// The first `count` slots: the ten forms, texts, notes, rotated texts, shadows and borders.
void Fill(ObjectTable& table, int count) {
  const double base = table.scales().BaseScale;
  for (int i = 1; i <= count; ++i) {
    CoverObject& o = table[i];
    o.X = int32_t((i * 37 % 950) * base), o.Y = int32_t((i * 53 % 960) * base);
    o.W = int32_t(60 * base), o.H = int32_t(30 * base);
    o.LineWidth = 1 + i % 3;
    o.Color = uint32_t(i * 2654435761u) & 0xFFFFFF;
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
      o.FontSize = 9;
      o.ShadowOn = i % 4 == 0;
      o.BorderOn = i % 10 == 0;
    }
  }
}

struct Fixture {
  CoverScales scales;
  ObjectTable table{scales};
  Dib picture;
  int32_t pageWidth = 41994584, pageHeight = 59402226;
  NoDialogs dialogs;
  std::unique_ptr<TextsView> view;

  explicit Fixture(int objects) {
    MakePicture(picture);
    Fill(table, objects);
    view =
        std::make_unique<TextsView>(TextsDocument{picture, table, pageWidth, pageHeight}, dialogs);
    view->resize(kSide + 300, kSide + 40);
    view->show();
    view->sizeForPage();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  ~Fixture() {
    view.reset();
    FreeDib(picture);
  }
};

// The picture alone, drawn the same way into an image of the view's size, beside the same view.
void BM_PictureAlone(benchmark::State& state) {
  Fixture f(0);
  QImage image(kSide, kSide, QImage::Format_RGB32);
  for (auto _ : state) {
    QtDevice dc(image);
    DrawDib(dc, 0, 0, kSide, kSide, f.picture, 0, 0, kSide, kSide, true, SRCCOPY, true, nullptr);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PictureAlone)->Unit(benchmark::kMillisecond);

// Visiting the 10000 free slots of an empty table.
void BM_EmptyTableObjects(benchmark::State& state) {
  CoverScales scales;
  ObjectTable table(scales);
  QImage image(kSide, kSide, QImage::Format_RGB32);
  QPainter painter(&image);
  QtDevice dc(painter);
  for (auto _ : state) DrawCoverObjects(dc, table, 0, 0, 1.0 / scales.BaseScale);
}
BENCHMARK(BM_EmptyTableObjects)->Unit(benchmark::kMicrosecond);

// Picture and objects into an image, as the view's buffer and the render command get them.
void BM_CoverImage(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)));
  QImage image(kSide, kSide, QImage::Format_RGB32);
  for (auto _ : state) {
    PaintCover(image, f.picture, f.table, 1.0 / f.scales.BaseScale, 96, 96);
    benchmark::DoNotOptimize(image.constBits());
  }
  if (state.range(0) > 0)
    state.counters["per_object"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_CoverImage)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// The whole paint handler, run by the paint box's synchronous repaint.
void BM_TextsViewPaint(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  Fixture f(objects);
  f.table.selectedSlot = objects > 0 ? 1 : 0;
  if (f.view->paintBox->size() != QSize(kSide, kSide)) {
    state.SkipWithError("the view did not take the picture's size");
    return;
  }
  const int before = f.view->paintsDrawn();
  for (auto _ : state) {
    f.view->repaintView();
    f.view->paintBox->repaint();
  }
  if (f.view->paintsDrawn() - before < int(state.iterations()))
    state.SkipWithError("a paint did not draw");
  state.counters["objects"] = objects;
  if (objects > 0)
    state.counters["per_object"] = benchmark::Counter(
        objects, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TextsViewPaint)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
