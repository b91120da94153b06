#include "platform/dib/RowRelease.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

namespace {
uintptr_t PageSize() {
  static const uintptr_t size = uintptr_t(sysconf(_SC_PAGESIZE));
  return size;
}
}  // namespace

// Stored rows run bottom-up: the top rows end the block, and only whole pages inside it go.
RowRelease::RowRelease(const Dib& dib)
    : dib_(dib),
      kept_(dib.Bits ? (reinterpret_cast<uintptr_t>(dib.Bits) +
                        uintptr_t(DibHeight(dib)) * uintptr_t(dib.BytesPerLine)) &
                           ~(PageSize() - 1)
                     : 0) {}

void RowRelease::usedTo(int32_t rows) {
  if (!dib_.Bits) return;
  rows = std::clamp(rows, 0, DibHeight(dib_));
  const uintptr_t first = reinterpret_cast<uintptr_t>(DibRow(dib_, rows - 1 < 0 ? 0 : rows - 1));
  const uintptr_t from = rows == 0 ? kept_ : (first + PageSize() - 1) & ~(PageSize() - 1);
  if (from >= kept_) return;
  madvise(reinterpret_cast<void*>(from), kept_ - from, MADV_DONTNEED);
  kept_ = from;
}
