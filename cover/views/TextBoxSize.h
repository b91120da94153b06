#pragma once
// The size of a text object's box that shows its lines whole, measured in the object's font.
#include <QSizeF>
#include <string>
#include <vector>

#include "platform/dialogs/Dialogs.h"

// The box in picture pixels that holds `lines` (Windows-1252) unwrapped and uncut, in `font`
// as the renderer draws a text (`fontDpi` the font dialog's, `screenDpi` the window's).
QSizeF TextBoxSize(const std::vector<std::string>& lines, const FontSpec& font, double fontDpi,
                   double screenDpi);
