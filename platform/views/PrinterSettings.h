#pragma once
// A PrinterChoice taken from a printer after its dialog, and given to the printers of jobs.
#include <QPageSize>

#include "platform/dialogs/Dialogs.h"

class QPrinter;
class QPrinterInfo;

// Everything the printer dialog set on `printer`: paper, orientation, resolution, duplex, tray
// and the driver's own options.
PrinterChoice ReadPrinterChoice(QPrinter& printer);
// Sets the choice on `printer` (made for the chosen printer); fields left empty keep its defaults.
void ApplyPrinterChoice(QPrinter& printer, const PrinterChoice& choice);
// The chosen paper: the printer's own size of that key or name, else one of that size in
// points; never a different size because Qt does not know the name. Invalid when none is chosen.
QPageSize ChosenPageSize(const PrinterChoice& choice, const QPrinterInfo& info);
