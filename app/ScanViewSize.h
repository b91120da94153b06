#pragma once
// Size of the scan view for a picture at a zoom in percent, truncated toward zero.
#include <cstdint>

struct ViewSize {
  int32_t width = 0, height = 0;
  bool operator==(const ViewSize&) const = default;
};

ViewSize ScanViewSize(int32_t pictureWidth, int32_t pictureHeight, int zoomPercent);
