#include "print/views/CoverGuide.h"

#include "platform/Units.h"
#include "print/views/ShapePainter.h"

PrintGuide CoverPrintGuide(const PaperFormat* format, const FormatDetails& d,
                           const CoverSettings& cover, int pictureWidth) {
  PrintGuide g;
  if (!format || pictureWidth <= 0 || !(format->width > 0) || !(cover.sizePercent > 0)) return g;
  g.mmPerPixel = cover.sizePercent / 100 * format->width / pictureWidth;
  const double k = g.mmPerPixel;
  const QRectF box(-cover.leftInch * kMmPerInch / k, -cover.topInch * kMmPerInch / k,
                   format->width / k, format->height / k);
  g.outline = OutlinePath(*format, d.shape, box);
  g.outline.addPath(HolePath(*format, d.shape, box));
  g.lines = GuidesPath(*format, d, box);
  return g;
}
