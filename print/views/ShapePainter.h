#pragma once
// The element's shape on a device: the path that clips the cover, and the outlines drawn for a
// dry run or on screen.
#include <QImage>
#include <QPainterPath>

#include "print/FormatDetails.h"

// The outline of the element whose box is `box` (device pixels), grown by `grow` pixels on each
// axis: outward past the rim, and inward into a disc's hole.
QPainterPath ShapePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box,
                       QPointF grow = {});
// The element's outer outline and its hole (empty when none), for drawing lines.
QPainterPath OutlinePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box);
QPainterPath HolePath(const PaperFormat& fmt, const LabelShape& shape, const QRectF& box);

// The format's guides on the element at `box`: lines, margins along the shape, circles.
QPainterPath GuidesPath(const PaperFormat& fmt, const FormatDetails& d, const QRectF& box);

// The rendered element with everything outside the shape transparent. The element's box lies
// centred in the image; the margin around it is the bleed, by which the outline is grown.
QImage ClipToShape(const QImage& element, const PaperFormat& fmt, const FormatDetails& d,
                   int boxWidth, int boxHeight);

// Thin lines along the outline and the hole of the element at `box`.
void DrawOutline(QPainter& p, const PaperFormat& fmt, const LabelShape& shape, const QRectF& box,
                 const QColor& color, double width);
// Thin lines along the format's guides; the screen draws them dashed in `kGuideBlue`.
void DrawGuides(QPainter& p, const PaperFormat& fmt, const FormatDetails& d, const QRectF& box,
                const QColor& color, double width, Qt::PenStyle style = Qt::DashLine);
inline const QColor kGuideBlue{0, 120, 215};
// The thin grey frame the screen shows for round, elliptic and disc shapes (and, with `always`,
// for rectangles too).
void DrawScreenOutline(QPainter& p, const PaperFormat& fmt, const LabelShape& shape,
                       const QRectF& box, bool always);
