#include "print/views/ElementPainter.h"

#include "print/views/ShapePainter.h"

void PaintElement(QPainter& painter, QPoint at, const PaperFormat& fmt, const FormatDetails& d,
                  PixelSize element, PixelSize bleed, const PixelRect& cover,
                  const CoverDrawer& draw, int dpx, int dpy) {
  if (element.w <= 0 || element.h <= 0) return;
  const QRectF box(at.x(), at.y(), element.w, element.h);
  QPainterPath clip;
  if (NeedsClip(d))
    clip = ShapePath(fmt, d.shape, box, QPointF(bleed.w, bleed.h));
  else
    clip.addRect(box.adjusted(-bleed.w, -bleed.h, bleed.w, bleed.h));
  painter.save();
  painter.setClipPath(clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  painter.fillRect(box, Qt::white);
  painter.translate(at);
  if (draw) draw(painter, cover, dpx, dpy);
  painter.restore();
}
