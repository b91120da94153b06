#include "platform/dib/Halftone.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "platform/Progress.h"
#include "platform/RowPool.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/DibRows.h"

namespace {
constexpr int kRedLevels = 6, kGreenLevels = 7, kBlueLevels = 6;
constexpr int kCube = kRedLevels * kGreenLevels * kBlueLevels;  // 252
constexpr uint8_t kGreys[4] = {51, 102, 153, 204};

inline uint8_t Level(int index, int levels) {
  return uint8_t((index * 255 + (levels - 1) / 2) / (levels - 1));
}
inline int NearestLevel(int v, int levels) {
  return (v * (levels - 1) + 127) / 255;
}

void SetHalftonePalette(Dib& dib) {
  for (int r = 0; r < kRedLevels; ++r)
    for (int g = 0; g < kGreenLevels; ++g)
      for (int b = 0; b < kBlueLevels; ++b)
        SetDibColor(dib, (r * kGreenLevels + g) * kBlueLevels + b, Level(r, kRedLevels),
                    Level(g, kGreenLevels), Level(b, kBlueLevels), false);
  for (int i = 0; i < 4; ++i) SetDibColor(dib, kCube + i, kGreys[i], kGreys[i], kGreys[i], false);
  RecreatePalette(dib);
}

inline int Dist(int r, int g, int b, int pr, int pg, int pb) {
  return 3 * (r - pr) * (r - pr) + 4 * (g - pg) * (g - pg) + 2 * (b - pb) * (b - pb);
}

// The nearest palette entry: the cube's nearest corner, or one of the greys when closer.
int Nearest(int r, int g, int b) {
  const int ri = NearestLevel(r, kRedLevels), gi = NearestLevel(g, kGreenLevels),
            bi = NearestLevel(b, kBlueLevels);
  int best = (ri * kGreenLevels + gi) * kBlueLevels + bi;
  int bestDist =
      Dist(r, g, b, Level(ri, kRedLevels), Level(gi, kGreenLevels), Level(bi, kBlueLevels));
  for (int i = 0; i < 4; ++i) {
    const int d = Dist(r, g, b, kGreys[i], kGreys[i], kGreys[i]);
    if (d < bestDist) bestDist = d, best = kCube + i;
  }
  return best;
}

// Error diffusion (7, 3, 5, 1 sixteenths). Rows run on several threads as a wavefront: a row's
// pixel x waits until the row above has finished pixel x + 1, the last one that sends it error.
// Each row's error from above sums in its own line of a ring; the error from the left pixel is
// carried on its own. Sums are the same in any order, so the result never depends on the threads.
void Diffuse(const Dib& src, Dib& out) {
  const int32_t w = DibWidth(src), h = DibHeight(src);
  const int threads = std::min(ThreadCount(), int(h));
  const size_t ringRows = size_t(threads) + 2, line = size_t(w + 2) * 3;
  std::vector<int> below(line * ringRows, 0);
  std::unique_ptr<std::atomic<int32_t>[]> done(new std::atomic<int32_t>[size_t(h)]);
  for (int32_t y = 0; y < h; ++y) done[size_t(y)].store(0, std::memory_order_relaxed);
  const RGBQUAD* pal = out.Info->bmiColors;
  constexpr int32_t kStep = 64;  // pixels between two notes of a row's progress
  RowProgress progress(h);
  ForRowChunks(h, 1, [&](const RowBand& band) {
    for (int32_t y = band.begin; y < band.end; ++y) {
      progress.row(y);
      const uint8_t* s = DibRow(src, y);
      uint8_t* d = DibRow(out, y);
      const int* cur = below.data() + line * (size_t(y) % ringRows);
      int* next = below.data() + line * (size_t(y + 1) % ringRows);
      std::fill(next, next + line, 0);
      int carry[3] = {0, 0, 0};
      int32_t ready = y == 0 ? w : 0;  // pixels the row above has finished
      for (int32_t x = 0; x < w; ++x) {
        if (x % kStep == 0 && y > 0) {
          if (x > 0) done[size_t(y)].store(x, std::memory_order_release);
          const int32_t need = std::min(w, x + kStep + 1);
          while (ready < need) {
            ready = done[size_t(y - 1)].load(std::memory_order_acquire);
            if (ready < need) std::this_thread::yield();
          }
        } else if (x % kStep == 0 && x > 0) {
          done[size_t(y)].store(x, std::memory_order_release);
        }
        const int* e = cur + size_t(x + 1) * 3;
        const int r = std::clamp(s[3 * x + 2] + (e[0] + carry[0] + 8) / 16, 0, 255);
        const int g = std::clamp(s[3 * x + 1] + (e[1] + carry[1] + 8) / 16, 0, 255);
        const int b = std::clamp(s[3 * x] + (e[2] + carry[2] + 8) / 16, 0, 255);
        const int idx = Nearest(r, g, b);
        d[x] = uint8_t(idx);
        const int err[3] = {r - pal[idx].rgbRed, g - pal[idx].rgbGreen, b - pal[idx].rgbBlue};
        for (int k = 0; k < 3; ++k) {
          carry[k] = err[k] * 7;
          next[size_t(x) * 3 + size_t(k)] += err[k] * 3;
          next[size_t(x + 1) * 3 + size_t(k)] += err[k] * 5;
          next[size_t(x + 2) * 3 + size_t(k)] += err[k];
        }
      }
      done[size_t(y)].store(w, std::memory_order_release);
    }
  });
}

// For each destination position, the covered source positions and their coverage (sums to 65536).
struct Span {
  int32_t first = 0;
  std::vector<uint32_t> weights;
};

std::vector<Span> AreaSpans(int32_t srcSize, int32_t dstSize) {
  std::vector<Span> spans(static_cast<size_t>(dstSize));
  for (int32_t i = 0; i < dstSize; ++i) {
    // The interval [i, i+1) of the destination in source units, scaled by dstSize.
    const int64_t lo = int64_t(i) * srcSize, hi = int64_t(i + 1) * srcSize;
    Span& s = spans[size_t(i)];
    s.first = int32_t(lo / dstSize);
    const int32_t last = int32_t(std::min<int64_t>((hi - 1) / dstSize, srcSize - 1));
    uint32_t total = 0;
    for (int32_t p = s.first; p <= last; ++p) {
      const int64_t a = std::max<int64_t>(lo, int64_t(p) * dstSize),
                    b = std::min<int64_t>(hi, int64_t(p + 1) * dstSize);
      const uint32_t wgt = uint32_t((b - a) * 65536 / srcSize);
      s.weights.push_back(wgt);
      total += wgt;
    }
    if (!s.weights.empty()) s.weights.back() += 65536 - total;
  }
  return spans;
}
}  // namespace

void ResampleRowRange24(int32_t srcWidth, int32_t srcHeight,
                        const std::function<const uint8_t*(int32_t y)>& row, int32_t width,
                        int32_t height, int32_t first, int32_t count,
                        const std::function<void(int32_t y, const uint8_t*)>& put) {
  const std::vector<Span> xs = AreaSpans(srcWidth, width), ys = AreaSpans(srcHeight, height);
  const size_t accSize = size_t(width) * 3;
  std::vector<uint32_t> acc(accSize);
  std::vector<uint8_t> d(accSize);
  for (int32_t y = first; y < first + count; ++y) {
    std::fill(acc.begin(), acc.end(), 0);
    const Span& vy = ys[size_t(y)];
    for (size_t k = 0; k < vy.weights.size(); ++k) {
      const uint8_t* s = row(vy.first + int32_t(k));
      for (int32_t x = 0; x < width; ++x) {
        const Span& hx = xs[size_t(x)];
        uint32_t c[3] = {0, 0, 0};
        const uint8_t* p = s + size_t(hx.first) * 3;
        for (uint32_t wgt : hx.weights)
          c[0] += p[0] * wgt, c[1] += p[1] * wgt, c[2] += p[2] * wgt, p += 3;
        for (int j = 0; j < 3; ++j)
          acc[size_t(x) * 3 + size_t(j)] +=
              uint32_t((uint64_t((c[j] + 128) >> 8) * vy.weights[k]) >> 8);
      }
    }
    for (size_t i = 0; i < accSize; ++i)
      d[i] = uint8_t(std::min<uint32_t>((acc[i] + 32768) >> 16, 255));
    put(y, d.data());
  }
}

void ResampleRows24(int32_t srcWidth, int32_t srcHeight,
                    const std::function<const uint8_t*(int32_t y)>& row, int32_t width,
                    int32_t height, const std::function<void(int32_t y, const uint8_t*)>& put) {
  ForRows(height, 8, [&](const RowBand& band) {
    ResampleRowRange24(srcWidth, srcHeight, row, width, height, band.begin, band.end - band.begin,
                       put);
  });
}

void ResampleDib24(Dib& out, const Dib& src, int32_t width, int32_t height) {
  out = Dib{};
  if (!src.Bits || !DibSizeAllowed(width, height, 24)) return;
  Dib expanded;
  const bool own = DibBitCount(src) == 24;  // read as it is, never copied
  if (!own && !ExpandTo24Bits(src, expanded)) return;
  const Dib& from = own ? src : expanded;
  NewDib(out, width, height, 24, nullptr, 0);
  if (!out.Bits) return FreeDib(expanded);
  try {
    ResampleRows24(
        DibWidth(from), DibHeight(from), [&from](int32_t y) { return DibRow(from, y); }, width,
        height,
        [&out, width](int32_t y, const uint8_t* row) {
          std::copy(row, row + size_t(width) * 3, DibRow(out, y));
        });
  } catch (const std::bad_alloc&) {
    FreeDib(out);
  }
  FreeDib(expanded);
}

void HalftoneDib(Dib& out, const Dib& src) {
  out = Dib{};
  if (!src.Bits) return;
  Dib expanded;
  if (!ExpandTo24Bits(src, expanded)) return;
  NewDib(out, DibWidth(expanded), DibHeight(expanded), 8, nullptr, 0);
  if (out.Bits) {
    SetHalftonePalette(out);
    try {
      Diffuse(expanded, out);
    } catch (const std::bad_alloc&) {
      FreeDib(out);
    }
  }
  FreeDib(expanded);
}

void HalftoneDibToSize(Dib& out, const Dib& src, int32_t width, int32_t height) {
  out = Dib{};
  Dib resized;
  ResampleDib24(resized, src, width, height);
  if (!resized.Bits) return;
  HalftoneDib(out, resized);
  FreeDib(resized);
}
