#include <cstring>
#include <vector>

#include "picture/DrawDib.h"

namespace {
// Gathers the source pixels of columns first..last into consecutive pixels at `out`.
template <int B>
void CopyColumns(const uint8_t* src, const int32_t* offsets, int32_t first, int32_t last,
                 int64_t rowBytes, uint8_t* out) {
  if constexpr (B == 1) {
    for (int32_t i = first; i <= last; ++i) *out++ = src[offsets[i]];
  } else {
    // Four bytes at a time while a fourth byte exists in both rows (it is overwritten by the
    // next pixel); the rest bytewise, so nothing past either row is touched.
    int32_t fast = last;
    while (fast > first && offsets[fast - 1] + 4 > rowBytes) --fast;
    int32_t i = first;
    for (; i < fast; ++i, out += 3) std::memcpy(out, src + offsets[i], 4);
    for (; i <= last; ++i, out += 3) std::memcpy(out, src + offsets[i], 3);
  }
}

template <int B>
void StretchRows(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const TDib& pic,
                 int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (!pic.Bits || !pic.Info || destW <= 0 || destH <= 0 || srcW <= 0 || srcH <= 0) return;
  TDib scratch;
  newdib(scratch, destW, 1, B * 8, B == 1 ? pic.Info : nullptr, B == 1 ? 256 : 0);
  if (!scratch.Bits) return;  // no room for the row: nothing is drawn

  // Column table: byte offset of each destination column's source pixel in a source row.
  std::vector<int32_t> offsets(static_cast<size_t>(destW), 0);
  const int64_t rowBytes = int64_t(DibWidth(pic)) * B;
  int32_t first = -1, last = -1;
  for (int32_t i = 0; i < destW; ++i) {
    const int64_t off = (int64_t(srcX) + int64_t(srcW) * i / destW) * B;
    if (off < 0 || off >= rowBytes) continue;
    offsets[size_t(i)] = static_cast<int32_t>(off);
    if (first < 0) first = i;
    last = i;
  }

  const int64_t height = DibHeight(pic);
  const int64_t lastRow = (height - 1) * pic.BytesPerLine;
  int64_t previous = -1;
  for (int32_t r = 0; r < destH; ++r) {
    const int64_t rowOffset = (height - srcTop - int64_t(srcH) * r / destH - 1) * pic.BytesPerLine;
    if (rowOffset < 0 || rowOffset > lastRow) {
      std::memset(scratch.Bits, 0, size_t(scratch.BytesPerLine));
      previous = -1;  // the scratch row no longer holds a source row
    } else if (rowOffset != previous) {
      const uint8_t* src = pic.Bits + rowOffset;
      uint8_t* out = scratch.Bits + int64_t(first) * B;
      if (first >= 0) CopyColumns<B>(src, offsets.data(), first, last, rowBytes, out);
      previous = rowOffset;
    }
    dc.SetDIBitsToDevice(x, y + r, destW, 1, 0, 0, 0, 1, scratch.Bits, scratch.Info);
  }
  deldib(scratch);
}
}  // namespace

void StretchDibRows24(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH,
                      const TDib& pic, int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (DibBitCount(pic) != 24) return;
  StretchRows<3>(dc, x, y, destW, destH, pic, srcX, srcTop, srcW, srcH);
}

void StretchDibRows8(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH,
                     const TDib& pic, int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (DibBitCount(pic) != 8) return;
  StretchRows<1>(dc, x, y, destW, destH, pic, srcX, srcTop, srcW, srcH);
}
