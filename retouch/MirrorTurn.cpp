#include "retouch/MirrorTurn.h"

#include <immintrin.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Progress.h"
#include "platform/RowPool.h"
#include "platform/dib/RowRelease.h"
#include "retouch/PictureCopy.h"

namespace {
// Side of the square tiles of a turn: a tile of source rows stays in the second-level cache.
constexpr int32_t kTile = 128;

bool Fits(const Dib& src, const Dib& dst, bool turned) {
  if (!src.Bits || !dst.Bits || DibBitCount(src) != DibBitCount(dst)) return false;
  const int32_t w = turned ? DibHeight(src) : DibWidth(src);
  const int32_t h = turned ? DibWidth(src) : DibHeight(src);
  return DibWidth(dst) == w && DibHeight(dst) == h;
}

// Turns the source rows from `top` to `end` (a multiple of the tile above `top`, or the height).
template <int Bytes>
void TurnTiled(const Dib& src, Dib& dst, bool left, int32_t top, int32_t end) {
  const int32_t w = DibWidth(src), h = DibHeight(src);
  // Source rows of the band in the order their pixels land in a result row.
  // Bands of source rows fill separate columns of the result, so they run on their own.
  ForRows(ChunkCount(end - top, kTile), 1, [&](const RowBand& band) {
    const uint8_t* rows[kTile];
    for (int32_t y0 = top + band.begin * kTile; y0 < end && y0 < top + band.end * kTile;
         y0 += kTile) {
      ReportProgress(RowPercent(y0, h));
      const int32_t y1 = std::min(end, y0 + kTile), n = y1 - y0;
      for (int32_t k = 0; k < n; ++k) rows[k] = DibRow(src, left ? y0 + k : y1 - 1 - k);
      const size_t first = size_t(left ? y0 : h - y1) * Bytes;
      for (int32_t x0 = 0; x0 < w; x0 += kTile) {
        const int32_t x1 = std::min(w, x0 + kTile);
        for (int32_t x = x0; x < x1; ++x) {
          uint8_t* d = DibRow(dst, left ? w - 1 - x : x) + first;
          const size_t from = size_t(x) * Bytes;
          int32_t k = 0;
          if (Bytes == 3 && x < w - 1) {
            // Four-byte moves: the extra byte read is the next pixel's, the extra byte written
            // is overwritten by the next move; the last pixel of the run moves three bytes.
            for (; k < n - 1; ++k, d += 3) {
              uint32_t v;
              std::memcpy(&v, rows[k] + from, 4);
              std::memcpy(d, &v, 4);
            }
          }
          for (; k < n; ++k, d += Bytes)
            for (int c = 0; c < Bytes; ++c) d[c] = rows[k][from + size_t(c)];
        }
      }
    }
  });
}

// Reverses the pixel order of a 24-bit row sixteen pixels (48 bytes) at a time.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void MirrorRow24Vbmi(const uint8_t* s,
                                                                            uint8_t* d, int32_t w) {
  alignas(64) uint8_t order[64] = {};
  for (int j = 0; j < 48; ++j) order[j] = uint8_t((15 - j / 3) * 3 + j % 3);
  const __m512i index = _mm512_load_si512(order);
  const __mmask64 bytes48 = (uint64_t(1) << 48) - 1;
  int32_t x = 0;
  for (; x + 16 <= w; x += 16) {
    const __m512i v = _mm512_maskz_loadu_epi8(bytes48, s + size_t(w - x - 16) * 3);
    _mm512_mask_storeu_epi8(d + size_t(x) * 3, bytes48, _mm512_permutex2var_epi8(v, index, v));
  }
  for (; x < w; ++x) std::memcpy(d + size_t(x) * 3, s + size_t(w - 1 - x) * 3, 3);
}

void MirrorRow24(const uint8_t* s, uint8_t* d, int32_t w) {
  const uint8_t* p = s + size_t(w - 1) * 3;
  for (int32_t x = 0; x < w; ++x, d += 3, p -= 3) d[0] = p[0], d[1] = p[1], d[2] = p[2];
}

bool HasVbmi() {
  static const bool has =
      __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
  return has;
}

void TurnByPixel(const Dib& src, Dib& dst, bool left, int32_t top, int32_t end) {
  const int32_t w = DibWidth(src), h = DibHeight(src);
  for (int32_t y = top; y < end; ++y) {
    ReportProgress(RowPercent(y, h));
    for (int32_t x = 0; x < w; ++x) {
      if (left)
        SetDibPixel(dst, y, w - 1 - x, GetDibPixel(src, x, y));
      else
        SetDibPixel(dst, h - 1 - y, x, GetDibPixel(src, x, y));
    }
  }
}

void TurnRows(const Dib& src, Dib& dst, bool left, int32_t top, int32_t end) {
  switch (DibBitCount(src)) {
    case 24:
      TurnTiled<3>(src, dst, left, top, end);
      break;
    case 8:
      TurnTiled<1>(src, dst, left, top, end);
      break;
    default:
      TurnByPixel(src, dst, left, top, end);
      break;
  }
}

void Turn(const Dib& src, Dib& dst, bool left) {
  if (Fits(src, dst, true)) TurnRows(src, dst, left, 0, DibHeight(src));
}

// Rows turned before their memory is given back: many tiles, so that every core has work.
constexpr int32_t kGiveBackRows = 4 * kTile;

void TurnGivingBack(const Dib& src, Dib& dst, bool left) {
  if (!Fits(src, dst, true)) return;
  RowRelease release(src);
  for (int32_t top = 0; top < DibHeight(src); top += kGiveBackRows) {
    const int32_t end = std::min(DibHeight(src), top + kGiveBackRows);
    TurnRows(src, dst, left, top, end);
    release.usedTo(end);
  }
}
void TurnLeftGivingBack(const Dib& src, Dib& dst) {
  TurnGivingBack(src, dst, true);
}
void TurnRightGivingBack(const Dib& src, Dib& dst) {
  TurnGivingBack(src, dst, false);
}

bool Replace(Dib& dib, bool turned, void (*fill)(const Dib&, Dib&)) {
  RowProgress progress(DibHeight(dib));
  if (!dib.Bits) return false;
  Dib result;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  NewDibLike(dib, turned ? h : w, turned ? w : h, result);
  if (!result.Bits) return false;
  KeepResolution(dib, result, turned);
  fill(dib, result);
  ReplaceDib(dib, result);
  return true;
}
}  // namespace

void MirrorPixels(const Dib& src, Dib& dst) {
  if (!Fits(src, dst, false)) return;
  const int32_t w = DibWidth(src), h = DibHeight(src);
  const int bpp = DibBitCount(src);
  const bool vbmi = HasVbmi();
  ForRows(h, 16, [&](const RowBand& band) {
    for (int32_t y = band.begin; y < band.end; ++y) {
      ReportProgress(RowPercent(y, h));
      const uint8_t* s = DibRow(src, y);
      uint8_t* d = DibRow(dst, y);
      if (bpp == 24) {
        if (vbmi)
          MirrorRow24Vbmi(s, d, w);
        else
          MirrorRow24(s, d, w);
      } else if (bpp == 8) {
        for (int32_t x = 0; x < w; ++x) d[x] = s[w - 1 - x];
      } else {
        for (int32_t x = 0; x < w; ++x) SetDibPixel(dst, x, y, GetDibPixel(src, w - 1 - x, y));
      }
    }
  });
}

void MirrorVerticalPixels(const Dib& src, Dib& dst) {
  if (!Fits(src, dst, false)) return;
  const int32_t h = DibHeight(src);
  ForRows(h, 64, [&](const RowBand& band) {
    for (int32_t r = band.begin; r < band.end; ++r) {
      ReportProgress(RowPercent(r, h));
      std::memcpy(dst.Bits + size_t(h - 1 - r) * size_t(dst.BytesPerLine),
                  src.Bits + size_t(r) * size_t(src.BytesPerLine), size_t(src.BytesPerLine));
    }
  });
}

void TurnLeftPixels(const Dib& src, Dib& dst) {
  Turn(src, dst, true);
}
void TurnRightPixels(const Dib& src, Dib& dst) {
  Turn(src, dst, false);
}

namespace {
// Mirrors 8- and 24-bit pictures where they are, with the padding and header a new picture
// would have; false for other depths.
bool MirrorInPlace(Dib& dib, bool vertical) {
  const int bpp = DibBitCount(dib);
  if (!dib.Bits || (bpp != 8 && bpp != 24)) return false;
  // The header, colour table and palette a new picture of this size would get.
  Dib like;
  NewDibLike(dib, 1, 1, like);
  if (!like.Bits) return false;
  const BITMAPINFOHEADER old = dib.Info->bmiHeader;
  std::memcpy(dib.Info, like.Info, sizeof(BITMAPINFO));
  BITMAPINFOHEADER& header = dib.Info->bmiHeader;
  header.biWidth = old.biWidth, header.biHeight = old.biHeight;
  header.biSizeImage = old.biSizeImage;
  header.biXPelsPerMeter = old.biXPelsPerMeter, header.biYPelsPerMeter = old.biYPelsPerMeter;
  dib.LogPal = like.LogPal;
  dib.HasPalette = like.HasPalette;
  FreeDib(like);
  if (dib.HasPalette) RecreatePalette(dib);
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  const size_t used = size_t(w) * size_t(bpp / 8), stride = size_t(dib.BytesPerLine);
  RowProgress progress(h);
  if (vertical) {
    std::vector<uint8_t> row(stride);
    for (int32_t y = 0; y < h / 2; ++y) {
      progress.row(y);
      uint8_t *a = dib.Bits + size_t(y) * stride, *b = dib.Bits + size_t(h - 1 - y) * stride;
      std::memcpy(row.data(), a, stride);
      std::memcpy(a, b, stride);
      std::memcpy(b, row.data(), stride);
    }
  }
  const bool vbmi = HasVbmi();
  ForRows(h, 16, [&](const RowBand& band) {
    std::vector<uint8_t> mirrored(vertical || bpp == 8 ? 0 : used);  // a row, mirrored at speed
    for (int32_t y = band.begin; y < band.end; ++y) {
      uint8_t* p = dib.Bits + size_t(y) * stride;
      if (!vertical) {
        progress.row(y);
        if (bpp == 8) {
          std::reverse(p, p + w);
        } else {
          (vbmi ? MirrorRow24Vbmi : MirrorRow24)(p, mirrored.data(), w);
          std::memcpy(p, mirrored.data(), used);
        }
      }
      std::memset(p + used, 0, stride - used);
    }
  });
  return true;
}
}  // namespace

bool MirrorDib(Dib& dib) {
  return MirrorInPlace(dib, false) || Replace(dib, false, MirrorPixels);
}
bool MirrorDibVertical(Dib& dib) {
  return MirrorInPlace(dib, true) || Replace(dib, false, MirrorVerticalPixels);
}

bool TurnDibLeft(Dib& dib, PictureSelection sel, OldPixels old) {
  if (!Replace(dib, true, old == OldPixels::GivenBack ? TurnLeftGivingBack : TurnLeftPixels))
    return false;
  sel.set(0, 0, DibWidth(dib), DibHeight(dib));
  return true;
}

bool TurnDibRight(Dib& dib, PictureSelection sel, OldPixels old) {
  if (!Replace(dib, true, old == OldPixels::GivenBack ? TurnRightGivingBack : TurnRightPixels))
    return false;
  sel.set(0, 0, DibWidth(dib), DibHeight(dib));
  return true;
}
