#pragma once
// Printing the sheets of a job, and the calibration test page, with Qt Print Support.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "cover/merge/CopyFields.h"
#include "platform/ReplacingFile.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/views/PrinterInfo.h"
#include "print/PdfImages.h"
#include "print/PrintJobPlan.h"
#include "print/settings/Calibration.h"
#include "print/views/PdfStandIns.h"

// A printer for one job. A PDF is written into a temporary file beside the chosen one, which
// it replaces only when the job succeeded: a failed or killed print leaves the old PDF.
class JobPrinter : public QPrinter {
 public:
  using QPrinter::QPrinter;
  // Prints into `path`; false (the job then cannot start) when the file cannot be written there.
  bool printIntoPdf(const std::string& path);
  // Why printIntoPdf failed, else empty.
  const std::string& pdfError() const { return pdfError_; }
  // Ends a PDF job: the file, its images stored compactly, replaces the chosen one when `ok`;
  // false with `error` when not.
  bool keepPdf(bool ok, std::string& error);
  // While a PDF job runs, what draws its pictures' stand-ins; else nullptr.
  PictureStandIns* pictureStandIns() const { return standIns_.get(); }
  // In a PDF job, photographs (pictures of more than 256 colours shown at their own size or
  // smaller) are stored as JPEGs: a smaller file, with losses. Off: every picture losslessly.
  void setJpegPictures(bool jpeg) {
    if (standIns_) standIns_->setJpegPictures(jpeg);
  }
  // A PDF job can show a page drawn before on a later page left empty, without drawing it again.
  bool repeatsPages() const { return standIns_ != nullptr; }
  void repeatPage(int page, int drawnPage) { repeats_[page] = drawnPage; }

 private:
  std::unique_ptr<ReplacingFile> pdf_;
  std::unique_ptr<PdfStandIns> standIns_;
  RepeatedPages repeats_;
  std::string pdfPath_;
  std::string pdfError_;
};

// Renders the element (cover in a white element) at the printer's resolution; called once.
using ElementRenderer = std::function<QImage(PixelSize element, int dpx, int dpy)>;

// Draws the cover (picture, then its objects) with `painter`, whose origin is the element's top
// left corner, at `cover`: size and offset in element pixels, at the device's resolution `dpx`.
using CoverDrawer =
    std::function<void(QPainter& painter, const PixelRect& cover, int dpx, int dpy)>;

// What the printout places in every element: the cover as set on the Center tab.
struct CoverJob {
  CoverSettings settings;
  int32_t pictureWidth = 1, pictureHeight = 1;
  CoverDrawer draw;
  // With both set, each copy's texts are drawn with their fields filled in.
  ObjectTable* objects = nullptr;
  CopyFields* fields = nullptr;
  // The element (mm) the cover is set for, its part's own; on an element of another size it
  // keeps that size, centred. 0: the format's first grid's element.
  double elementWidth = 0, elementHeight = 0;
};

// A white element of `size` with the cover drawn at `cover`; null when the size is empty or
// too large for memory.
QImage RenderCoverElement(PixelSize size, const PixelRect& cover, const CoverDrawer& draw, int dpx,
                          int dpy);
// A white element with the cover sized and displaced by the calibration, drawn once; with a
// bleed, the image is larger by the bleed (left and right, top and bottom) and the cover is drawn
// into it too.
ElementRenderer MakeCoverRenderer(const CoverJob& cover, const Calibration& calibration,
                                  double bleedXMm = 0, double bleedYMm = 0);
// The bleed in element pixels at the device's resolution, scaled by the calibration.
PixelSize BleedPixels(double xMm, double yMm, const Calibration& c, int dpx, int dpy);
// The element rendered with `bleed` pixels around it: the cover keeps its place in the element,
// and the ring around the white element holds only what the cover draws there (else transparent).
QImage RenderBleedElement(PixelSize element, PixelSize bleed, PixelRect cover,
                          const CoverDrawer& draw, int dpx, int dpy);
// Whether the element must be clipped to a shape (not a plain rectangle).
bool NeedsClip(const FormatDetails& d);

struct PrintResult {
  bool ok = false;
  int pages = 0;
  std::string error;
};

// Prints the job titled "Quendrix": a page per sheet, the element at every position that
// receives a copy, shifted and scaled by the calibration. The same image is drawn each time.
PrintResult PrintSheets(QPrinter& printer, const PrintRequest& request,
                        const ElementRenderer& render);
// Prints the job with the cover drawn straight onto every position, clipped to the element's
// shape: texts and shapes stay vectors, each picture is one lossless image for the whole job.
PrintResult PrintSheets(QPrinter& printer, const PrintRequest& request, const CoverJob& cover);
// One part of a design in a job of several: its request and its cover.
struct PartPrint {
  PrintRequest request;
  CoverJob cover;
  // Another part's cover at some positions of every sheet (counted from 0; null: `cover`).
  std::vector<const CoverJob*> at;
};
// Prints the parts one after the other in one job, each beginning on a new sheet.
PrintResult PrintParts(QPrinter& printer, const std::vector<PartPrint>& parts);
// The "Test print" page: a light grey 100 mm square at the printable area's origin.
PrintResult PrintTestPage(QPrinter& printer);

// Whether any printer is installed; without one, jobs go into a PDF file.
bool PrinterInstalled();
// The chosen (or default) printer with the dialog's paper, orientation, resolution, duplex,
// tray and driver options; with `pdfPath` set, a PDF file at `pdfDpi` on the chosen paper
// (A4 when none), whose printable area is the whole sheet.
std::unique_ptr<JobPrinter> MakeJobPrinter(const PrinterChoice& choice,
                                           const std::string& pdfPath = {}, int pdfDpi = 600);
// A PDF job takes the format's sheet size when it has one; a printer keeps its chosen paper.
void UseSheetSize(QPrinter& printer, const FormatDetails& details);
// The printable page of the chosen printer with its orientation and paper.
PrinterPage PrinterPageFor(const PrinterChoice& choice);
// The page that the cover document takes after the printer setup dialog, answered or not.
PrinterPage ChoosePrinter(PrinterChoice& choice);

// Asks for the PDF file to print into; empty when cancelled.
std::string AskPdfFile();
// With a printer installed, true and an empty `pdfPath`; without one, asks for the PDF file
// and tells whether one was chosen.
bool PrintTargetChosen(std::string& pdfPath);
