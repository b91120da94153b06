#include "print/CenterLayout.h"

#include <cmath>

#include "platform/Units.h"

namespace {
int32_t Trunc(double v) {
  return TruncPixels(v);
}
constexpr int32_t kFallbackSide = 300;
}  // namespace

PixelSize CenterViewSize(const PaperFormat* format, double dpi, int32_t zoom) {
  if (!format) return {kFallbackSide, kFallbackSide};
  const double f = kMmPerInch;
  return {Trunc(zoom * (dpi * format->width / f) / 100),
          Trunc(zoom * (dpi * format->height / f) / 100)};
}

PixelRect CenterCover(const CoverSettings& c, PixelSize view, int32_t dibW, int32_t dibH,
                      double dpi, int32_t zoom) {
  const double f = kMmPerInch;
  PixelRect r;
  r.w = Trunc(c.sizePercent * view.w / 100);
  r.h = dibW > 0 ? Trunc(static_cast<double>(r.w) * dibH / dibW) : 0;
  r.x = Trunc(dpi * (c.leftInch * f) / f * zoom / 100);
  r.y = Trunc(dpi * (c.topInch * f) / f * zoom / 100);
  return r;
}
