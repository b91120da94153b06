#pragma once
// The guide the Texts tab draws: the element's outline and the format's guides on the cover for
// the current format, size and displacement, and the printed length of one picture pixel.
#include "cover/views/TextsView.h"
#include "print/SheetLayout.h"

// Nothing without a format or picture.
PrintGuide CoverPrintGuide(const PaperFormat* format, const FormatDetails& d,
                           const CoverSettings& cover, int pictureWidth);
