#include "platform/views/PrinterSettings.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdlib>

namespace {
// Where Qt's CUPS support keeps the driver options the dialog set ("InputSlot", "Tray2", ...).
const auto kDriverOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
}  // namespace

PrinterChoice ReadPrinterChoice(QPrinter& printer) {
  PrinterChoice c;
  c.printerName = printer.printerName().toStdString();
  const QPageLayout layout = printer.pageLayout();
  c.landscape = layout.orientation() == QPageLayout::Landscape;
  const QPageSize size = layout.pageSize();
  c.paperName = size.name().toStdString();
  c.paperKey = size.id() == QPageSize::Custom ? std::string() : size.key().toStdString();
  const QSizeF pt = size.definitionUnits() == QPageSize::Point ? size.definitionSize()
                                                               : size.size(QPageSize::Point);
  c.paperWidthPt = pt.width();
  c.paperHeightPt = pt.height();
  c.resolution = printer.resolution();
  c.duplex = static_cast<int>(printer.duplex());
  c.paperSource = static_cast<int>(printer.paperSource());
  if (QPrintEngine* engine = printer.printEngine())
    for (const QString& s : engine->property(kDriverOptions).toStringList())
      c.driverOptions.push_back(s.toStdString());
  for (size_t i = 0; i + 1 < c.driverOptions.size(); i += 2)  // "300dpi", "600x600dpi"
    if (c.driverOptions[i] == "Resolution" && std::atoi(c.driverOptions[i + 1].c_str()) > 0)
      c.resolution = std::atoi(c.driverOptions[i + 1].c_str());
  return c;
}

QPageSize ChosenPageSize(const PrinterChoice& choice, const QPrinterInfo& info) {
  const QString key = QString::fromStdString(choice.paperKey);
  const QString name = QString::fromStdString(choice.paperName);
  if (!info.isNull())
    for (const QPageSize& s : info.supportedPageSizes())
      if ((!key.isEmpty() && s.key() == key) ||
          (key.isEmpty() && !name.isEmpty() && s.name() == name))
        return s;
  if (choice.paperWidthPt > 0 && choice.paperHeightPt > 0)
    return QPageSize(QSizeF(choice.paperWidthPt, choice.paperHeightPt), QPageSize::Point, name,
                     QPageSize::FuzzyMatch);
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {  // a choice of older versions: name only
    const auto standard = static_cast<QPageSize::PageSizeId>(id);
    if (!name.isEmpty() && QPageSize::name(standard) == name) return QPageSize(standard);
  }
  return QPageSize();
}

void ApplyPrinterChoice(QPrinter& printer, const PrinterChoice& choice) {
  const QPageSize size = ChosenPageSize(choice, QPrinterInfo(printer));
  if (size.isValid()) printer.setPageSize(size);
  printer.setPageOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (choice.resolution > 0) printer.setResolution(choice.resolution);
  printer.setDuplex(static_cast<QPrinter::DuplexMode>(choice.duplex));
  if (choice.paperSource >= 0)
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(choice.paperSource));
  if (!choice.driverOptions.empty() && printer.printEngine()) {
    QStringList options;
    for (const std::string& s : choice.driverOptions) options << QString::fromStdString(s);
    printer.printEngine()->setProperty(kDriverOptions, options);
  }
}
