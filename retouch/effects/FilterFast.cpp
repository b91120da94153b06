#include "retouch/effects/FilterFast.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "platform/Progress.h"
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
  std::vector<int16_t> ring;
  try {
    ring.assign(stride * 5, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const size_t rowBytes = size_t(w) * 3;
  int32_t saved = 0;  // source rows copied to the backup so far
  // Working row r holds source row r - 2, limited to the picture (edge replication).
  auto load = [&](int32_t r) {
    const int32_t s = std::clamp(r - 2, 0, h - 1);
    WidenBordered(widen, DibRow(dib, s), ring.data() + stride * size_t(r % 5), w);
    if (backup && s == saved)
      std::memcpy(backup + rowBytes * size_t(saved++), DibRow(dib, s), rowBytes);
  };
  const int16_t* rows[5];
  for (int32_t r = 0; r < 4; ++r) load(r);
  for (int32_t y = 0; y < h; ++y) {
    ReportProgress(RowPercent(y, h));
    load(y + 4);
    for (int j = 0; j < 5; ++j) rows[j] = ring.data() + stride * size_t((y + j) % 5);
    row(rows, DibRow(dib, y), w * 3);
  }
  return true;
}
