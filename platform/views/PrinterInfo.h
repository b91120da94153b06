#pragma once
// The printable page of the default (or a named) printer.
#include <string>

struct PrinterPage {
  int widthPx = 0, heightPx = 0;  // printable area in printer pixels
  double dpiX = 600, dpiY = 600;
  bool pdfFallback = false;  // no printer installed: the page that PDF output uses
  std::string printerName;
};

// With no printer installed the page is A4 at 600 dots per inch (4960 x 7016 pixels),
// the page that printing into a PDF file then uses.
PrinterPage DefaultPrinterPage(const std::string& printerName = {});
