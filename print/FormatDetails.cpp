#include "print/FormatDetails.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/Translate.h"

namespace {
bool Length(double v) {
  return std::isfinite(v) && v >= 0 && v < 1e5;
}
bool Offset(double v) {
  return std::isfinite(v) && std::fabs(v) < 1e5;
}
bool Count(int32_t n) {
  return n >= kPaperCountMin && n <= kPaperCountMax;
}
}  // namespace

FormatGuide GuideLine(double x1, double y1, double x2, double y2) {
  return {GuideKind::Line, x1, y1, x2, y2};
}

FormatGuide GuideMargin(double size) {
  return {GuideKind::Margin, size, 0, 0, 0};
}

FormatGuide GuideCircle(double x, double y, double radius) {
  return {GuideKind::Circle, x, y, radius, 0};
}

namespace {
std::string CheckGuides(const PaperFormat& fmt, const std::vector<FormatGuide>& guides) {
  if (guides.size() > static_cast<size_t>(kMaxGuides))
    return Translate("FormatDetails", "too many guides");
  for (const FormatGuide& g : guides) {
    if (!Offset(g.x1) || !Offset(g.y1) || !Offset(g.x2) || !Offset(g.y2))
      return Translate("FormatDetails", "impossible guide");
    switch (g.kind) {
      case GuideKind::Line:
        break;
      case GuideKind::Margin:
        if (g.x1 < 0 || g.x1 * 2 >= std::min(fmt.width, fmt.height))
          return Translate("FormatDetails", "a margin guide is not inside the element");
        break;
      case GuideKind::Circle:
        if (!(g.x2 > 0)) return Translate("FormatDetails", "a circle guide has no radius");
        break;
      default:
        return Translate("FormatDetails", "unknown guide");
    }
  }
  return {};
}
}  // namespace

LabelGrid RecordGrid(const PaperFormat& fmt) {
  return {fmt.leftMargin, fmt.topMargin, fmt.stepAcross, fmt.stepDown, fmt.columns, fmt.rows, {}};
}

std::vector<LabelGrid> AllGrids(const PaperFormat& fmt, const FormatDetails& d) {
  std::vector<LabelGrid> grids{RecordGrid(fmt)};
  grids.insert(grids.end(), d.moreGrids.begin(), d.moreGrids.end());
  return grids;
}

PaperFormat WithGrid(const PaperFormat& fmt, const LabelGrid& g) {
  PaperFormat t = fmt;
  t.leftMargin = g.left;
  t.topMargin = g.top;
  t.stepAcross = g.stepH;
  t.stepDown = g.stepV;
  t.columns = g.across;
  t.rows = g.down;
  if (g.element) {
    t.width = g.element->width;
    t.height = g.element->height;
  }
  return t;
}

const LabelShape& GridShape(const FormatDetails& d, const LabelGrid& grid) {
  return grid.element ? grid.element->shape : d.shape;
}

bool HasGridElements(const FormatDetails& d) {
  return std::any_of(d.moreGrids.begin(), d.moreGrids.end(),
                     [](const LabelGrid& g) { return g.element.has_value(); });
}

int32_t PositionsPerSheet(const PaperFormat& fmt, const FormatDetails& d) {
  int32_t n = 0;
  for (const LabelGrid& g : AllGrids(fmt, d))
    n += std::clamp(g.across, kPaperCountMin, kPaperCountMax) *
         std::clamp(g.down, kPaperCountMin, kPaperCountMax);
  return n;
}

double DiscDiameter(const PaperFormat& fmt, const LabelShape& s) {
  return s.outerDiameter > 0 ? s.outerDiameter : std::max(fmt.width, fmt.height);
}

namespace {
// The shape `s` of elements as large as `fmt`'s.
std::string CheckShape(const PaperFormat& fmt, const LabelShape& s) {
  if (static_cast<int32_t>(s.kind) < 0 || static_cast<int32_t>(s.kind) > 3)
    return Translate("FormatDetails", "unknown shape");
  if (!Length(s.cornerRadius) || !Length(s.outerDiameter) || !Length(s.holeDiameter))
    return Translate("FormatDetails", "impossible shape lengths");
  if (s.kind == ShapeKind::Rectangle && s.cornerRadius * 2 > std::min(fmt.width, fmt.height) + 1e-9)
    return Translate("FormatDetails", "the corner radius is larger than half the element");
  if (s.kind == ShapeKind::Disc) {
    const double outer = DiscDiameter(fmt, s);
    if (s.holeDiameter >= outer)
      return Translate("FormatDetails", "the hole is not smaller than the disc");
    if (fmt.width > outer + 1e-6 || fmt.height > outer + 1e-6)
      return Translate("FormatDetails", "the element is larger than the disc");
  }
  return {};
}
}  // namespace

std::string CheckDetails(const PaperFormat& fmt, const FormatDetails& d) {
  const LabelShape& s = d.shape;
  if (std::string why = CheckShape(fmt, s); !why.empty()) return why;
  if (d.printableDisc) {
    const double outer = DiscDiameter(fmt, s);
    if (s.kind != ShapeKind::Disc || !d.moreGrids.empty() || fmt.columns != 1 || fmt.rows != 1)
      return Translate("FormatDetails", "a printable disc is one disc");
    if (outer < kDiscOuterMin - 1e-9 || outer > kDiscOuterMax + 1e-9)
      return Translate("FormatDetails", "a printable disc is 76 to 120 mm wide");
    if (s.holeDiameter > kDiscHubMax + 1e-9)
      return Translate("FormatDetails", "a printable disc's hub is at most 46 mm wide");
    if (d.sheetWidth < outer - 1e-6 || d.sheetHeight < outer - 1e-6)
      return Translate("FormatDetails", "a printable disc's page does not hold the disc");
  }
  if (!Length(d.sheetWidth) || !Length(d.sheetHeight) || !Length(d.bleedX) || d.bleedX > 100 ||
      !Length(d.bleedY) || d.bleedY > 100)
    return Translate("FormatDetails", "impossible sheet size or bleed");
  if (d.moreGrids.size() + 1 > static_cast<size_t>(kMaxGrids))
    return Translate("FormatDetails", "too many grids");
  for (const LabelGrid& g : d.moreGrids)
    if (!Offset(g.left) || !Offset(g.top) || !Offset(g.stepH) || !Offset(g.stepV) ||
        !Count(g.across) || !Count(g.down))
      return Translate("FormatDetails", "impossible grid");
  for (const LabelGrid& g : d.moreGrids) {
    if (!g.element) continue;
    if (!Length(g.element->width) || !Length(g.element->height) || g.element->width <= 0 ||
        g.element->height <= 0)
      return Translate("FormatDetails", "impossible element size of a grid");
    if (std::string why = CheckShape(WithGrid(fmt, g), g.element->shape); !why.empty()) return why;
  }
  return CheckGuides(fmt, d.guides);
}

std::pair<PaperFormat, FormatDetails> PrintableDiscFormat(const std::string& name, double page,
                                                          double outer, double hub) {
  PaperFormat t;
  t.name = name;
  t.width = t.height = t.stepAcross = t.stepDown = outer;
  t.leftMargin = t.topMargin = (page - outer) / 2;
  FormatDetails d;
  d.shape.kind = ShapeKind::Disc;
  d.shape.outerDiameter = outer;
  d.shape.holeDiameter = hub;
  d.sheetWidth = d.sheetHeight = page;
  d.printableDisc = true;
  return {t, d};
}
