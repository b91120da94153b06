#include "platform/views/DibImage.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

void DibRowToRgb32(const uint8_t* row, const BITMAPINFO* info, const QRgb* table, int x0,
                   int count, uint32_t* out) {
  const int width = info->bmiHeader.biWidth;
  const int bits = info->bmiHeader.biBitCount;
  int i = 0;
  for (; i < count && x0 + i < 0; ++i) out[i] = 0xFF000000u;
  const int end = std::min(count, width - x0);
  switch (bits) {
    case 24: {
      // Blue, green, red and one more byte read as one little-endian word is 0x??RRGGBB; the
      // last pixel is read bytewise so that nothing past the row is touched.
      const uint8_t* p = row + 3 * (x0 + i);
      for (; std::endian::native == std::endian::little && i + 1 < end; ++i, p += 3) {
        uint32_t v;
        std::memcpy(&v, p, 4);
        out[i] = 0xFF000000u | v;
      }
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

QImage DibRegionToImage(const uint8_t* bits, const BITMAPINFO* info, int x0, int y0, int w,
                        int h, int startScan, int lines) {
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
