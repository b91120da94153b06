#pragma once
// Crop marks: short lines outside the corners of printed rectangular elements, left out where
// they would run into another element of the sheet.
#include <vector>

struct MarkBox {
  double x = 0, y = 0, w = 0, h = 0;
};
struct MarkLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const MarkLine&) const = default;
};

// Marks for the `printed` boxes, `gap` away from each corner and `length` long, along the
// extended edges; a mark that touches a box of `sheet` (every position of the sheet, used or
// not) other than its own is left out, so touching elements keep only the free edges' marks.
std::vector<MarkLine> CropMarks(const std::vector<MarkBox>& printed,
                                const std::vector<MarkBox>& sheet, double gap, double length);
