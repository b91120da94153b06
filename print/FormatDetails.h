#pragma once
// What a paper format holds beyond its paper.dat record: the element's shape, more grids of
// elements, the sheet size, the bleed and the guides. All lengths in millimetres.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "print/PaperFormat.h"

enum class ShapeKind : int32_t { Rectangle = 0, Round = 1, Ellipse = 2, Disc = 3 };

// The element's outline inside its box (the record's width and height).
struct LabelShape {
  ShapeKind kind = ShapeKind::Rectangle;
  double cornerRadius = 0;   // rectangle
  double outerDiameter = 0;  // disc; larger than the box when the disc is flattened
  double holeDiameter = 0;   // disc; 0 for none
  bool operator==(const LabelShape&) const = default;
};

// The element of a grid whose labels differ from the record's (a spine strip beside discs).
struct GridElement {
  double width = 0, height = 0;
  LabelShape shape;
  bool operator==(const GridElement&) const = default;
};

// One grid of elements: margins to its first element, steps, elements across and down.
struct LabelGrid {
  double left = 0, top = 0;
  double stepH = 0, stepV = 0;
  int32_t across = 1, down = 1;
  std::optional<GridElement> element;  // a grid after the first only; none: the record's
  bool operator==(const LabelGrid&) const = default;
};

constexpr int kMaxGrids = 50;  // grids of one format, the first one included

enum class GuideKind : int32_t { Line = 0, Margin = 1, Circle = 2 };

// A line drawn over the element but never part of the cover: a fold or spine line, a margin
// inside the outline, a circle. Positions relative to the element's top left corner.
struct FormatGuide {
  GuideKind kind = GuideKind::Line;
  double x1 = 0, y1 = 0;  // a line's start, a circle's centre, a margin's width (x1)
  double x2 = 0, y2 = 0;  // a line's end, a circle's radius (x2)
  bool operator==(const FormatGuide&) const = default;
};
FormatGuide GuideLine(double x1, double y1, double x2, double y2);
FormatGuide GuideMargin(double size);
FormatGuide GuideCircle(double x, double y, double radius);

constexpr int kMaxGuides = 100;  // guides of one format

struct FormatDetails {
  LabelShape shape;
  std::vector<LabelGrid> moreGrids;        // the grids after the record's own
  double sheetWidth = 0, sheetHeight = 0;  // 0: the printer's page
  double bleedX = 0, bleedY = 0;  // how far the cover runs past the outline: left and right, top
                                  // and bottom
  bool printableDisc = false;     // one disc in the printer's disc tray, not a sheet of labels
  std::vector<FormatGuide> guides;
  // True when the format is the record alone: a plain rectangle on one grid.
  bool isPlain() const { return *this == FormatDetails{}; }
  bool operator==(const FormatDetails&) const = default;
};

// The record's grid, then the more grids.
std::vector<LabelGrid> AllGrids(const PaperFormat& fmt, const FormatDetails& d);
LabelGrid RecordGrid(const PaperFormat& fmt);
// A copy of the record whose margins, steps and counts are those of `grid`, and its element's
// size when the grid has its own.
PaperFormat WithGrid(const PaperFormat& fmt, const LabelGrid& grid);
// The shape of `grid`'s elements: its own, else the format's.
const LabelShape& GridShape(const FormatDetails& d, const LabelGrid& grid);
// Whether some grid has elements of its own size or shape.
bool HasGridElements(const FormatDetails& d);
// Elements per sheet: the sum over all grids.
int32_t PositionsPerSheet(const PaperFormat& fmt, const FormatDetails& d);
// The disc's outer diameter (the box's larger side when none is stored).
double DiscDiameter(const PaperFormat& fmt, const LabelShape& s);
// A printable disc's limits: outer diameters of mini and full discs, the largest hub.
constexpr double kDiscOuterMin = 76, kDiscOuterMax = 120, kDiscHubMax = 46;
constexpr double kDiscOuterDefault = 118, kMiniDiscOuterDefault = 78, kDiscHubDefault = 22;
// A printable disc of `outer` and `hub` mm centred on a square page `page` mm wide.
std::pair<PaperFormat, FormatDetails> PrintableDiscFormat(const std::string& name, double page,
                                                          double outer, double hub);
// Checks the values a file or the dialog gave; an error text, empty when they make a format.
std::string CheckDetails(const PaperFormat& fmt, const FormatDetails& d);
