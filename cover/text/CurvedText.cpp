#include "cover/text/CurvedText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kSteps = 256;

// Arc length along an ellipse from the span's start in the reading direction.
class EllipseArc {
 public:
  EllipseArc(const BaselineEllipse& e, double start, double direction, double span)
      : e_(e), start_(start), step_(direction * span / kSteps), circle_(e.rx == e.ry) {
    if (circle_) return;  // arc length is the radius times the angle
    double px = e.rx * std::cos(start), py = e.ry * std::sin(start);
    length_[0] = 0;
    for (int i = 1; i <= kSteps; ++i) {
      const double t = start + step_ * i;
      const double x = e.rx * std::cos(t), y = e.ry * std::sin(t);
      length_[i] = length_[i - 1] + std::hypot(x - px, y - py);
      px = x;
      py = y;
    }
  }
  double length() const { return circle_ ? e_.rx * std::abs(step_) * kSteps : length_[kSteps]; }

  // The point at arc length s and the unit reading direction there, screen coordinates.
  void At(double s, double& x, double& y, double& dx, double& dy) const {
    s = std::clamp(s, 0.0, length());
    const double t = circle_ ? start_ + (step_ < 0 ? -s : s) / e_.rx : Param(s);
    x = e_.cx + e_.rx * std::cos(t);
    y = e_.cy - e_.ry * std::sin(t);
    const double sign = step_ < 0 ? -1.0 : 1.0;
    double tx = -sign * e_.rx * std::sin(t), ty = sign * e_.ry * std::cos(t);
    const double n = std::hypot(tx, ty);
    if (n > 0) tx /= n, ty /= n;
    dx = tx;
    dy = -ty;
  }

 private:
  double Param(double s) const {
    const auto it = std::upper_bound(length_.begin() + 1, length_.end() - 1, s);
    const int i = int(it - length_.begin()) - 1;
    const double seg = length_[i + 1] - length_[i];
    return start_ + step_ * (i + (seg > 0 ? (s - length_[i]) / seg : 0));
  }

  BaselineEllipse e_;
  double start_, step_;
  bool circle_;
  std::array<double, kSteps + 1> length_{};
};

bool Top(const CurvedTextInput& in) {
  return in.layout.shape == TextShape::TopArc;
}

double SpanRadians(const CurvedTextInput& in) {
  return std::clamp(in.layout.arc, TextLayout::kMinArc, TextLayout::kMaxArc) * kPi / 180;
}

// The span along the line's baseline: the top arc reads clockwise, the bottom arc
// counter-clockwise.
EllipseArc SpanOf(const CurvedTextInput& in, const BaselineEllipse& e) {
  const double turn = (in.rotation & 3) * kPi / 2;
  const double span = SpanRadians(in);
  if (Top(in)) return EllipseArc(e, kPi / 2 - turn + span / 2, -1, span);
  return EllipseArc(e, 3 * kPi / 2 - turn - span / 2, 1, span);
}

struct Fit {
  double scale = 1, gap = 0;
};

// Spacing shrinks first (to none), then the letters, until the line fits `length`.
Fit FitLine(const std::vector<double>& advances, double gap, double length) {
  const double sum = std::accumulate(advances.begin(), advances.end(), 0.0);
  const double gaps = advances.empty() ? 0 : double(advances.size() - 1);
  if (sum + gaps * gap <= length) return {1, gap};
  if (gap > 0 && sum <= length) return {1, gaps > 0 ? (length - sum) / gaps : 0};
  const double tight = std::min(gap, 0.0);
  const double natural = sum + gaps * tight;
  const double scale = natural > 0 ? std::max(0.0, length) / natural : 1;
  return {scale, tight * scale};
}
}  // namespace

BaselineEllipse CurvedBaseline(const CurvedTextInput& in, int line, double scale) {
  const double inset = line * (in.ascent + in.descent) + (Top(in) ? in.ascent : in.descent) * scale;
  return {in.left + in.width / 2, in.top + in.height / 2, in.width / 2 - inset,
          in.height / 2 - inset};
}

std::vector<PlacedGlyph> LayOutCurvedText(const CurvedTextInput& in) {
  std::vector<PlacedGlyph> out;
  if (!in.layout.curved()) return out;
  const double gap = in.layout.spacing / 100.0 * in.fontHeight;
  for (int line = 0; line < int(in.advances.size()); ++line) {
    const std::vector<double>& adv = in.advances[line];
    const BaselineEllipse full = CurvedBaseline(in, line, 1);
    if (full.rx <= 0 || full.ry <= 0) break;  // this line and all further ones lie past the centre
    if (adv.empty()) continue;
    const Fit fit = FitLine(adv, gap, SpanOf(in, full).length());
    // Smaller letters move the baseline outward, so the span only grows.
    const EllipseArc arc = SpanOf(in, CurvedBaseline(in, line, fit.scale));
    double total = fit.gap * double(adv.size() - 1);
    for (double a : adv) total += a * fit.scale;
    double u = in.align == 1   ? (arc.length() - total) / 2
               : in.align == 2 ? arc.length() - total
                               : 0;
    for (int i = 0; i < int(adv.size()); ++i) {
      const double half = adv[i] * fit.scale / 2;
      double x, y, dx, dy;
      arc.At(u + half, x, y, dx, dy);
      double angle = std::atan2(-dy, dx) * 180 / kPi;
      if (angle < 0) angle += 360;
      if (angle >= 360) angle -= 360;
      out.push_back({line, i, x - dx * half, y - dy * half, angle, fit.scale});
      u += adv[i] * fit.scale + fit.gap;
    }
  }
  return out;
}
