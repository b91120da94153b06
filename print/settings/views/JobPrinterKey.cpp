#include "print/settings/views/JobPrinterKey.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Translate.h"
#include "print/views/PrintJob.h"

PrinterKey JobPrinterKey(const PrinterChoice& choice, const std::string& pdfPath) {
  if (!pdfPath.empty() || !PrinterInstalled()) return {};
  const auto printer = MakeJobPrinter(choice);
  if (printer->outputFormat() == QPrinter::PdfFormat || printer->printerName().isEmpty()) return {};
  PrinterKey key;
  key.queue = printer->printerName().toStdString();
  if (QPrinterInfo(*printer).supportedResolutions().size() > 1)
    key.resolution = printer->resolution();
  return key;
}

std::string PrinterKeyText(const PrinterKey& key) {
  if (key.queue.empty())
    return Translate("JobPrinterKey", "Printer: none, printing into a PDF file");
  std::string text = Translate("JobPrinterKey", "Printer: ") + key.queue;
  if (key.resolution > 0) text += " at " + std::to_string(key.resolution) + " dpi";
  return text;
}
