#pragma once
// The cover file's picture rows go in and out in blocks of about a megabyte, with the progress
// of every row reported before its block.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/Progress.h"
#include "platform/dib/Dib.h"

// Whole rows of about a megabyte, at least one row.
inline size_t RowBlockBytes(size_t stride) {
  constexpr size_t kRowBlockBytes = size_t(1) << 20;
  return std::max<size_t>(1, kRowBlockBytes / stride) * stride;
}

// Calls io(first byte, byte count) for each block of rows in memory order; stops at a false.
template <typename Io>
bool ForEachRowBlock(const Dib& dib, Io&& io) {
  const int32_t height = DibHeight(dib);
  const size_t stride = static_cast<size_t>(dib.BytesPerLine);
  const int32_t rowsPerBlock = static_cast<int32_t>(RowBlockBytes(stride) / stride);
  RowProgress progress(height);
  for (int32_t j = 0; j < height; j += rowsPerBlock) {
    const int32_t end = std::min(height, j + rowsPerBlock);
    for (int32_t r = j; r < end; ++r) progress.row(r);
    if (!io(dib.Bits + size_t(j) * stride, size_t(end - j) * stride)) return false;
  }
  return true;
}
