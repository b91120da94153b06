#pragma once
// One output row of a table filter on 16-bit lanes. Every weighted sum of the table fits in
// 16 bits (at most 98 x 255 = 24990 in size), so lane arithmetic is exact; division by the
// constant divisor is the language's truncating division, which the compiler turns into a
// multiply-high sequence. Compiled once per instruction set by FilterFast.cpp.
#include <cstdint>
#include <cstring>
#include <utility>

#include "retouch/effects/EffectFilters.h"

namespace filterkernels {

template <int K, class V, int T>
[[gnu::always_inline]] inline void AddTap(V& acc, const int16_t* const* rows, int p) {
  constexpr int w = kEffectFilters[K].Matrix[T / 5][T % 5];
  if constexpr (w != 0) {
    V v;
    std::memcpy(&v, rows[T / 5] + p + 3 * (T % 5), sizeof v);
    if constexpr (w == 1)
      acc += v;
    else if constexpr (w == -1)
      acc -= v;
    else
      acc += v * int16_t(w);
  }
}

template <int K, class V, int... T>
[[gnu::always_inline]] inline void Sum(V& acc, const int16_t* const* rows, int p,
                                       std::integer_sequence<int, T...>) {
  (AddTap<K, V, T>(acc, rows, p), ...);
}

// Divides, adds the bias, clamps to 0 ... 255 and stores the lanes as bytes.
template <int K, class V, class B>
[[gnu::always_inline]] inline void Finish(V& acc, uint8_t* out) {
  constexpr int d = kEffectFilters[K].Divisor;
  constexpr int bias = kEffectFilters[K].Bias;
  if constexpr (d != 1) acc = acc / int16_t(d);
  if constexpr (bias != 0) acc += int16_t(bias);
  V below = acc < int16_t(0);
  acc &= ~below;
  V above = acc > int16_t(255);
  acc = (acc & ~above) | (above & int16_t(255));
  B bytes = __builtin_convertvector(acc, B);
  std::memcpy(out, &bytes, sizeof bytes);
}

// rows: the five working rows (as 16-bit lanes, padded by 64 lanes) around output row `out`.
template <int K, class V, class B>
[[gnu::always_inline]] inline void Row(const int16_t* const* rows, uint8_t* out, int n) {
  constexpr int lanes = int(sizeof(V) / sizeof(int16_t));
  int p = 0;
  for (; p + lanes <= n; p += lanes) {
    V acc = {};
    Sum<K, V>(acc, rows, p, std::make_integer_sequence<int, 25>{});
    Finish<K, V, B>(acc, out + p);
  }
  if (p < n) {
    V acc = {};
    Sum<K, V>(acc, rows, p, std::make_integer_sequence<int, 25>{});
    uint8_t tail[sizeof(B)];
    Finish<K, V, B>(acc, tail);
    std::memcpy(out + p, tail, size_t(n - p));
  }
}

// Widens one working row of bytes to 16-bit lanes.
template <class V, class B>
[[gnu::always_inline]] inline void Widen(const uint8_t* src, int16_t* dst, int n) {
  constexpr int lanes = int(sizeof(V) / sizeof(int16_t));
  int p = 0;
  for (; p + lanes <= n; p += lanes) {
    B b;
    std::memcpy(&b, src + p, sizeof b);
    V v = __builtin_convertvector(b, V);
    std::memcpy(dst + p, &v, sizeof v);
  }
  for (; p < n; ++p) dst[p] = src[p];
}

}  // namespace filterkernels
