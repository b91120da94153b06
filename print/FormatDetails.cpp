#include "print/FormatDetails.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {
bool Length(double v) { return std::isfinite(v) && v >= 0 && v < 1e5; }
bool Offset(double v) { return std::isfinite(v) && std::fabs(v) < 1e5; }
bool Count(int32_t n) { return n >= kEttCountMin && n <= kEttCountMax; }
}  // namespace

LabelGrid RecordGrid(const TEttType& fmt) {
  return {fmt.RandLinks, fmt.RandOben, fmt.SchrittH, fmt.SchrittV, fmt.AnzH, fmt.AnzV};
}

std::vector<LabelGrid> AllGrids(const TEttType& fmt, const FormatDetails& d) {
  std::vector<LabelGrid> grids{RecordGrid(fmt)};
  grids.insert(grids.end(), d.moreGrids.begin(), d.moreGrids.end());
  return grids;
}

TEttType WithGrid(const TEttType& fmt, const LabelGrid& g) {
  TEttType t = fmt;
  t.RandLinks = g.left;
  t.RandOben = g.top;
  t.SchrittH = g.stepH;
  t.SchrittV = g.stepV;
  t.AnzH = g.across;
  t.AnzV = g.down;
  return t;
}

int32_t PositionsPerSheet(const TEttType& fmt, const FormatDetails& d) {
  int32_t n = 0;
  for (const LabelGrid& g : AllGrids(fmt, d))
    n += std::clamp(g.across, kEttCountMin, kEttCountMax) * std::clamp(g.down, kEttCountMin, kEttCountMax);
  return n;
}

double DiscDiameter(const TEttType& fmt, const LabelShape& s) {
  return s.outerDiameter > 0 ? s.outerDiameter : std::max(fmt.Breite, fmt.Hoehe);
}

std::string CheckDetails(const TEttType& fmt, const FormatDetails& d) {
  const LabelShape& s = d.shape;
  if (static_cast<int32_t>(s.kind) < 0 || static_cast<int32_t>(s.kind) > 3) return "unknown shape";
  if (!Length(s.cornerRadius) || !Length(s.outerDiameter) || !Length(s.holeDiameter))
    return "impossible shape lengths";
  if (s.kind == ShapeKind::Rectangle && s.cornerRadius * 2 > std::min(fmt.Breite, fmt.Hoehe) + 1e-9)
    return "the corner radius is larger than half the element";
  if (s.kind == ShapeKind::Disc) {
    const double outer = DiscDiameter(fmt, s);
    if (s.holeDiameter >= outer) return "the hole is not smaller than the disc";
    if (fmt.Breite > outer + 1e-6 || fmt.Hoehe > outer + 1e-6) return "the element is larger than the disc";
  }
  if (!Length(d.sheetWidth) || !Length(d.sheetHeight) || !Length(d.bleed) || d.bleed > 100)
    return "impossible sheet size or bleed";
  if (d.moreGrids.size() + 1 > static_cast<size_t>(kMaxGrids)) return "too many grids";
  for (const LabelGrid& g : d.moreGrids)
    if (!Offset(g.left) || !Offset(g.top) || !Offset(g.stepH) || !Offset(g.stepV) ||
        !Count(g.across) || !Count(g.down))
      return "impossible grid";
  return {};
}
