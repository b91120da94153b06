#pragma once
// Where each letter of a curved text goes: the lines run along the ellipse inscribed in the
// object's box, the first on the outer arc, the others one line height further in.
#include <vector>

#include "cover/text/TextLayout.h"

struct CurvedTextInput {
  double left = 0, top = 0, width = 0, height = 0;  // the object's box, device pixels
  TextLayout layout;
  int align = 0;                   // 0 start, 1 centre, 2 end of the span
  int rotation = 0;                // quarter turns clockwise; turns the span's centre
  double fontHeight = 0;           // character height; the letter spacing is a percent of it
  double ascent = 0, descent = 0;  // of the font at fontHeight
  std::vector<std::vector<double>> advances;  // per line, the advance width of each letter
};

struct PlacedGlyph {
  int line = 0, index = 0;  // the letter
  double x = 0, y = 0;      // start of its baseline, device pixels
  double angle = 0;         // baseline direction, degrees counter-clockwise, 0 <= angle < 360
  double scale = 1;         // the line's letters shrunk by this to fit the span
};

// The ellipse a line's baseline runs on, device pixels.
struct BaselineEllipse {
  double cx = 0, cy = 0, rx = 0, ry = 0;
};

// Every letter of every line that fits inside the ellipse, in reading order; lines whose
// baseline would not fit are left out. Text longer than the span first loses its extra spacing,
// then its letters shrink, so that nothing runs past the span.
std::vector<PlacedGlyph> LayOutCurvedText(const CurvedTextInput& in);
// The baseline ellipse of line `line` with letters at `scale`.
BaselineEllipse CurvedBaseline(const CurvedTextInput& in, int line, double scale);
