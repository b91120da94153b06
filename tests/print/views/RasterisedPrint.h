#pragma once
// Prints a job into a PDF and rasterises it with pdftoppm, to measure where ink lands.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <cstdlib>

#include "print/views/PrintJob.h"
#include "tests/support/TestFiles.h"

constexpr int kPrintDpi = 600;
constexpr double kRasterDpi = 254;  // 10 pixels per millimetre
constexpr double kPx = kRasterDpi / 25.4;
constexpr double kTolerance = 0.2;  // mm

// Prints `r` into a PDF with the cover of `job` in every element; the pages as pictures.
inline std::vector<QImage> PrintCover(PrintRequest r, const TempDir& dir, const CoverJob& job,
                                      const PrinterChoice& paper = {}) {
  const std::string pdf = dir.file("out.pdf");
  auto printer = MakeJobPrinter(paper, pdf, kPrintDpi);
  const PrintResult result = PrintSheets(
      *printer, r, MakeCoverRenderer(job, r.calibration, r.details.bleedX, r.details.bleedY));
  EXPECT_TRUE(result.ok) << result.error;
  printer.reset();
  const std::string cmd = "pdftoppm -r 254 -png '" + pdf + "' '" + dir.file("page") + "'";
  if (std::system(cmd.c_str()) != 0) return {};
  std::vector<QImage> pages;
  const QString folder = QString::fromStdString(dir.path().string());
  for (const QString& f :
       QDir(folder).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name))
    pages.push_back(QImage(folder + "/" + f).convertToFormat(QImage::Format_RGB32));
  return pages;
}

// Every element and its bleed in solid red (with `coverOnly`, only the cover: a square as wide
// as the element from its top left corner).
inline std::vector<QImage> PrintRed(PrintRequest r, const TempDir& dir,
                                    const PrinterChoice& paper = {}, bool coverOnly = false) {
  CoverJob red{{100, 0, 0}, 1, 1, [coverOnly](QImage& element, const PixelRect& c, int, int) {
                 if (coverOnly)
                   QPainter(&element).fillRect(QRect(c.x, c.y, c.w, c.h), Qt::red);
                 else
                   element.fill(Qt::red);
               }};
  return PrintCover(r, dir, red, paper);
}

enum Ink { White, Red, Dark };
// The ink at a point given in millimetres from the paper's top left corner.
inline Ink InkAt(const QImage& img, double xMm, double yMm) {
  const QColor c = img.pixelColor(int(std::floor(xMm * kPx)), int(std::floor(yMm * kPx)));
  if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return Red;
  if (c.red() > 230 && c.green() > 230 && c.blue() > 230) return White;
  return Dark;
}
