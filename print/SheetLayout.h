#pragma once
// Which copy goes to which sheet, row and column; shared by the preview and printing.
#include <cstdint>
#include <vector>

#include "print/FormatDetails.h"
#include "print/PaperFormat.h"

struct SheetPosition {
  int32_t k = 0;                        // position counted through all sheets in reading order
  int32_t col = 0, row = 0, sheet = 0;  // sheet counted from 0
  int32_t grid = 0;                     // col and row count within this grid
  bool operator==(const SheetPosition&) const = default;
};

// Copies of one job on a format: positions `first` .. `last` (inclusive).
struct SheetLayout {
  int32_t perSheet = 1;
  int32_t first = 0, last = 0;
  int32_t pages = 1;
  int32_t across = 1;
  std::vector<LabelGrid> grids;  // numbered grid by grid; empty: one grid `across` wide
  std::vector<int32_t> marked;   // positions of the first sheet marked used, which copies skip
  std::vector<int32_t> sheets;   // the sheets (0-based) that are printed; empty: all

  // Whether position `k` receives a copy (between first and last, not marked).
  bool receives(int32_t k) const;
  // Every position that receives a copy on a printed sheet, in increasing order.
  std::vector<SheetPosition> printed() const;
  // Which copy of the job (0 is the first) position `k` receives, also on sheets printed again.
  int32_t copyOf(int32_t k) const;

  SheetPosition at(int32_t k) const;
  // The positions that receive a copy on `sheet` (0-based), in increasing order.
  std::vector<SheetPosition> onSheet(int32_t sheet) const;
};

// `used` is the corrected number of used positions, `copies` at least 1.
SheetLayout LayoutFor(const PaperFormat& fmt, int32_t used, int32_t copies);
// The same over all grids of a format with details.
SheetLayout LayoutFor(const PaperFormat& fmt, const FormatDetails& d, int32_t used, int32_t copies);
// The same with positions of the first sheet marked used besides the first `used`: the copies
// take the free positions in order. Marks outside the first sheet are ignored.
SheetLayout LayoutFor(const PaperFormat& fmt, const FormatDetails& d, int32_t used,
                      const std::vector<int32_t>& marked, int32_t copies);
// The record whose margins, steps and counts place position `p`: those of its grid, with the
// grid's element size when it has its own.
PaperFormat PositionGrid(const PaperFormat& fmt, const SheetLayout& l, const SheetPosition& p);
// What drawing one grid's elements needs: the record as PositionGrid gives it, and the details
// with the grid's shape (and no more grids).
struct GridFormat {
  PaperFormat format;
  FormatDetails details;
};
// Every grid's, indexed by SheetPosition::grid; a grid of its own element has no guides.
std::vector<GridFormat> GridFormats(const PaperFormat& fmt, const FormatDetails& d);
// At most n - 1 positions of the first sheet can be marked used.
int32_t CorrectUsed(const PaperFormat& fmt, int32_t used);
int32_t CorrectUsed(const PaperFormat& fmt, const FormatDetails& d, int32_t used);
// The page shown is at most the page count.
int32_t CorrectPage(int32_t page, int32_t pageCount);

// Truncates toward zero, forgiving the rounding error of decimal inputs in binary floating
// point (4.75 inch at 96 dots per inch is 456 pixels, not 455.99999999999994 -> 455).
int32_t TruncPixels(double v);

struct PixelSize {
  int32_t w = 0, h = 0;
  bool operator==(const PixelSize&) const = default;
};
struct PixelPoint {
  int32_t x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The printer page at screen scale and `zoom` percent (both axes use the horizontal resolutions).
PixelSize PreviewSize(int32_t pageWidthPx, int32_t pageHeightPx, double screenDpi,
                      double printerDpi, int32_t zoom);
PixelSize PreviewElementSize(const PaperFormat& fmt, double screenDpi, int32_t zoom);
PixelPoint PreviewElementPos(const PaperFormat& fmt, const SheetPosition& p, double screenDpi,
                             int32_t zoom);

// The cover inside one element: size in percent of the element width, displacement in inch.
inline constexpr double kMaxCoverShiftInch = 1000;  // either way, on either axis
inline constexpr int kMinCoverSizePercent = 10, kMaxCoverSizePercent = 500;
struct CoverSettings {
  double sizePercent = 100;
  double leftInch = 0, topInch = 0;
  bool operator==(const CoverSettings&) const = default;
};
struct PixelRect {
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool operator==(const PixelRect&) const = default;
};
// The cover set for an element of `own` pixels placed into an element of `box` pixels: the two
// elements centred on each other, the cover at its own size.
PixelRect CentredCover(PixelRect cover, PixelSize own, PixelSize box);
// The cover in a preview element `elementWidth` pixels wide, for a picture of dibW x dibH.
PixelRect PreviewCover(const CoverSettings& c, int32_t elementWidth, int32_t dibW, int32_t dibH,
                       double screenDpi, int32_t zoom);
