#include "retouch/ByteTable.h"

#include <immintrin.h>

#include <cstring>

void MapBytesPortable(const uint8_t* src, uint8_t* dst, size_t n, const uint8_t table[256]) {
  // A local copy of the table cannot be reached through dst, so lookups need no reloads.
  uint8_t t[256];
  std::memcpy(t, table, sizeof t);
  size_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const uint8_t a = t[src[i]], b = t[src[i + 1]], c = t[src[i + 2]], d = t[src[i + 3]];
    dst[i] = a, dst[i + 1] = b, dst[i + 2] = c, dst[i + 3] = d;
  }
  for (; i < n; ++i) dst[i] = t[src[i]];
}

namespace {

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void MapVbmi(const uint8_t* src,
                                                                    uint8_t* dst, size_t n,
                                                                    const uint8_t* table) {
  const __m512i t0 = _mm512_loadu_si512(table), t1 = _mm512_loadu_si512(table + 64);
  const __m512i t2 = _mm512_loadu_si512(table + 128), t3 = _mm512_loadu_si512(table + 192);
  size_t i = 0;
  while (i < n) {
    const __mmask64 k = n - i >= 64 ? ~uint64_t(0) : (uint64_t(1) << (n - i)) - 1;
    const __m512i x = _mm512_maskz_loadu_epi8(k, src + i);
    const __m512i low = _mm512_permutex2var_epi8(t0, x, t1);
    const __m512i high = _mm512_permutex2var_epi8(t2, x, t3);
    _mm512_mask_storeu_epi8(dst + i, k, _mm512_mask_blend_epi8(_mm512_movepi8_mask(x), low, high));
    i += 64;
  }
}

bool HasVbmi() {
  static const bool has =
      __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
  return has;
}
}  // namespace

void MapBytes(const uint8_t* src, uint8_t* dst, size_t n, const uint8_t table[256]) {
  if (HasVbmi())
    MapVbmi(src, dst, n, table);
  else
    MapBytesPortable(src, dst, n, table);
}
