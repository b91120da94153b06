#include "app/ScanViewSize.h"

ViewSize ScanViewSize(int32_t pictureWidth, int32_t pictureHeight, int zoomPercent) {
  const double zoom = zoomPercent;
  return {static_cast<int32_t>(pictureWidth * zoom / 100.0),
          static_cast<int32_t>(pictureHeight * zoom / 100.0)};
}
