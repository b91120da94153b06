#include "platform/views/PrinterInfo.h"

#include <QPrinter>
#include <QPrinterInfo>

PrinterPage DefaultPrinterPage(const std::string& printerName) {
  const QPrinterInfo info = printerName.empty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(QString::fromStdString(printerName));
  PrinterPage page;
  if (info.isNull()) {
    page.widthPx = 4960;
    page.heightPx = 7016;
    page.pdfFallback = true;
    return page;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  const QRect r = printer.pageLayout().paintRectPixels(printer.resolution());
  page.widthPx = r.width();
  page.heightPx = r.height();
  page.dpiX = printer.logicalDpiX();
  page.dpiY = printer.logicalDpiY();
  page.printerName = info.printerName().toStdString();
  return page;
}
