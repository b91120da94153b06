#pragma once
// A square picture with detail everywhere, so that a PDF does not compress it to nothing.
#include <QImage>

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
