#pragma once
// One element drawn straight onto a page or a screen: the printout and the sheet preview.
#include <QPainter>

#include "print/views/PrintJob.h"

// Paints the element whose box has its top left corner at `at`: white inside, the cover drawn
// over it at `cover` (element pixels), all clipped to the shape grown by `bleed`, so that the
// ring of the bleed holds only what the cover draws there.
void PaintElement(QPainter& painter, QPoint at, const PaperFormat& fmt, const FormatDetails& d,
                  PixelSize element, PixelSize bleed, const PixelRect& cover,
                  const CoverDrawer& draw, int dpx, int dpy);
