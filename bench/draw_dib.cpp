// DrawDib of a 3000 x 3000 24-bit picture onto an off-screen image at half and double size,
// beside OpenCV's nearest-neighbour resize and QPainter::drawImage of the same picture.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "picture/DrawDib.h"
#include "platform/device/views/QtDevice.h"
#include "platform/dib/Dib.h"

#ifdef QUENDRIX_HAVE_OPENCV
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {
constexpr int kSide = 3000;

struct Source {
  Dib dib;
  QImage image;
  Source() {
    NewDib(dib, kSide, kSide, 24, nullptr, 0);
    image = QImage(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
      uint8_t* row = DibRow(dib, y);
      auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
      for (int x = 0; x < kSide; ++x) {
        const uint8_t b = uint8_t(x * 7 + y), g = uint8_t(x ^ y), r = uint8_t(y * 3);
        row[3 * x] = b;
        row[3 * x + 1] = g;
        row[3 * x + 2] = r;
        line[x] = 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
      }
    }
  }
  ~Source() { FreeDib(dib); }
};

Source& Picture() {
  static Source source;
  return source;
}

void BM_DrawDib(benchmark::State& state) {
  const int side = int(state.range(0));
  Source& src = Picture();
  QImage dest(side, side, QImage::Format_RGB32);
  for (auto _ : state) {
    QtDevice dev(dest);
    DrawDib(dev, 0, 0, side, side, src.dib, 0, 0, kSide, kSide, true, SRCCOPY, true, nullptr);
    benchmark::DoNotOptimize(dest.constBits());
  }
  state.counters["extra_bytes"] = double(side) * 3 + double(side) * 4;  // scratch row + table
}

void BM_QtDrawImage(benchmark::State& state) {
  const int side = int(state.range(0));
  Source& src = Picture();
  QImage dest(side, side, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&dest);
    p.drawImage(QRect(0, 0, side, side), src.image);
    p.end();
    benchmark::DoNotOptimize(dest.constBits());
  }
}

#ifdef QUENDRIX_HAVE_OPENCV
// Second argument: OpenCV's threads (0: its default). One thread compares like with like:
// DrawDib and QPainter draw on one thread.
void BM_OpenCvResizeNearest(benchmark::State& state) {
  const int side = int(state.range(0));
  const int threads = cv::getNumThreads();
  cv::setNumThreads(int(state.range(1)) > 0 ? int(state.range(1)) : -1);
  Source& src = Picture();
  // The picture's rows wrapped as they are (bottom-up; the order does not change the work).
  const cv::Mat in(kSide, kSide, CV_8UC3, src.dib.Bits, size_t(src.dib.BytesPerLine));
  cv::Mat out(side, side, CV_8UC3);
  for (auto _ : state) {
    cv::resize(in, out, cv::Size(side, side), 0, 0, cv::INTER_NEAREST);
    benchmark::DoNotOptimize(out.data);
  }
  cv::setNumThreads(threads);
}
BENCHMARK(BM_OpenCvResizeNearest)
    ->Args({1500, 0})
    ->Args({1500, 1})
    ->Args({6000, 0})
    ->Args({6000, 1})
    ->Unit(benchmark::kMillisecond);
#endif

BENCHMARK(BM_DrawDib)->Arg(1500)->Arg(6000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtDrawImage)->Arg(1500)->Arg(6000)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
