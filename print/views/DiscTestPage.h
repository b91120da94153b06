#pragma once
// The disc centring test: concentric rings every 5 mm, a cross and millimetre scales, printed
// on a disc in the printer's tray without correction, so that its shift can be measured.
#include <QPainter>
#include <string>

#include "platform/dialogs/Dialogs.h"
#include "print/views/PrintJob.h"

// Draws the test for a disc of `outer` and `hub` mm around `centre` (device pixels).
void DrawDiscTest(QPainter& painter, QPointF centre, double pixelsPerMm, double outer, double hub);
// Prints the test for a 118 mm disc on the chosen printer's disc tray, or into `pdfPath` on a
// disc page; a printer whose driver has no disc mode gets no job and the reason.
PrintResult PrintDiscTest(const PrinterChoice& choice, const std::string& pdfPath = {});
