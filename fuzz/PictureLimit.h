#pragma once
// The picture targets decode at most 4 megapixels, so that each input runs in milliseconds.
#include <cstdint>

#include "platform/dib/DibRows.h"

inline void LimitFuzzPictures() {
  static const bool once = (SetPictureReadLimit(uint64_t(4) << 20), true);
  (void)once;
}
