// Retouch operations side by side with OpenCV on a 3000 x 3000 24-bit picture, one thread.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/dib/Dib.h"
#include "retouch/BrightnessContrast.h"
#include "retouch/ByteTable.h"
#include "retouch/Crop.h"
#include "retouch/MirrorTurn.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/EffectFilters.h"
#include "retouch/effects/FilterBorder.h"
#include "retouch/effects/FilterFast.h"
#include "retouch/effects/FilterReference.h"

#ifdef QUENDRIX_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {
constexpr int32_t kSide = 3000;

// A scan-like picture: smooth gradients with noise.
void MakePicture(Dib& dib, int32_t w, int32_t h) {
  NewDib(dib, w, h, 24, nullptr, 0);
  std::mt19937 rng(7);
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* row = DibRow(dib, y);
    for (int32_t x = 0; x < w * 3; ++x) row[x] = uint8_t((x / 3 + y) / 24 + (rng() & 31));
  }
}

Dib g_src;

#ifdef QUENDRIX_HAVE_OPENCV
cv::Mat AsMat(const Dib& dib) {
  return cv::Mat(DibHeight(dib), DibWidth(dib), CV_8UC3, dib.Bits, size_t(dib.BytesPerLine));
}
#endif

void OursFilter(benchmark::State& st, int k) {
  Dib dib;
  CopyDib(dib, g_src);
  for (auto _ : st) {
    ApplyFilter(dib, kEffectFilters[k]);
    benchmark::ClobberMemory();
  }
  FreeDib(dib);
}

// As the Effects menu runs it: the untouched rows are kept for the answer No.
void OursFilterWithBackup(benchmark::State& st, int k) {
  Dib dib;
  CopyDib(dib, g_src);
  for (auto _ : st) {
    auto* backup = static_cast<uint8_t*>(std::malloc(size_t(kSide) * kSide * 3));
    FilterInPlace(dib, kEffectFilters[k], backup);
    benchmark::DoNotOptimize(backup);
    std::free(backup);
  }
  FreeDib(dib);
}

// The kernels of a narrower instruction set, for machines without AVX-512.
void OursFilterAtLevel(benchmark::State& st, int k, KernelLevel level) {
  if (!KernelLevelSupported(level)) {
    st.SkipWithError("instruction set not available");
    return;
  }
  Dib dib;
  CopyDib(dib, g_src);
  for (auto _ : st) {
    FilterInPlace(dib, kEffectFilters[k], nullptr, level);
    benchmark::ClobberMemory();
  }
  FreeDib(dib);
}

// The table mapping without 64-byte lookups.
void OursTablePortable(benchmark::State& st) {
  Dib dib;
  CopyDib(dib, g_src);
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = BrightnessOf(v, 1);
  for (auto _ : st) {
    for (int32_t y = 0; y < kSide; ++y)
      MapBytesPortable(DibRow(dib, y), DibRow(dib, y), size_t(kSide) * 3, table);
    benchmark::ClobberMemory();
  }
  FreeDib(dib);
}

template <void (*Fill)(const Dib&, Dib&)>
void OursPixels(benchmark::State& st, bool turned) {
  Dib dst;
  NewDib(dst, turned ? kSide : kSide, kSide, 24, nullptr, 0);
  for (auto _ : st) {
    Fill(g_src, dst);
    benchmark::ClobberMemory();
  }
  FreeDib(dst);
}

void OursTable(benchmark::State& st, bool contrast) {
  Dib dib;
  CopyDib(dib, g_src);
  for (auto _ : st) {
    if (contrast)
      ChangeContrast(dib, 150);
    else
      ChangeBrightness(dib, 1);
    benchmark::ClobberMemory();
  }
  FreeDib(dib);
}

void OursCrop(benchmark::State& st) {
  for (auto _ : st) {
    Dib out;
    CropDib(g_src, 500, 500, 2000, 2000, out);
    benchmark::DoNotOptimize(out.Bits);
    FreeDib(out);
  }
}

void PlainCrop(benchmark::State& st) {
  for (auto _ : st) {
    std::vector<uint8_t> out(size_t(2000) * 6000);
    for (int32_t y = 0; y < 2000; ++y)
      std::memcpy(out.data() + size_t(y) * 6000, DibRow(g_src, 500 + y) + 1500, 6000);
    benchmark::DoNotOptimize(out.data());
  }
}

#ifdef QUENDRIX_HAVE_OPENCV
void CvFilter(benchmark::State& st, int k) {
  const EffectFilter& f = kEffectFilters[k];
  cv::Mat kernel(5, 5, CV_32F);
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) kernel.at<float>(j, i) = float(f.Matrix[j][i]) / float(f.Divisor);
  cv::Mat src = AsMat(g_src), dst(src.size(), src.type());
  for (auto _ : st) {
    cv::filter2D(src, dst, -1, kernel, cv::Point(-1, -1), f.Bias, cv::BORDER_REPLICATE);
    benchmark::ClobberMemory();
  }
}

void CvRotate(benchmark::State& st, int code) {
  cv::Mat src = AsMat(g_src), dst(src.cols, src.rows, src.type());
  for (auto _ : st) {
    cv::rotate(src, dst, code);
    benchmark::ClobberMemory();
  }
}

void CvFlip(benchmark::State& st, int code) {
  cv::Mat src = AsMat(g_src), dst(src.size(), src.type());
  for (auto _ : st) {
    cv::flip(src, dst, code);
    benchmark::ClobberMemory();
  }
}

void CvLut(benchmark::State& st, bool contrast) {
  cv::Mat m = AsMat(g_src).clone(), lut(1, 256, CV_8U);
  for (int v = 0; v < 256; ++v)
    lut.at<uint8_t>(v) = contrast ? ContrastOf(v, 150) : BrightnessOf(v, 1);
  for (auto _ : st) {
    cv::LUT(m, lut, m);
    benchmark::ClobberMemory();
  }
}
#endif

// The kernels against the plain loop on a 1000 x 1000 part of the picture.
bool FiltersExact() {
  Dib part, work, a, b;
  CropDib(g_src, 0, 0, 1000, 1000, part);
  MakeBorderedCopy(part, work);
  // Filtered in place, the picture equals the plain loop's result on the bordered copy.
  bool exact = true;
  for (int k = 0; k < kEffectCount; ++k) {
    CopyDib(a, part);
    CopyDib(b, part);
    FilterReference(work, kEffectFilters[k], a);
    FilterInPlace(b, kEffectFilters[k]);
    exact = exact && std::memcmp(a.Bits, b.Bits, a.Info->bmiHeader.biSizeImage) == 0;
    FreeDib(a);
    FreeDib(b);
  }
  FreeDib(work);
  FreeDib(part);
  return exact;
}
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  MakePicture(g_src, kSide, kSide);
#ifdef QUENDRIX_HAVE_OPENCV
  cv::setNumThreads(1);
#endif
  std::printf("filter kernels: %s, equal to the plain loop: %s\n",
              KernelLevelName(BestKernelLevel()), FiltersExact() ? "yes" : "NO");
  for (int k = 0; k < kEffectCount; ++k) {
    const std::string name = std::string("Filter/") + kEffectFilters[k].FilterName;
    benchmark::RegisterBenchmark((name + "/quendrix").c_str(), OursFilter, k);
    benchmark::RegisterBenchmark((name + "/quendrix_with_backup").c_str(), OursFilterWithBackup, k);
    benchmark::RegisterBenchmark((name + "/quendrix_avx2").c_str(), OursFilterAtLevel, k,
                                 KernelLevel::Avx2);
    benchmark::RegisterBenchmark((name + "/quendrix_sse2").c_str(), OursFilterAtLevel, k,
                                 KernelLevel::Sse2);
#ifdef QUENDRIX_HAVE_OPENCV
    benchmark::RegisterBenchmark((name + "/opencv").c_str(), CvFilter, k);
#endif
  }
  benchmark::RegisterBenchmark("TurnLeft/quendrix", OursPixels<TurnLeftPixels>, true);
  benchmark::RegisterBenchmark("TurnRight/quendrix", OursPixels<TurnRightPixels>, true);
  benchmark::RegisterBenchmark("Mirror/quendrix", OursPixels<MirrorPixels>, false);
  benchmark::RegisterBenchmark("MirrorVertical/quendrix", OursPixels<MirrorVerticalPixels>, false);
  benchmark::RegisterBenchmark("Brightness/quendrix", OursTable, false);
  benchmark::RegisterBenchmark("Contrast/quendrix", OursTable, true);
  benchmark::RegisterBenchmark("Brightness/quendrix_portable", OursTablePortable);
  benchmark::RegisterBenchmark("Crop/quendrix", OursCrop);
  benchmark::RegisterBenchmark("Crop/plain_rows", PlainCrop);
#ifdef QUENDRIX_HAVE_OPENCV
  benchmark::RegisterBenchmark("TurnLeft/opencv", CvRotate, int(cv::ROTATE_90_COUNTERCLOCKWISE));
  benchmark::RegisterBenchmark("TurnRight/opencv", CvRotate, int(cv::ROTATE_90_CLOCKWISE));
  benchmark::RegisterBenchmark("Mirror/opencv", CvFlip, 1);
  benchmark::RegisterBenchmark("MirrorVertical/opencv", CvFlip, 0);
  benchmark::RegisterBenchmark("Brightness/opencv", CvLut, false);
  benchmark::RegisterBenchmark("Contrast/opencv", CvLut, true);
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  FreeDib(g_src);
  return 0;
}
