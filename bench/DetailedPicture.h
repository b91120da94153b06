#pragma once
// A square picture with detail everywhere, so that a PDF does not compress it to nothing.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

inline QImage DetailedPicture(int side, uint32_t seed) {
  QImage img(side, side, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      seed = seed * 1664525u + 1013904223u;
      row[x] =
          qRgb((x * 255 / side + (seed >> 28)) & 255, (y * 255 / side) & 255, (seed >> 24) & 63);
    }
  }
  return img;
}

// A square picture as a photograph is: smooth light and shade, a few discs with soft edges and
// a little sensor noise of one or two levels.
inline QImage PhotoLikePicture(int side, uint32_t seed) {
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  struct Disc {
    double x, y, r;
    QRgb colour;
  };
  std::vector<Disc> discs;
  for (int i = 0; i < 6; ++i)
    discs.push_back({next() % 1000 / 1000.0 * side, next() % 1000 / 1000.0 * side,
                     (0.05 + next() % 1000 / 5000.0) * side, next() | 0xFF000000u});
  QImage img(side, side, QImage::Format_RGB32);
  constexpr double kTau = 6.283185307179586;
  for (int y = 0; y < side; ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    const double fy = double(y) / side;
    for (int x = 0; x < side; ++x) {
      const double fx = double(x) / side;
      double r = 128 + 90 * std::sin(kTau * (1.3 * fx + 0.2)) * std::cos(kTau * 0.7 * fy);
      double g = 110 + 70 * std::cos(kTau * (0.6 * fx - 0.9 * fy));
      double b = 100 + 80 * std::sin(kTau * 1.1 * fy + 1);
      for (const Disc& d : discs) {
        const double edge = std::hypot(x - d.x, y - d.y) - d.r;
        const double k = std::clamp(0.5 - edge / 3, 0.0, 1.0) * 0.8;
        r += k * (qRed(d.colour) - r), g += k * (qGreen(d.colour) - g);
        b += k * (qBlue(d.colour) - b);
      }
      const int n = int(next() >> 30) - 1;  // -1 to 2
      row[x] = qRgb(std::clamp(int(r) + n, 0, 255), std::clamp(int(g) + n, 0, 255),
                    std::clamp(int(b) + n, 0, 255));
    }
  }
  return img;
}
