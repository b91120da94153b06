#include "platform/Units.h"

double BaseScaleForDpi(double screenDpi) {
  const long double v = 200000.0L * 25.39995L / static_cast<long double>(screenDpi) * 2.0L;
  return static_cast<double>(v);
}

int32_t PixelsToUnits(int64_t pixels, double dpi) {
  const long double v =
      static_cast<long double>(pixels) * 200000.0L * 25.39995L / static_cast<long double>(dpi);
  return static_cast<int32_t>(v);
}
