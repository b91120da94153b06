#include "print/views/CoverGuide.h"

#include "platform/Units.h"
#include "print/views/ShapePainter.h"

PrintGuide CoverPrintGuide(const TEttType* format, const FormatDetails& d, const CoverSettings& cover,
                           int pictureWidth) {
  PrintGuide g;
  if (!format || pictureWidth <= 0 || !(format->Breite > 0) || !(cover.sizePercent > 0)) return g;
  g.mmPerPixel = cover.sizePercent / 100 * format->Breite / pictureWidth;
  const double k = g.mmPerPixel;
  const QRectF box(-cover.leftInch * kMmPerInch / k, -cover.topInch * kMmPerInch / k, format->Breite / k,
                   format->Hoehe / k);
  g.outline = OutlinePath(*format, d.shape, box);
  g.outline.addPath(HolePath(*format, d.shape, box));
  return g;
}
