#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <vector>

#include "picture/DrawDib.h"
#include "platform/RowPool.h"

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

// Widest destination drawn; wider rows are split into scratch pictures of at most
// kMaxDibSide pixels, together one destination row.
constexpr int32_t kMaxDestWidth = 1 << 24;
// Bytes of destination rows gathered over the cores before they are sent, and the fewest rows
// a thread gathers at a time.
constexpr size_t kBlockBytes = size_t(4) << 20;
constexpr int32_t kMinBlockRows = 16;
// Rows a thread writes straight at a time: a screenful takes a millisecond and waits on memory, so
// short chunks keep every core at work until the last row.
constexpr int32_t kDirectChunkRows = 32;

struct ScratchRows {
  std::vector<Dib> parts;
  ~ScratchRows() {
    for (Dib& d : parts) FreeDib(d);
  }
};

template <int B>
void StretchRows(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
                 int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (!pic.Bits || !pic.Info || destW <= 0 || destH <= 0 || srcW <= 0 || srcH <= 0) return;
  if (destW > kMaxDestWidth) return;
  ScratchRows scratch;
  std::vector<int32_t> offsets;
  try {
    scratch.parts.resize(size_t((destW + kMaxDibSide - 1) / kMaxDibSide));
    offsets.assign(size_t(destW), 0);
  } catch (const std::bad_alloc&) {
    return;
  }
  for (size_t c = 0; c < scratch.parts.size(); ++c) {
    const int32_t w = std::min<int32_t>(kMaxDibSide, destW - int32_t(c) * kMaxDibSide);
    NewDib(scratch.parts[c], w, 1, B * 8, B == 1 ? pic.Info : nullptr, B == 1 ? 256 : 0);
    if (!scratch.parts[c].Bits) return;  // no room for the row: nothing is drawn
  }

  // Column table: byte offset of each destination column's source pixel in a source row.
  const int64_t rowBytes = int64_t(DibWidth(pic)) * B;
  int32_t first = -1, last = -1;
  for (int32_t i = 0; i < destW; ++i) {
    const int64_t off = (int64_t(srcX) + int64_t(srcW) * i / destW) * B;
    if (off < 0 || off >= rowBytes) continue;
    offsets[size_t(i)] = static_cast<int32_t>(off);
    if (first < 0) first = i;
    last = i;
  }

  // Only rows and columns the device can show are built and sent.
  const RECT clip = dc.GetClipBox();
  const int32_t rowFrom = int32_t(std::max<int64_t>(0, int64_t(clip.top) - y));
  const int32_t rowTo = int32_t(std::min<int64_t>(destH, int64_t(clip.bottom) - y));
  const int32_t colFrom = int32_t(std::max<int64_t>(0, int64_t(clip.left) - x));
  const int32_t colTo = int32_t(std::min<int64_t>(destW, int64_t(clip.right) - x)) - 1;

  const int64_t height = DibHeight(pic);
  const int64_t lastRow = (height - 1) * pic.BytesPerLine;
  // The byte offset of destination row r's source row; -1 outside the picture.
  auto sourceRow = [&](int32_t r) {
    const int64_t rowOffset = (height - srcTop - int64_t(srcH) * r / destH - 1) * pic.BytesPerLine;
    return rowOffset < 0 || rowOffset > lastRow ? -1 : rowOffset;
  };
  auto shown = [&](size_t c) {
    const int32_t c0 = int32_t(c) * kMaxDibSide, c1 = c0 + DibWidth(scratch.parts[c]) - 1;
    return c1 >= colFrom && c0 <= colTo;
  };
  // Fills part c of a destination row at `line` from the source row at `rowOffset`.
  auto gather = [&](int64_t rowOffset, size_t c, uint8_t* line) {
    const int32_t c0 = int32_t(c) * kMaxDibSide, c1 = c0 + DibWidth(scratch.parts[c]) - 1;
    if (rowOffset < 0) return std::memset(line, 0, size_t(scratch.parts[c].BytesPerLine)), void();
    const int32_t from = std::max({first, c0, colFrom}), to = std::min({last, c1, colTo});
    if (first >= 0 && from <= to)
      CopyColumns<B>(pic.Bits + rowOffset, offsets.data(), from, to, rowBytes,
                     line + int64_t(from - c0) * B);
  };
  auto send = [&](int32_t r, size_t c, const uint8_t* line) {
    const Dib& part = scratch.parts[c];
    dc.SetDIBitsToDevice(x + int32_t(c) * kMaxDibSide, y + r, DibWidth(part), 1, 0, 0, 0, 1, line,
                         part.Info);
  };

  const int32_t rows = std::max(0, rowTo - rowFrom);
  if constexpr (B == 3) {
    DirectPixels direct;
    if (rows > 0 && dc.GetDirectPixels(direct)) {
      // Each thread writes its rows into the device's pixels itself, each pixel read once.
      const RECT& b = direct.bounds;
      const int64_t base = int64_t(x) + direct.offsetX;  // destination column 0 in the rows
      ForRowChunks(rows, kDirectChunkRows, [&](const RowBand& band) {
        for (int32_t r = rowFrom + band.begin; r < rowFrom + band.end; ++r) {
          const int64_t dy = int64_t(y) + r + direct.offsetY;
          if (dy < b.top || dy >= b.bottom) continue;
          const int64_t rowOffset = sourceRow(r);
          uint32_t* out = direct.bits + dy * direct.pixelsPerRow;
          for (size_t c = 0; c < scratch.parts.size(); ++c) {
            if (!shown(c)) continue;
            const int32_t c0 = int32_t(c) * kMaxDibSide, c1 = c0 + DibWidth(scratch.parts[c]) - 1;
            const int64_t left = std::max<int64_t>(b.left, base + c0);
            const int64_t right = std::min<int64_t>(b.right, base + c1 + 1);
            // Columns with a source pixel; the others are black, as a zero row shows.
            int64_t from = right, to = right;
            if (rowOffset >= 0 && first >= 0) {
              from = std::clamp<int64_t>(base + std::max({first, c0, colFrom}), left, right);
              to = std::clamp<int64_t>(base + std::min({last, c1, colTo}) + 1, from, right);
            }
            const uint8_t* src = pic.Bits + std::max<int64_t>(rowOffset, 0);
            int64_t dx = left;
            for (; dx < from; ++dx) out[dx] = 0xFF000000u;
            const int32_t* column = offsets.data();
            int64_t fast = to;  // a fourth byte exists in the row: one load for blue, green, red
            while (fast > dx && column[fast - 1 - base] + 4 > rowBytes) --fast;
            if constexpr (std::endian::native == std::endian::little)
              for (uint32_t v; dx < fast; ++dx)
                std::memcpy(&v, src + column[dx - base], 4), out[dx] = v | 0xFF000000u;
            for (; dx < to; ++dx) {
              const uint8_t* p = src + column[dx - base];
              out[dx] = 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            }
            for (; dx < right; ++dx) out[dx] = 0xFF000000u;
          }
        }
      });
      return;
    }
  }
  if (ThreadCount() == 1 || rows < 2 * kMinBlockRows) {
    // One scratch row; a source row is copied once however often it is sent.
    int64_t previous = -1;
    for (int32_t r = rowFrom; r < rowTo; ++r) {
      const int64_t rowOffset = sourceRow(r);
      for (size_t c = 0; c < scratch.parts.size(); ++c) {
        if (!shown(c)) continue;
        if (rowOffset < 0 || rowOffset != previous) gather(rowOffset, c, scratch.parts[c].Bits);
        send(r, c, scratch.parts[c].Bits);
      }
      // A row outside the picture leaves zeros behind: the next source row is copied anew.
      previous = rowOffset;
    }
    return;
  }

  // Rows are gathered a block at a time over the cores, then sent to the device in order.
  std::vector<size_t> at(scratch.parts.size() + 1, 0);  // each part's place in a block row
  for (size_t c = 0; c < scratch.parts.size(); ++c)
    at[c + 1] = at[c] + size_t(scratch.parts[c].BytesPerLine);
  const int32_t blockRows =
      std::min(rows, int32_t(std::clamp<size_t>(kBlockBytes / at.back(), 2 * kMinBlockRows, 1024)));
  std::vector<uint8_t> block;
  try {
    block.assign(at.back() * size_t(blockRows), 0);
  } catch (const std::bad_alloc&) {
    return;
  }
  for (int32_t r0 = rowFrom; r0 < rowTo; r0 += blockRows) {
    const int32_t n = std::min(blockRows, rowTo - r0);
    ForRows(n, kMinBlockRows, [&](const RowBand& band) {
      for (int32_t i = band.begin; i < band.end; ++i) {
        const int64_t rowOffset = sourceRow(r0 + i);
        for (size_t c = 0; c < scratch.parts.size(); ++c)
          if (shown(c)) gather(rowOffset, c, block.data() + at.back() * size_t(i) + at[c]);
      }
    });
    for (int32_t i = 0; i < n; ++i)
      for (size_t c = 0; c < scratch.parts.size(); ++c)
        if (shown(c)) send(r0 + i, c, block.data() + at.back() * size_t(i) + at[c]);
  }
}
}  // namespace

void StretchDibRows24(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH,
                      const Dib& pic, int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (DibBitCount(pic) != 24) return;
  StretchRows<3>(dc, x, y, destW, destH, pic, srcX, srcTop, srcW, srcH);
}

void StretchDibRows8(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
                     int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH) {
  if (DibBitCount(pic) != 8) return;
  StretchRows<1>(dc, x, y, destW, destH, pic, srcX, srcTop, srcW, srcH);
}
