#include "print/SheetLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/Units.h"

int32_t TruncPixels(double v) {
  if (!(v == v)) return 0;
  const double nudged = v + std::copysign(1e-9 * std::max(1.0, std::fabs(v)), v);
  return static_cast<int32_t>(std::clamp(std::trunc(nudged), -2147483648.0, 2147483647.0));
}

namespace {
int32_t Trunc(double v) {
  return TruncPixels(v);
}
int32_t Across(const PaperFormat& f) {
  return std::clamp(f.columns, kPaperCountMin, kPaperCountMax);
}
int32_t Down(const PaperFormat& f) {
  return std::clamp(f.rows, kPaperCountMin, kPaperCountMax);
}
}  // namespace

SheetPosition SheetLayout::at(int32_t k) const {
  SheetPosition p;
  p.k = k;
  if (!grids.empty()) {
    p.sheet = k / perSheet;
    int32_t i = k % perSheet;
    for (size_t g = 0; g < grids.size(); ++g) {
      const int32_t n = grids[g].across * grids[g].down;
      if (i < n || g + 1 == grids.size()) {
        p.grid = static_cast<int32_t>(g);
        p.col = i % grids[g].across;
        p.row = i / grids[g].across;
        break;
      }
      i -= n;
    }
    return p;
  }
  p.col = k % across;
  p.row = (k / across) % (perSheet / across);
  p.sheet = k / perSheet;
  return p;
}

std::vector<SheetPosition> SheetLayout::onSheet(int32_t sheet) const {
  std::vector<SheetPosition> out;
  const int32_t from = std::max(first, sheet * perSheet);
  const int32_t to = std::min(last, sheet * perSheet + perSheet - 1);
  for (int32_t k = from; k <= to; ++k)
    if (receives(k)) out.push_back(at(k));
  return out;
}

bool SheetLayout::receives(int32_t k) const {
  return k >= first && k <= last && !std::binary_search(marked.begin(), marked.end(), k);
}

std::vector<SheetPosition> SheetLayout::printed() const {
  std::vector<SheetPosition> out;
  for (int32_t k = first; k <= last; ++k) {
    if (!receives(k)) continue;
    const SheetPosition p = at(k);
    if (sheets.empty() || std::binary_search(sheets.begin(), sheets.end(), p.sheet))
      out.push_back(p);
  }
  return out;
}

int32_t SheetLayout::copyOf(int32_t k) const {
  const auto skipped = std::lower_bound(marked.begin(), marked.end(), k) -
                       std::lower_bound(marked.begin(), marked.end(), first);
  return k - first - static_cast<int32_t>(skipped);
}

SheetLayout LayoutFor(const PaperFormat& fmt, const FormatDetails& d, int32_t used,
                      const std::vector<int32_t>& marked, int32_t copies) {
  SheetLayout l = LayoutFor(fmt, d, used, copies);
  for (int32_t k : marked)
    if (k >= l.first && k < l.perSheet) l.marked.push_back(k);
  std::sort(l.marked.begin(), l.marked.end());
  l.marked.erase(std::unique(l.marked.begin(), l.marked.end()), l.marked.end());
  int32_t left = std::max(copies, 1);
  for (int32_t k = l.first;; ++k)
    if (!std::binary_search(l.marked.begin(), l.marked.end(), k) && --left == 0) {
      l.last = k;
      break;
    }
  l.pages = l.last / l.perSheet + 1;
  return l;
}

SheetLayout LayoutFor(const PaperFormat& fmt, int32_t used, int32_t copies) {
  SheetLayout l;
  l.across = Across(fmt);
  l.perSheet = l.across * Down(fmt);
  l.first = std::max(used, 0);
  l.last = l.first + std::max(copies, 1) - 1;
  l.pages = l.last / l.perSheet + 1;
  return l;
}

SheetLayout LayoutFor(const PaperFormat& fmt, const FormatDetails& d, int32_t used,
                      int32_t copies) {
  if (d.moreGrids.empty()) return LayoutFor(fmt, used, copies);
  SheetLayout l = LayoutFor(fmt, used, copies);
  for (LabelGrid g : AllGrids(fmt, d)) {
    g.across = std::clamp(g.across, kPaperCountMin, kPaperCountMax);
    g.down = std::clamp(g.down, kPaperCountMin, kPaperCountMax);
    l.grids.push_back(g);
  }
  l.perSheet = PositionsPerSheet(fmt, d);
  l.pages = l.last / l.perSheet + 1;
  return l;
}

PaperFormat PositionGrid(const PaperFormat& fmt, const SheetLayout& l, const SheetPosition& p) {
  if (p.grid < 0 || static_cast<size_t>(p.grid) >= l.grids.size()) return fmt;
  return WithGrid(fmt, l.grids[static_cast<size_t>(p.grid)]);
}

std::vector<GridFormat> GridFormats(const PaperFormat& fmt, const FormatDetails& d) {
  std::vector<GridFormat> out;
  FormatDetails shaped = d;
  shaped.moreGrids.clear();
  for (const LabelGrid& g : AllGrids(fmt, d)) {
    shaped.shape = GridShape(d, g);
    shaped.guides = g.element ? std::vector<FormatGuide>{} : d.guides;  // the first element's
    out.push_back({WithGrid(fmt, g), shaped});
  }
  return out;
}

PixelRect CentredCover(PixelRect cover, PixelSize own, PixelSize box) {
  cover.x += (box.w - own.w) / 2;
  cover.y += (box.h - own.h) / 2;
  return cover;
}

int32_t CorrectUsed(const PaperFormat& fmt, const FormatDetails& d, int32_t used) {
  const int32_t n = PositionsPerSheet(fmt, d);
  return used >= n - 1 ? n - 1 : used;
}

int32_t CorrectUsed(const PaperFormat& fmt, int32_t used) {
  return CorrectUsed(fmt, FormatDetails{}, used);
}

int32_t CorrectPage(int32_t page, int32_t pageCount) {
  return page > pageCount ? pageCount : page;
}

PixelSize PreviewSize(int32_t pageWidthPx, int32_t pageHeightPx, double screenDpi,
                      double printerDpi, int32_t zoom) {
  return {Trunc(zoom * (pageWidthPx * screenDpi / printerDpi) / 100),
          Trunc(zoom * (pageHeightPx * screenDpi / printerDpi) / 100)};
}

PixelSize PreviewElementSize(const PaperFormat& fmt, double screenDpi, int32_t zoom) {
  const double f = kMmPerInch;
  return {Trunc(zoom * (fmt.width / f * screenDpi) / 100),
          Trunc(zoom * (fmt.height / f * screenDpi) / 100)};
}

PixelPoint PreviewElementPos(const PaperFormat& fmt, const SheetPosition& p, double screenDpi,
                             int32_t zoom) {
  const double f = kMmPerInch;
  return {
      Trunc(zoom * (fmt.leftMargin / f * screenDpi + fmt.stepAcross / f * screenDpi * p.col) / 100),
      Trunc(zoom * (fmt.topMargin / f * screenDpi + fmt.stepDown / f * screenDpi * p.row) / 100)};
}

PixelRect PreviewCover(const CoverSettings& c, int32_t elementWidth, int32_t dibW, int32_t dibH,
                       double screenDpi, int32_t zoom) {
  const double f = kMmPerInch;
  PixelRect r;
  r.w = Trunc(c.sizePercent * elementWidth / 100);
  r.h = dibW > 0 ? Trunc(static_cast<double>(dibH) * r.w / dibW) : 0;
  r.x = Trunc(zoom * (c.leftInch * f * screenDpi / f) / 100);
  r.y = Trunc(zoom * (c.topInch * f * screenDpi / f) / 100);
  return r;
}
