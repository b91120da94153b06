#include "print/CropMarks.h"

#include <algorithm>
#include <cmath>

namespace {
bool Touches(const MarkLine& m, const MarkBox& b) {
  const double eps = 1e-6 * std::max({1.0, std::fabs(b.x), std::fabs(b.y), b.w, b.h});
  const double x1 = std::min(m.x1, m.x2), x2 = std::max(m.x1, m.x2);
  const double y1 = std::min(m.y1, m.y2), y2 = std::max(m.y1, m.y2);
  return x2 >= b.x - eps && x1 <= b.x + b.w + eps && y2 >= b.y - eps && y1 <= b.y + b.h + eps;
}

bool Same(const MarkBox& a, const MarkBox& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}
}  // namespace

std::vector<MarkLine> CropMarks(const std::vector<MarkBox>& printed,
                                const std::vector<MarkBox>& sheet, double gap, double length) {
  std::vector<MarkLine> out;
  for (const MarkBox& b : printed) {
    for (int corner = 0; corner < 4; ++corner) {
      const bool right = corner & 1, bottom = corner & 2;
      const double cx = right ? b.x + b.w : b.x, cy = bottom ? b.y + b.h : b.y;
      const double sx = right ? 1 : -1, sy = bottom ? 1 : -1;
      const MarkLine across{cx + sx * gap, cy, cx + sx * (gap + length), cy};
      const MarkLine down{cx, cy + sy * gap, cx, cy + sy * (gap + length)};
      for (const MarkLine& m : {across, down}) {
        bool free = true;
        for (const MarkBox& other : sheet)
          if (!Same(other, b) && Touches(m, other)) free = false;
        if (free) out.push_back(m);
      }
    }
  }
  return out;
}
