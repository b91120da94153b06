#include "print/views/PrintJob.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include "cover/merge/FilledTexts.h"
#include "platform/RegularFile.h"
#include "platform/Translate.h"
#include "platform/Units.h"
#include "platform/device/views/PictureImages.h"
#include "platform/dib/Dib.h"
#include "platform/views/PrinterSettings.h"
#include "print/CropMarks.h"
#include "print/PdfImages.h"
#include "print/views/ElementPainter.h"
#include "print/views/ShapePainter.h"

namespace {
// The chosen printer, else the default one, else the first installed.
QPrinterInfo InfoFor(const PrinterChoice& choice) {
  QPrinterInfo info = choice.printerName.empty()
                          ? QPrinterInfo::defaultPrinter()
                          : QPrinterInfo::printerInfo(QString::fromStdString(choice.printerName));
  if (info.isNull()) info = QPrinterInfo::defaultPrinter();
  if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
    info = QPrinterInfo::availablePrinters().first();
  return info;
}

// A transparent pixel is stored as transparent white, not black: a printer or viewer that scales
// the colours apart from the transparency would otherwise draw grey dots along every edge.
QImage WhiteWhereTransparent(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if (qAlpha(row[x]) == 0) row[x] = qRgba(255, 255, 255, 0);
  }
  return out;
}

PrintResult Finish(QPainter& painter, QPrinter& printer, int pages) {
  PrintResult r;
  r.pages = pages;
  const bool ended = painter.end();
  r.ok = ended && printer.printerState() != QPrinter::Error &&
         printer.printerState() != QPrinter::Aborted;
  if (!r.ok) r.error = Translate("PrintJob", "The print job could not be completed.");
  if (auto* job = dynamic_cast<JobPrinter*>(&printer)) r.ok = job->keepPdf(r.ok, r.error);
  return r;
}

// False when the PDF of the job cannot be written where it was chosen.
bool StartsWithPdf(QPrinter& printer) {
  auto* job = dynamic_cast<JobPrinter*>(&printer);
  return !job || job->pdfError().empty();
}

// The job could not start; a PDF that cannot be written there says why.
PrintResult NotStarted(QPrinter& printer) {
  std::string error = Translate("PrintJob", "The print job could not be started.");
  if (auto* job = dynamic_cast<JobPrinter*>(&printer); job && !job->pdfError().empty())
    error = job->pdfError();
  else if (const std::string file = printer.outputFileName().toStdString(); !file.empty())
    if (const std::string why = WhyNotWritable(file); !why.empty())
      error = Translate("PrintJob", "The print job could not be started: ") + why + ".";
  return {false, 0, error};
}
}  // namespace

QImage RenderCoverElement(PixelSize size, const PixelRect& cover, const CoverDrawer& draw, int dpx,
                          int dpy) {
  if (size.w <= 0 || size.h <= 0 || PrintElementBytes(size, {}, false) > kMaxPrintElementBytes)
    return QImage();
  QImage element(size.w, size.h, QImage::Format_RGB32);
  if (element.isNull()) return element;
  element.fill(Qt::white);
  if (draw) {
    QPainter painter(&element);
    draw(painter, cover, dpx, dpy);
  }
  return element;
}

ElementRenderer MakeCoverRenderer(const CoverJob& cover, const Calibration& calibration,
                                  double bleedXMm, double bleedYMm) {
  return [cover, calibration, bleedXMm, bleedYMm](PixelSize s, int dpx, int dpy) {
    const PixelRect r = PrintCover(cover.settings, calibration, s.w, cover.pictureWidth,
                                   cover.pictureHeight, dpx, dpy);
    return RenderBleedElement(s, BleedPixels(bleedXMm, bleedYMm, calibration, dpx, dpy), r,
                              cover.draw, dpx, dpy);
  };
}

PixelSize BleedPixels(double xMm, double yMm, const Calibration& c, int dpx, int dpy) {
  return {xMm > 0 ? TruncPixels(c.width * (xMm / kMmPerInch) / 100 * dpx) : 0,
          yMm > 0 ? TruncPixels(c.height * (yMm / kMmPerInch) / 100 * dpy) : 0};
}

QImage RenderBleedElement(PixelSize element, PixelSize bleed, PixelRect cover,
                          const CoverDrawer& draw, int dpx, int dpy) {
  if (bleed.w <= 0 && bleed.h <= 0) return RenderCoverElement(element, cover, draw, dpx, dpy);
  const PixelSize size{element.w + 2 * bleed.w, element.h + 2 * bleed.h};
  if (element.w <= 0 || element.h <= 0 || !DibSizeAllowed(size.w, size.h, 24)) return QImage();
  // Touching elements overlap by their bleed: where the cover does not reach, nothing may be
  // printed over the neighbour, so the ring stays transparent and only the element is white.
  QImage image(size.w, size.h, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.fillRect(QRect(bleed.w, bleed.h, element.w, element.h), Qt::white);
  cover.x += bleed.w;
  cover.y += bleed.h;
  if (draw) draw(painter, cover, dpx, dpy);
  painter.end();
  return image;
}

bool NeedsClip(const FormatDetails& d) {
  return d.shape.kind != ShapeKind::Rectangle || d.shape.cornerRadius > 0;
}

namespace {
// Outlines and crop marks of one printed sheet, drawn over its elements.
class SheetMarks {
 public:
  SheetMarks(QPainter& painter, const PrintRequest& r, const SheetLayout& l, int dpx, int dpy)
      : painter_(painter),
        r_(r),
        l_(l),
        grids_(GridFormats(r.format, r.details)),
        dpx_(dpx),
        dpy_(dpy) {}
  void printed(const SheetPosition& p, const PixelPoint& at) {
    const GridFormat& g = grid(p);
    const PixelSize es = PrintElementSize(g.format, r_.calibration, dpx_, dpy_);
    if (r_.outlines) {
      const QRectF box(at.x, at.y, es.w, es.h);
      DrawOutline(painter_, g.format, g.details.shape, box, Qt::black, 0.1 * dpx_ / kMmPerInch);
      DrawGuides(painter_, g.format, g.details, box, Qt::black, 0.1 * dpx_ / kMmPerInch,
                 Qt::SolidLine);
    }
    if (g.details.shape.kind == ShapeKind::Rectangle)
      printed_.push_back({double(at.x), double(at.y), double(es.w), double(es.h)});
    sheet_ = p.sheet;
  }
  void finish() {
    if (r_.cropMarks && !printed_.empty()) {
      std::vector<MarkBox> all;
      for (int32_t k = sheet_ * l_.perSheet; k < (sheet_ + 1) * l_.perSheet; ++k) {
        const SheetPosition p = l_.at(k);
        const PixelSize es = PrintElementSize(grid(p).format, r_.calibration, dpx_, dpy_);
        const PixelPoint at =
            PrintElementPos(PositionGrid(r_.format, l_, p), r_.calibration, p, dpx_, dpy_);
        all.push_back({double(at.x), double(at.y), double(es.w), double(es.h)});
      }
      const double mm = dpx_ / kMmPerInch;
      painter_.save();
      painter_.setPen(QPen(Qt::black, 0.1 * mm));
      for (const MarkLine& m : CropMarks(
               printed_, all, (std::max(r_.details.bleedX, r_.details.bleedY) + 1) * mm, 4 * mm))
        painter_.drawLine(QPointF(m.x1, m.y1), QPointF(m.x2, m.y2));
      painter_.restore();
    }
    printed_.clear();
  }

 private:
  const GridFormat& grid(const SheetPosition& p) const {
    return grids_[size_t(std::clamp(p.grid, 0, int32_t(grids_.size()) - 1))];
  }
  QPainter& painter_;
  const PrintRequest& r_;
  const SheetLayout& l_;
  std::vector<GridFormat> grids_;
  int dpx_, dpy_;
  std::vector<MarkBox> printed_;
  int32_t sheet_ = 0;
};
}  // namespace

namespace {
// Starts the job: false with `result` set when it cannot start.
bool StartJob(QPainter& painter, QPrinter& printer, PrintResult& result) {
  printer.setDocName(QStringLiteral("Quendrix"));
  if (!StartsWithPdf(printer) || !painter.begin(&printer)) {
    result = NotStarted(printer);
    return false;
  }
  if (!PrinterUsable(printer.logicalDpiX(), printer.logicalDpiY()))
    CurrentDialogs().messageBox(Translate("Calibration", kPrinterUnusable),
                                Translate("PrintJob", "Error"), MsgButtons::Ok,
                                MsgIcon::Information);
  return true;
}

// Calls `place` (with the position, its copy and its place on its sheet, from 0) for every position
// that receives a copy, a page per sheet from the next page on (the first page of the job when
// `pages` is 0), and draws the outlines and crop marks over the elements. Counts the pages;
// false when a new page could not be started (the painter ended). When every copy looks alike,
// a PDF job draws a sheet whose positions are those of the sheet drawn last only once: the
// later pages repeat it.
using PlaceAt =
    std::function<void(const SheetPosition&, const PixelPoint&, int32_t copy, int32_t onSheet)>;
bool PlaceSheets(QPainter& painter, QPrinter& printer, const PrintRequest& request,
                 const PlaceAt& place, int& pages, bool copiesAlike) {
  const int dpx = printer.logicalDpiX(), dpy = printer.logicalDpiY();
  SheetLayout layout =
      LayoutFor(request.format, request.details, request.used, request.marked, request.copies);
  layout.sheets = request.sheets;
  if (pages > 0 && !printer.newPage()) {  // a further part begins on a sheet of its own
    painter.end();
    return false;
  }
  ++pages;
  auto* job = dynamic_cast<JobPrinter*>(&printer);
  const bool repeats = copiesAlike && job && job->repeatsPages();
  const int32_t perSheet = std::max(layout.perSheet, 1);
  SheetMarks marks(painter, request, layout, dpx, dpy);
  const std::vector<SheetPosition> printed = layout.printed();
  struct Place {
    int32_t onSheet, grid, x, y;
    bool operator==(const Place&) const = default;
  };
  std::vector<Place> drawn;  // the places of the sheet drawn last, on page `drawnPage`
  int drawnPage = 0;
  for (size_t from = 0, to = 0; from < printed.size(); from = to) {
    if (from > 0) {
      if (!printer.newPage()) {
        painter.end();
        return false;
      }
      ++pages;
    }
    std::vector<Place> places;
    std::vector<PixelPoint> at;
    for (to = from; to < printed.size() && printed[to].sheet == printed[from].sheet; ++to) {
      const SheetPosition& p = printed[to];
      at.push_back(PrintElementPos(PositionGrid(request.format, layout, p), request.calibration, p,
                                   dpx, dpy));
      places.push_back({p.k % perSheet, p.grid, at.back().x, at.back().y});
    }
    if (repeats && drawnPage > 0 && places == drawn) {
      job->repeatPage(pages, drawnPage);
      continue;
    }
    for (size_t i = from; i < to; ++i) {
      place(printed[i], at[i - from], layout.copyOf(printed[i].k), printed[i].k % perSheet);
      marks.printed(printed[i], at[i - from]);
    }
    marks.finish();
    drawn = std::move(places), drawnPage = pages;
  }
  if (printed.empty()) marks.finish();
  return true;
}

PrintResult PlaceAll(QPainter& painter, QPrinter& printer, const PrintRequest& request,
                     const std::function<void(const PixelPoint&, int32_t)>& place) {
  int pages = 0;
  const PlaceAt each = [&](const SheetPosition&, const PixelPoint& at, int32_t copy, int32_t) {
    place(at, copy);
  };
  if (!PlaceSheets(painter, printer, request, each, pages, true))
    return {false, pages, Translate("PrintJob", "The print job could not be completed.")};
  return Finish(painter, printer, pages);
}
}  // namespace

PrintResult PrintSheets(QPrinter& printer, const PrintRequest& request,
                        const ElementRenderer& render) {
  QPainter painter;
  PrintResult result;
  if (!StartJob(painter, printer, result)) return result;
  const int dpx = printer.logicalDpiX(), dpy = printer.logicalDpiY();
  const PixelSize es = PrintElementSize(request.format, request.calibration, dpx, dpy);
  const PixelSize bleedPx =
      BleedPixels(request.details.bleedX, request.details.bleedY, request.calibration, dpx, dpy);
  if (PrintElementBytes(es, bleedPx, NeedsClip(request.details)) > kMaxPrintElementBytes) {
    painter.end();
    printer.abort();
    return {false, 0, Translate("PrintJob", "The paper format's element is too large to print.")};
  }
  QImage element = render ? render(es, dpx, dpy) : QImage();
  if (element.isNull() && es.w > 0 && es.h > 0) {
    element = QImage(es.w, es.h, QImage::Format_RGB32);
    element.fill(Qt::white);
  }
  const QImage::Format kept =
      element.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  if (!element.isNull() && element.format() != kept) element = element.convertToFormat(kept);
  // Clipped once; every position then receives the same image.
  if (NeedsClip(request.details))
    element = ClipToShape(element, request.format, request.details, es.w, es.h);
  if (element.hasAlphaChannel()) element = WhiteWhereTransparent(element);
  const QPoint bleed = element.isNull()
                           ? QPoint()
                           : QPoint((element.width() - es.w) / 2, (element.height() - es.h) / 2);
  return PlaceAll(painter, printer, request, [&](const PixelPoint& at, int32_t) {
    if (!element.isNull()) painter.drawImage(QPoint(at.x, at.y) - bleed, element);
  });
}

PrintResult PrintSheets(QPrinter& printer, const PrintRequest& request, const CoverJob& cover) {
  return PrintParts(printer, {PartPrint{request, cover, {}}});
}

PrintResult PrintParts(QPrinter& printer, const std::vector<PartPrint>& parts) {
  QPainter painter;
  PrintResult result;
  if (!StartJob(painter, printer, result)) return result;
  // Pictures go into a PDF as they are, never compressed with losses, and once per job.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  auto* job = dynamic_cast<JobPrinter*>(&printer);
  PictureImagesScope pictures(job ? job->pictureStandIns() : nullptr);
  const int dpx = printer.logicalDpiX(), dpy = printer.logicalDpiY();
  int pages = 0;
  for (const PartPrint& part : parts) {
    const PrintRequest& request = part.request;
    // Each grid's element: its box, shape and size at the printer.
    const std::vector<GridFormat> grids = GridFormats(request.format, request.details);
    std::vector<PixelSize> sizes;
    for (const GridFormat& g : grids)
      sizes.push_back(PrintElementSize(g.format, request.calibration, dpx, dpy));
    const PixelSize bleed =
        BleedPixels(request.details.bleedX, request.details.bleedY, request.calibration, dpx, dpy);
    std::vector<const CoverJob*> covers{&part.cover};
    for (const CoverJob* c : part.at)
      if (c && std::find(covers.begin(), covers.end(), c) == covers.end()) covers.push_back(c);
    std::vector<PixelRect> placed;
    std::vector<PixelSize> own;  // the element each cover is set for
    bool copiesAlike = true;
    for (const CoverJob* c : covers) {
      PaperFormat element = request.format;
      if (c->elementWidth > 0 && c->elementHeight > 0)
        element.width = c->elementWidth, element.height = c->elementHeight;
      own.push_back(PrintElementSize(element, request.calibration, dpx, dpy));
      placed.push_back(PrintCover(c->settings, request.calibration, own.back().w, c->pictureWidth,
                                  c->pictureHeight, dpx, dpy));
      if (c->objects && c->fields && c->fields->fills(*c->objects)) {
        c->fields->newJob();
        copiesAlike = false;  // texts filled in copy by copy: each is drawn
      }
    }
    const bool placedAll = PlaceSheets(
        painter, printer, request,
        [&](const SheetPosition& p, const PixelPoint& at, int32_t copy, int32_t onSheet) {
          const CoverJob* chosen = size_t(onSheet) < part.at.size() && part.at[size_t(onSheet)]
                                       ? part.at[size_t(onSheet)]
                                       : &part.cover;
          const CoverJob& cover = *chosen;
          const size_t which =
              size_t(std::find(covers.begin(), covers.end(), chosen) - covers.begin());
          const size_t g = size_t(std::clamp(p.grid, 0, int32_t(grids.size()) - 1));
          std::optional<FilledTexts> texts;  // only the texts differ from copy to copy
          if (cover.objects && cover.fields && cover.fields->fills(*cover.objects))
            texts.emplace(*cover.objects, cover.fields->values(copy, request.copies));
          PaintElement(painter, QPoint(at.x, at.y), grids[g].format, grids[g].details, sizes[g],
                       bleed, CentredCover(placed[which], own[which], sizes[g]), cover.draw, dpx,
                       dpy);
        },
        pages, copiesAlike);
    if (!placedAll)
      return {false, pages, Translate("PrintJob", "The print job could not be completed.")};
  }
  return Finish(painter, printer, pages);
}

PrintResult PrintTestPage(QPrinter& printer) {
  printer.setDocName(QStringLiteral("Test print"));
  QPainter painter;
  if (!StartsWithPdf(printer) || !painter.begin(&printer)) return NotStarted(printer);
  const PixelSize s = TestRectangleSize(printer.logicalDpiX(), printer.logicalDpiY());
  painter.setBrush(QColor(192, 192, 192));
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(QRect(0, 0, s.w - 1, s.h - 1));
  return Finish(painter, printer, 1);
}

bool PrinterInstalled() {
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool JobPrinter::printIntoPdf(const std::string& path) {
  pdf_ = std::make_unique<ReplacingFile>(path);
  pdfPath_ = path;
  pdfError_.clear();
  setOutputFormat(QPrinter::PdfFormat);
  if (pdf_->open()) {
    setOutputFileName(QString::fromStdString(pdf_->tempPath()));
    standIns_ = std::make_unique<PdfStandIns>(this);
    return true;
  }
  // The job does not start (an empty name would print on paper); a folder's fault is named.
  const int err = pdf_->errorNumber();
  const std::string why = err == ENOENT || err == EACCES ? WhyNotWritable(path) : std::string();
  pdfError_ = why.empty()
                  ? pdf_->error()
                  : Translate("PrintJob", "The print job could not be started: ") + why + ".";
  pdf_.reset();
  return false;
}

bool JobPrinter::keepPdf(bool ok, std::string& error) {
  if (!pdf_) return ok && pdfError_.empty();
  std::unique_ptr<ReplacingFile> pdf = std::move(pdf_);
  std::unique_ptr<PdfStandIns> standIns = std::move(standIns_);
  const RepeatedPages repeats = std::exchange(repeats_, {});
  if (!ok) return false;  // the temporary file goes, the old PDF stays
  // Qt writes palette pictures as RGB, every picture without predictors, stand-ins for the
  // pictures the job stores itself and empty pages for those that repeat: the file is stored
  // again.
  PictureStreams* streams = standIns ? &standIns->streams() : nullptr;
  const bool mustStore = (streams && !streams->empty()) || !repeats.empty();
  const auto written = ReadPdfToStore(pdf->tempPath());
  ReplacingFile stored(pdfPath_);
  PdfStored result = mustStore ? PdfStored::Failed : PdfStored::AsWritten;
  if (written && stored.open()) {
    ByteSink out([&stored](const uint8_t* bytes, size_t n) { return stored.write(bytes, n); });
    result = StorePdfImages(*written, streams, out, repeats);
  }
  if (result == PdfStored::Stored) {
    if (stored.commit()) return true;
    error = stored.error();
    return false;
  }
  if (result == PdfStored::Failed) {
    error = stored.errorNumber() ? stored.error()
                                 : Translate("PrintJob", "The print job could not be completed.");
    return false;
  }
  if (pdf->commit()) return true;
  error = pdf->error();
  return false;
}

std::unique_ptr<JobPrinter> MakeJobPrinter(const PrinterChoice& choice, const std::string& pdfPath,
                                           int pdfDpi) {
  std::unique_ptr<JobPrinter> printer;
  if (pdfPath.empty()) {
    const QPrinterInfo info = InfoFor(choice);
    printer = info.isNull() ? std::make_unique<JobPrinter>(QPrinter::HighResolution)
                            : std::make_unique<JobPrinter>(info, QPrinter::HighResolution);
    ApplyPrinterChoice(*printer, choice);
  } else {
    printer = std::make_unique<JobPrinter>(QPrinter::HighResolution);
    printer->printIntoPdf(pdfPath);
    printer->setResolution(pdfDpi);
    const QPageSize chosen = ChosenPageSize(choice, QPrinterInfo());
    printer->setPageSize(chosen.isValid() ? chosen : QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    printer->setFullPage(true);
    printer->setPageOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  return printer;
}

void UseSheetSize(QPrinter& printer, const FormatDetails& details) {
  if (printer.outputFormat() != QPrinter::PdfFormat || details.sheetWidth <= 0 ||
      details.sheetHeight <= 0)
    return;
  const QSizeF mm(details.sheetWidth, details.sheetHeight);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

PrinterPage PrinterPageFor(const PrinterChoice& choice) {
  PrinterPage page;
  const bool pdf = InfoFor(choice).isNull();
  auto printer = MakeJobPrinter(choice, pdf ? "/dev/null" : "");
  const QRect r = printer->pageLayout().paintRectPixels(printer->resolution());
  page.widthPx = r.width();
  page.heightPx = r.height();
  page.dpiX = printer->logicalDpiX();
  page.dpiY = printer->logicalDpiY();
  page.pdfFallback = pdf;
  page.printerName = pdf ? std::string() : printer->printerName().toStdString();
  return page;
}

PrinterPage ChoosePrinter(PrinterChoice& choice) {
  CurrentDialogs().printerSetup(choice);  // the page follows the printer also after Cancel
  return PrinterPageFor(choice);
}

std::string AskPdfFile() {
  FileRequest request;
  request.title = Translate("PrintJob", "Print into a PDF file");
  request.filter = Translate("PrintJob", "PDF files (*.pdf)|*.pdf");
  request.defaultExt = "pdf";
  request.kind = FileKind::Pdf;
  request.overwritePrompt = true;
  const auto answer = CurrentDialogs().saveFile(request);
  return answer ? answer->path : std::string();
}

bool PrintTargetChosen(std::string& pdfPath) {
  pdfPath.clear();
  if (PrinterInstalled()) return true;
  pdfPath = AskPdfFile();
  return !pdfPath.empty();
}
