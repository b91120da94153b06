#include "retouch/effects/FilterBorder.h"

#include <cstring>

#include "platform/Progress.h"

bool MakeBorderedCopy(const Dib& dib, Dib& work) {
  work = Dib{};
  if (!dib.Bits || DibBitCount(dib) != 24) return false;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  NewDib(work, w + 4, h + 4, 24, nullptr, 0);
  if (!work.Bits) return false;
  const size_t last = size_t(w - 1) * 3 + 6;
  for (int32_t y = 0; y < h; ++y) {
    ReportProgress(RowPercent(y, h));
    uint8_t* row = DibRow(work, y + 2);
    std::memcpy(row + 6, DibRow(dib, y), size_t(dib.BytesPerLine));
    for (int k = 0; k < 2; ++k) {
      std::memcpy(row + 3 * k, row + 6, 3);
      std::memcpy(row + last + 3 + 3 * k, row + last, 3);
    }
  }
  const size_t bytes = size_t(work.BytesPerLine);
  std::memcpy(DibRow(work, 0), DibRow(work, 2), bytes);
  std::memcpy(DibRow(work, 1), DibRow(work, 2), bytes);
  std::memcpy(DibRow(work, h + 2), DibRow(work, h + 1), bytes);
  std::memcpy(DibRow(work, h + 3), DibRow(work, h + 1), bytes);
  return true;
}

void RestoreFromBordered(const Dib& work, Dib& dib) {
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  if (!work.Bits || !dib.Bits || DibWidth(work) != w + 4 || DibHeight(work) != h + 4) return;
  for (int32_t y = 0; y < h; ++y) {
    ReportProgress(RowPercent(y, h));
    std::memcpy(DibRow(dib, y), DibRow(work, y + 2) + 6, size_t(w) * 3);
  }
}
