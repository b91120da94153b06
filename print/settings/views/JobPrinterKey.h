#pragma once
// Which printer's calibration a job uses: its queue, and its resolution where it offers several.
#include <string>

#include "platform/dialogs/Dialogs.h"
#include "print/settings/PrinterCalibrations.h"

// The printer a job with `choice` goes to; an empty queue when it goes into a PDF file (given,
// or because no printer is installed).
PrinterKey JobPrinterKey(const PrinterChoice& choice, const std::string& pdfPath = {});
// "Printer: NAME" with its resolution, or the PDF file.
std::string PrinterKeyText(const PrinterKey& key);
