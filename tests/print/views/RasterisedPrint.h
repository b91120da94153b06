#pragma once
// Prints a job into a PDF and rasterises it with pdftoppm, to measure where ink lands.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <cstdlib>

#include "cover/ObjectTable.h"
#include "platform/dib/Dib.h"
#include "print/views/CoverDrawer.h"
#include "print/views/PrintJob.h"
#include "tests/support/TestFiles.h"

constexpr int kPrintDpi = 600;
constexpr double kRasterDpi = 254;  // 10 pixels per millimetre
constexpr double kPx = kRasterDpi / 25.4;
constexpr double kTolerance = 0.2;  // mm
// More than any element: filling it fills all that the clip lets through.
const QRect kEverywhere(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21);

// A design as printed: a picture of `bits` per pixel (grey ramps, or `coloured` ones of every
// palette entry or of red across and green down; stripes of black and white), a straight text
// and one along the top arc.
struct Design {
  Dib dib;
  CoverScales scales;
  ObjectTable objects{scales};
  Design(int w, int h, int bits, bool coloured = false) {
    NewDib(dib, w, h, bits, nullptr, 0);
    const int n = PaletteEntryCount(bits);
    for (int i = 0; i < n; ++i)
      dib.Info->bmiColors[i] = {uint8_t(i * 255 / (n - 1)),
                                uint8_t(coloured ? 255 - i * 255 / (n - 1) : i * 255 / (n - 1)),
                                uint8_t(coloured ? i * 97 % 256 : i * 255 / (n - 1)), 0};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        SetDibPixel(dib, x, y,
                    bits == 1   ? uint32_t(x / 8 % 2)
                    : !coloured ? uint32_t((x + y) * 255 / (w + h) * (bits > 8 ? 0x10101 : 1))
                    : bits <= 8 ? uint32_t((x + y) * (n - 1) / (w + h - 2))
                                : uint32_t(x * 255 / w << 16 | y * 255 / h << 8 | 64));
    const int32_t u = int32_t(scales.BaseScale);
    for (int slot : {1, 2}) {
      CoverObject& o = objects[slot];
      o.Kind = kText, o.X = w / 20 * u, o.Y = (slot == 1 ? h / 20 : h / 2) * u;
      o.W = w * 9 / 10 * u, o.H = (slot == 1 ? h * 9 / 10 : h / 5) * u;
      o.Text = slot == 1 ? "Along the rim" : "Proof print";
      o.FontName = "Liberation Sans", o.FontSize = 14;
    }
    objects[1].ShadowOn = objects[1].BorderOn = true;  // drawn as letters and outlines too
    objects.layout(1) = TextLayout{TextShape::TopArc, 180, 5};
  }
  ~Design() { FreeDib(dib); }
  CoverJob job() {
    return {{100, 0, 0}, DibWidth(dib), DibHeight(dib), MakeCoverDrawer(dib, objects)};
  }
};

// The PDF's pages rasterised at `dpi`.
inline std::vector<QImage> Rasterise(const std::string& pdf, int dpi, const TempDir& dir,
                                     const std::string& name = "page") {
  const std::string cmd =
      "pdftoppm -r " + std::to_string(dpi) + " -png '" + pdf + "' '" + dir.file(name) + "'";
  if (std::system(cmd.c_str()) != 0) return {};
  std::vector<QImage> pages;
  const QString folder = QString::fromStdString(dir.path().string());
  for (const QString& f :
       QDir(folder).entryList({QString::fromStdString(name) + "-*.png"}, QDir::Files, QDir::Name))
    pages.push_back(QImage(folder + "/" + f).convertToFormat(QImage::Format_RGB32));
  return pages;
}

// Prints `r` into a PDF with the cover of `job` in every element; the pages as pictures.
inline std::vector<QImage> PrintCover(PrintRequest r, const TempDir& dir, const CoverJob& job,
                                      const PrinterChoice& paper = {}) {
  const std::string pdf = dir.file("out.pdf");
  auto printer = MakeJobPrinter(paper, pdf, kPrintDpi);
  const PrintResult result = PrintSheets(*printer, r, job);
  EXPECT_TRUE(result.ok) << result.error;
  printer.reset();
  return Rasterise(pdf, int(kRasterDpi), dir);
}

// Every element and its bleed in solid red (with `coverOnly`, only the cover: a square as wide
// as the element from its top left corner).
inline std::vector<QImage> PrintRed(PrintRequest r, const TempDir& dir,
                                    const PrinterChoice& paper = {}, bool coverOnly = false) {
  CoverJob red{{100, 0, 0}, 1, 1, [coverOnly](QPainter& p, const PixelRect& c, int, int) {
                 p.fillRect(coverOnly ? QRect(c.x, c.y, c.w, c.h) : kEverywhere, Qt::red);
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
