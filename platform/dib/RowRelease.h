#pragma once
// Gives the memory of a picture's top rows back to the system while another picture is made
// from them, top row first, so that the two are never both whole in memory. Rows given back
// read as zero afterwards: only for a picture that is freed once the other is made.
#include <cstdint>

#include "platform/dib/Dib.h"

// What becomes of the old pixels' memory while a new picture is made from them: kept until the
// new one is whole, or given back as they are used when nothing else needs them (the retouch
// command). The results are the same.
enum class OldPixels { Kept, GivenBack };

class RowRelease {
 public:
  explicit RowRelease(const Dib& dib);
  // Rows 0 to rows - 1 (top first) are no longer needed.
  void usedTo(int32_t rows);

 private:
  const Dib& dib_;
  uintptr_t kept_;  // the memory from here to the rows' end is given back
};
