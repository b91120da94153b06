#include "print/views/ShapePainter.h"

#include <QPainter>
#include <algorithm>

namespace {
QPointF Scale(const PaperFormat& fmt, const QRectF& box) {
  return {fmt.width > 0 ? box.width() / fmt.width : 1.0,
          fmt.height > 0 ? box.height() / fmt.height : 1.0};
}

QPainterPath Ellipse(const QPointF& centre, double rx, double ry) {
  QPainterPath p;
  if (rx > 0 && ry > 0) p.addEllipse(centre, rx, ry);
  return p;
}
}  // namespace

QPainterPath ShapePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box,
                       QPointF grow) {
  const QRectF outer = box.adjusted(-grow.x(), -grow.y(), grow.x(), grow.y());
  const QPointF s = Scale(fmt, box);
  QPainterPath path;
  switch (shape.kind) {
    case ShapeKind::Rectangle:
      if (shape.cornerRadius > 0)
        path.addRoundedRect(outer, std::max(shape.cornerRadius * s.x() + grow.x(), 0.0),
                            std::max(shape.cornerRadius * s.y() + grow.y(), 0.0));
      else
        path.addRect(outer);
      return path;
    case ShapeKind::Round:
    case ShapeKind::Ellipse:
      path.addEllipse(outer);
      return path;
    case ShapeKind::Disc: {
      const double r = DiscDiameter(fmt, shape) / 2;
      const double rx = r * s.x() + grow.x(), ry = r * s.y() + grow.y();
      path = Ellipse(box.center(), rx, ry);
      const bool flattened = 2 * rx > outer.width() || 2 * ry > outer.height();
      QPainterPath flat;
      flat.addRect(outer);
      if (flattened) path = path.intersected(flat);  // else the curves stay curves, not lines
      const double h = shape.holeDiameter / 2;
      const double hx = std::max(h * s.x() - grow.x(), 0.0),
                   hy = std::max(h * s.y() - grow.y(), 0.0);
      const QPainterPath hole = Ellipse(box.center(), hx, hy);
      if (hole.isEmpty()) return path;
      if (flattened || hx >= rx || hy >= ry) return path.subtracted(hole);
      path.addPath(hole);  // inside the disc: the even-odd rule leaves it out
      return path;
    }
  }
  path.addRect(outer);
  return path;
}

QPainterPath OutlinePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box) {
  LabelShape outer = shape;
  outer.holeDiameter = 0;
  return ShapePath(fmt, outer, box);
}

QPainterPath HolePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box) {
  if (shape.kind != ShapeKind::Disc || shape.holeDiameter <= 0) return {};
  const QPointF s = Scale(fmt, box);
  return Ellipse(box.center(), shape.holeDiameter / 2 * s.x(), shape.holeDiameter / 2 * s.y());
}

QPainterPath GuidesPath(const PaperFormat& fmt, const FormatDetails& d, const QRectF& box) {
  const QPointF s = Scale(fmt, box);
  const auto at = [&](double x, double y) { return box.topLeft() + QPointF(x * s.x(), y * s.y()); };
  QPainterPath path;
  for (const FormatGuide& g : d.guides) {
    switch (g.kind) {
      case GuideKind::Line:
        path.moveTo(at(g.x1, g.y1));
        path.lineTo(at(g.x2, g.y2));
        break;
      case GuideKind::Margin:  // the outline moved inward, the hole's outward
        path.addPath(ShapePath(fmt, d.shape, box, -g.x1 * s));
        break;
      case GuideKind::Circle:
        path.addPath(Ellipse(at(g.x1, g.y1), g.x2 * s.x(), g.x2 * s.y()));
        break;
    }
  }
  return path;
}

QImage ClipToShape(const QImage& element, const PaperFormat& fmt, const FormatDetails& d,
                   int boxWidth, int boxHeight) {
  if (element.isNull()) return element;
  const QPointF grow((element.width() - boxWidth) / 2.0, (element.height() - boxHeight) / 2.0);
  const QRectF box(grow.x(), grow.y(), boxWidth, boxHeight);
  QImage out(element.size(), QImage::Format_ARGB32_Premultiplied);
  if (out.isNull()) return out;
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(element));  // the element as texture: one filled path, soft edges
  p.drawPath(ShapePath(fmt, d.shape, box, grow));
  return out;
}

void DrawOutline(QPainter& p, const PaperFormat& fmt, const LabelShape& shape, const QRectF& box,
                 const QColor& color, double width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(color, width);
  pen.setCosmetic(width <= 0);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(OutlinePath(fmt, shape, box));
  const QPainterPath hole = HolePath(fmt, shape, box);
  if (!hole.isEmpty()) p.drawPath(hole);
  p.restore();
}

void DrawGuides(QPainter& p, const PaperFormat& fmt, const FormatDetails& d, const QRectF& box,
                const QColor& color, double width, Qt::PenStyle style) {
  if (d.guides.empty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(color, width, style);
  pen.setCosmetic(width <= 0);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(GuidesPath(fmt, d, box));
  p.restore();
}

void DrawScreenOutline(QPainter& p, const PaperFormat& fmt, const LabelShape& shape,
                       const QRectF& box, bool always) {
  if (!always && shape.kind == ShapeKind::Rectangle) return;
  const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);  // keep the line inside the element
  DrawOutline(p, fmt, shape, inner, QColor(160, 160, 160), 0);
}
