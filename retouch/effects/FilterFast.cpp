#include "retouch/effects/FilterFast.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "platform/Progress.h"
#include "platform/RowPool.h"
#include "retouch/effects/FilterBorder.h"
#include "retouch/effects/FilterKernels.h"
#include "retouch/effects/FilterReference.h"

namespace {
typedef int16_t V8 __attribute__((vector_size(16)));
typedef uint8_t B8 __attribute__((vector_size(8)));
typedef int16_t V16 __attribute__((vector_size(32)));
typedef uint8_t B16 __attribute__((vector_size(16)));
typedef int16_t V32 __attribute__((vector_size(64)));
typedef uint8_t B32 __attribute__((vector_size(32)));

using RowFn = void (*)(const int16_t* const*, uint8_t*, int);
using WidenFn = void (*)(const uint8_t*, int16_t*, int);

template <int K>
void RowSse2(const int16_t* const* r, uint8_t* o, int n) {
  filterkernels::Row<K, V8, B8>(r, o, n);
}
template <int K>
__attribute__((target("avx2"))) void RowAvx2(const int16_t* const* r, uint8_t* o, int n) {
  filterkernels::Row<K, V16, B16>(r, o, n);
}
template <int K>
__attribute__((target("avx512f,avx512bw"))) void RowAvx512(const int16_t* const* r, uint8_t* o,
                                                           int n) {
  filterkernels::Row<K, V32, B32>(r, o, n);
}
void WidenSse2(const uint8_t* s, int16_t* d, int n) {
  filterkernels::Widen<V8, B8>(s, d, n);
}
__attribute__((target("avx2"))) void WidenAvx2(const uint8_t* s, int16_t* d, int n) {
  filterkernels::Widen<V16, B16>(s, d, n);
}
__attribute__((target("avx512f,avx512bw"))) void WidenAvx512(const uint8_t* s, int16_t* d, int n) {
  filterkernels::Widen<V32, B32>(s, d, n);
}

template <int... K>
constexpr std::array<std::array<RowFn, kEffectCount>, 3> MakeRows(
    std::integer_sequence<int, K...>) {
  return {{{&RowSse2<K>...}, {&RowAvx2<K>...}, {&RowAvx512<K>...}}};
}
constexpr auto kRows = MakeRows(std::make_integer_sequence<int, kEffectCount>{});
constexpr WidenFn kWiden[3] = {&WidenSse2, &WidenAvx2, &WidenAvx512};

// Extra lanes behind each widened row, so full-width loads at the row's end stay inside.
constexpr int kPadLanes = 64;
}  // namespace

bool KernelLevelSupported(KernelLevel level) {
  switch (level) {
    case KernelLevel::Sse2:
      return true;
    case KernelLevel::Avx2:
      return __builtin_cpu_supports("avx2");
    case KernelLevel::Avx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  }
  return false;
}

KernelLevel BestKernelLevel() {
  static const KernelLevel best = KernelLevelSupported(KernelLevel::Avx512) ? KernelLevel::Avx512
                                  : KernelLevelSupported(KernelLevel::Avx2) ? KernelLevel::Avx2
                                                                            : KernelLevel::Sse2;
  return best;
}

const char* KernelLevelName(KernelLevel level) {
  switch (level) {
    case KernelLevel::Sse2:
      return "sse2";
    case KernelLevel::Avx2:
      return "avx2";
    case KernelLevel::Avx512:
      return "avx512";
  }
  return "";
}

namespace {
// The plain loop on a full bordered copy, for filters without a kernel.
bool FilterByReference(Dib& dib, const EffectFilter& f, uint8_t* backup) {
  Dib work;
  if (!MakeBorderedCopy(dib, work)) return false;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  if (backup)
    for (int32_t y = 0; y < h; ++y)
      std::memcpy(backup + size_t(y) * size_t(w) * 3, DibRow(dib, y), size_t(w) * 3);
  FilterReference(work, f, dib);
  FreeDib(work);
  return true;
}

// Widens picture row `src` into `dst` with two replicated pixels on each side.
void WidenBordered(WidenFn widen, const uint8_t* src, int16_t* dst, int32_t w) {
  widen(src, dst + 6, w * 3);
  int16_t* last = dst + 6 + size_t(w - 1) * 3;
  for (int c = 0; c < 3; ++c) {
    dst[c] = dst[3 + c] = dst[6 + c];
    last[3 + c] = last[6 + c] = last[c];
  }
}
}  // namespace

bool FilterInPlace(Dib& dib, const EffectFilter& f, uint8_t* backup) {
  return FilterInPlace(dib, f, backup, BestKernelLevel());
}

bool FilterInPlace(Dib& dib, const EffectFilter& f, uint8_t* backup, KernelLevel level) {
  if (!dib.Bits || DibBitCount(dib) != 24) return false;
  const int k = TableIndexOf(f);
  if (k < 0 || !KernelLevelSupported(level)) return FilterByReference(dib, f, backup);
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  const RowFn row = kRows[size_t(level)][size_t(k)];
  const WidenFn widen = kWiden[size_t(level)];
  const size_t stride = size_t((w + 4) * 3 + kPadLanes);
  const size_t rowBytes = size_t(w) * 3;
  const int chunk = ChunkRows(h, 16);
  const int chunks = ChunkCount(h, chunk);
  // Each chunk of rows filters on its own: the two rows above and below it, which the
  // neighbouring chunks overwrite, are kept untouched beforehand (index: chunk * 4 + 0..3).
  const int workers = std::min(ThreadCount(), chunks);
  std::vector<int16_t> rings, edges;
  try {
    rings.assign(stride * 5 * size_t(workers), 0);
    if (workers > 1) edges.assign(stride * 4 * size_t(chunks), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int c = 1; c < chunks && !edges.empty(); ++c)
    for (int j = 0; j < 4; ++j) {
      const int32_t s = std::clamp(c * chunk - 2 + j, 0, h - 1);
      WidenBordered(widen, DibRow(dib, s), edges.data() + stride * size_t(c * 4 + j), w);
    }
  ForRowChunks(h, chunk, [&](const RowBand& band) {
    int16_t* ring = rings.data() + stride * 5 * size_t(band.worker);
    const int32_t first = band.begin, end = band.end;
    int32_t saved = first;  // source rows of this chunk copied to the backup so far
    // Working row r holds source row first + r - 2, limited to the picture (edge replication).
    auto load = [&](int32_t r) {
      const int32_t s = std::clamp(first + r - 2, 0, h - 1);
      int16_t* dst = ring + stride * size_t(r % 5);
      if (s < first || s >= end) {
        const int at =
            s < first ? first / chunk * 4 + (s - first + 2) : end / chunk * 4 + (s - end + 2);
        std::memcpy(dst, edges.data() + stride * size_t(at), stride * sizeof(int16_t));
        return;
      }
      WidenBordered(widen, DibRow(dib, s), dst, w);
      if (backup && s == saved)
        std::memcpy(backup + rowBytes * size_t(saved++), DibRow(dib, s), rowBytes);
    };
    const int16_t* rows[5];
    for (int32_t r = 0; r < 4; ++r) load(r);
    for (int32_t y = first; y < end; ++y) {
      ReportProgress(RowPercent(y, h));
      const int32_t r = y - first;
      load(r + 4);
      for (int j = 0; j < 5; ++j) rows[j] = ring + stride * size_t((r + j) % 5);
      row(rows, DibRow(dib, y), w * 3);
    }
  });
  return true;
}
