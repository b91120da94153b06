#include "print/views/DiscTestPage.h"

#include <QPrinterInfo>
#include <cmath>

#include "platform/Translate.h"
#include "print/DiscTray.h"
#include "print/FormatDetails.h"

void DrawDiscTest(QPainter& painter, QPointF centre, double pixelsPerMm, double outer, double hub) {
  painter.save();
  painter.translate(centre);
  painter.scale(pixelsPerMm, pixelsPerMm);  // millimetres from here on
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 0.15));
  const double rim = outer / 2, inner = hub / 2;
  for (double r = 5 * std::ceil(inner / 5); r <= rim + 1e-9; r += 5)
    painter.drawEllipse(QPointF(0, 0), r, r);
  painter.drawLine(QPointF(-rim, 0), QPointF(rim, 0));
  painter.drawLine(QPointF(0, -rim), QPointF(0, rim));
  QFont font = painter.font();
  font.setPointSizeF(6);
  painter.setFont(font);
  const QTransform mm = painter.transform();
  for (int d = -static_cast<int>(rim); d <= static_cast<int>(rim); ++d) {
    if (std::abs(d) < inner) continue;  // the hub is no print area
    const double tick = d % 10 == 0 ? 3 : d % 5 == 0 ? 2 : 1;
    painter.drawLine(QPointF(d, -tick / 2), QPointF(d, tick / 2));
    painter.drawLine(QPointF(-tick / 2, d), QPointF(tick / 2, d));
    if (d % 10 != 0) continue;
    const QPointF below = mm.map(QPointF(d, 2.5)), right = mm.map(QPointF(2.5, d));
    painter.resetTransform();  // the numbers in device pixels, not stretched to millimetres
    painter.drawText(below + QPointF(-4, 8), QString::number(std::abs(d)));
    painter.drawText(right + QPointF(2, 3), QString::number(std::abs(d)));
    painter.setTransform(mm);
  }
  painter.restore();
}

PrintResult PrintDiscTest(const PrinterChoice& chosen, const std::string& pdfPath) {
  PrinterChoice choice = chosen;
  DiscJob job = PlanDiscPdf(kDiscOuterMax, {});
  if (pdfPath.empty()) {
    const std::string queue = choice.printerName.empty()
                                  ? QPrinterInfo::defaultPrinter().printerName().toStdString()
                                  : choice.printerName;
    std::string why;
    job = PlanDiscJob(ReadQueueOptions(queue, &why), kDiscOuterDefault, kDiscHubDefault, {});
    if (!job.missing.empty())
      return {false, 0, NoDiscModeText(queue, job.missing) + (why.empty() ? "" : " (" + why + ")")};
    choice.printerName = queue;
    UseDiscTray(choice, job);
  }
  auto printer = MakeJobPrinter(choice, pdfPath);
  FormatDetails page;
  page.sheetWidth = job.pageWidth;
  page.sheetHeight = job.pageHeight;
  UseSheetSize(*printer, page);
  printer->setDocName(QStringLiteral("Disc centring test"));
  PrintResult r;
  QPainter painter;
  if (!printer->pdfError().empty() || !painter.begin(printer.get())) {
    r.error = printer->pdfError().empty()
                  ? Translate("DiscTestPage", "The print job could not be started.")
                  : printer->pdfError();
    return r;
  }
  const double pxPerMm = printer->logicalDpiX() / 25.4;
  // The page's centre from the printable area's origin: a disc page prints to its edges.
  const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
  const QRectF area = printer->pageRect(QPrinter::DevicePixel);
  const QPointF centre = paper.center() - area.topLeft();
  DrawDiscTest(painter, centre, pxPerMm, kDiscOuterDefault, kDiscHubDefault);
  r.pages = 1;
  r.ok = painter.end() && printer->printerState() != QPrinter::Error &&
         printer->printerState() != QPrinter::Aborted;
  if (!r.ok) r.error = Translate("DiscTestPage", "The print job could not be completed.");
  r.ok = printer->keepPdf(r.ok, r.error);
  return r;
}
