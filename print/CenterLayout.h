#pragma once
// The centering view: one element at its true size times the zoom, with the cover inside.
#include "print/SheetLayout.h"

// The view's size for the selected format (nullptr: none, a 300 x 300 fallback).
PixelSize CenterViewSize(const PaperFormat* format, double dpi, int32_t zoom);
// The cover in the view: width in percent of the view's width, height by the picture's
// aspect, displaced in inches from the element's top-left corner.
PixelRect CenterCover(const CoverSettings& c, PixelSize view, int32_t dibW, int32_t dibH,
                      double dpi, int32_t zoom);
