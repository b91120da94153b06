#include "platform/device/views/DibImage.h"

#include <algorithm>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif
#include <bit>
#include <cstring>

namespace {
// Converts the first pixels of a run of n blue-green-red pixels and returns how many it did;
// it never reads past the run.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("ssse3"))) int Bgr24ToRgb32Ssse3(const uint8_t* p, int n, uint32_t* out) {
  const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
  int i = 0;
  for (; i + 6 <= n; i += 4) {  // a 16-byte load covers 5 1/3 pixels
    const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                     _mm_or_si128(_mm_shuffle_epi8(in, order), alpha));
  }
  return i;
}
#endif

int Bgr24ToRgb32(const uint8_t* p, int n, uint32_t* out) {
#if defined(__x86_64__) || defined(__i386__)
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (ssse3) return Bgr24ToRgb32Ssse3(p, n, out);
#endif
  int i = 0;
  // Blue, green, red and the next pixel's blue read as one little-endian word is 0x??RRGGBB.
  for (; std::endian::native == std::endian::little && i + 1 < n; ++i, p += 3) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    out[i] = 0xFF000000u | v;
  }
  return i;
}
}  // namespace

bool DibReadable(const uint8_t* bits, const BITMAPINFO* info) {
  if (!bits || !info) return false;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  return h.biCompression == 0 && h.biHeight > 0 && DibStride(h.biWidth, h.biBitCount) > 0;
}

QVector<QRgb> DibColorTable(const BITMAPINFO* info) {
  QVector<QRgb> table(256, qRgb(0, 0, 0));
  const int bits = info->bmiHeader.biBitCount;
  int n = PaletteEntryCount(bits);
  const uint32_t used = info->bmiHeader.biClrUsed;
  if (used > 0 && used < uint32_t(n)) n = int(used);
  for (int i = 0; i < n; ++i) {
    const RGBQUAD& q = info->bmiColors[i];
    table[i] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }
  return table;
}

void DibRowToRgb32(const uint8_t* row, const BITMAPINFO* info, const QRgb* table, int x0, int count,
                   uint32_t* out) {
  const int width = info->bmiHeader.biWidth;
  const int bits = info->bmiHeader.biBitCount;
  int i = 0;
  for (; i < count && x0 + i < 0; ++i) out[i] = 0xFF000000u;
  const int end = std::min(count, width - x0);
  switch (bits) {
    case 24: {
      const uint8_t* p = row + 3 * (x0 + i);
      const int done = Bgr24ToRgb32(p, end - i, out + i);
      i += done;
      p += 3 * done;
      for (; i < end; ++i, p += 3)
        out[i] = 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
      break;
    }
    case 8:
      for (; i < end; ++i) out[i] = table[row[x0 + i]];
      break;
    case 4:
      for (; i < end; ++i) {
        const int x = x0 + i;
        out[i] = table[(x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4];
      }
      break;
    default:
      for (; i < end; ++i) {
        const int x = x0 + i;
        out[i] = table[(row[x >> 3] >> (7 - (x & 7))) & 1];
      }
  }
  for (; i < count; ++i) out[i] = 0xFF000000u;
}

QImage DibRegionToImage(const uint8_t* bits, const BITMAPINFO* info, int x0, int y0, int w, int h,
                        int startScan, int lines) {
  if (!DibSizeAllowed(w, h, 24)) return {};
  QImage image(w, h, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const QVector<QRgb> table = DibColorTable(info);
  const int stride = DibStride(info->bmiHeader.biWidth, info->bmiHeader.biBitCount);
  for (int r = 0; r < h; ++r) {
    const int scan = y0 + (h - 1 - r);
    auto* out = reinterpret_cast<uint32_t*>(image.scanLine(r));
    if (scan < startScan || scan >= startScan + lines || scan >= info->bmiHeader.biHeight) {
      std::fill(out, out + w, 0xFF000000u);
      continue;
    }
    DibRowToRgb32(bits + int64_t(scan - startScan) * stride, info, table.constData(), x0, w, out);
  }
  return image;
}
