#include "platform/device/views/PictureImages.h"

#include <algorithm>
#include <cstring>

#include "platform/device/views/DibImage.h"

namespace {
PictureImages* gCurrent = nullptr;

bool BlackAndWhite(QRgb a, QRgb b) {
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
  return (a == black && b == white) || (a == white && b == black);
}

// Rows of a quick key: every this many, and the last. A picture's pixels do not change while a
// job draws it; the rows tell it from another picture put into a freed buffer of the same size.
constexpr int kRowStep = 16;

// Geometry, colour table and pixels of the DIB: equal keys mean equal pictures. A quick key names
// the buffer and hashes some rows, an exact one hashes every row wherever it lies.
QByteArray KeyOf(const uint8_t* bits, const BITMAPINFO* info, const QRect& source, QSize size,
                 bool exact) {
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const int stride = DibStride(h.biWidth, h.biBitCount);
  const QVector<QRgb> table = h.biBitCount <= 8 ? DibColorTable(info) : QVector<QRgb>();
  const int64_t fields[] = {exact ? 0 : int64_t(reinterpret_cast<uintptr_t>(bits)),
                            h.biWidth,
                            h.biHeight,
                            h.biBitCount,
                            source.x(),
                            source.y(),
                            source.width(),
                            source.height(),
                            size.width(),
                            size.height()};
  QByteArray key(reinterpret_cast<const char*>(fields), sizeof fields);
  size_t pixels = 1;
  if (exact)
    pixels = qHashBits(bits, size_t(int64_t(stride) * h.biHeight), pixels);
  else
    for (int y = 0; y < h.biHeight;
         y = y + 1 < h.biHeight ? std::min(y + kRowStep, h.biHeight - 1) : h.biHeight)
      pixels = qHashBits(bits + int64_t(y) * stride, size_t(stride), pixels);
  const size_t colours = qHashBits(table.constData(), size_t(table.size()) * sizeof(QRgb), 2);
  key.append(reinterpret_cast<const char*>(&pixels), sizeof pixels);
  key.append(reinterpret_cast<const char*>(&colours), sizeof colours);
  return key;
}
}  // namespace

QImage DibToOwnDepthImage(const uint8_t* bits, const BITMAPINFO* info) {
  if (!DibReadable(bits, info)) return {};
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const int w = h.biWidth, height = h.biHeight, depth = h.biBitCount;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 24) return {};
  if (!DibSizeAllowed(w, height, 24) || uint64_t(w) * uint64_t(height) * 4 > kMaxDibBytes)
    return {};
  if (depth == 24) return DibRegionToImage(bits, info, 0, 0, w, height, 0, height);
  const QVector<QRgb> table = DibColorTable(info);
  const int stride = DibStride(w, depth);
  if (depth == 1) {
    QImage image(w, height, QImage::Format_Mono);
    if (image.isNull()) return {};
    // Black as 0 and white as 1: a 1-bit picture then stays 1-bit in a PDF.
    const bool bw = BlackAndWhite(table[0], table[1]);
    const bool invert = bw && table[0] != qRgb(0, 0, 0);
    image.setColorTable(bw ? QVector<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}
                           : QVector<QRgb>{table[0], table[1]});
    const int rowBytes = (w + 7) / 8;
    for (int y = 0; y < height; ++y) {
      const uint8_t* row = bits + int64_t(height - 1 - y) * stride;
      uchar* out = image.scanLine(y);
      std::memcpy(out, row, size_t(rowBytes));
      if (invert)
        for (int i = 0; i < rowBytes; ++i) out[i] = uchar(~out[i]);
    }
    return image;
  }
  QImage image(w, height, QImage::Format_Indexed8);
  if (image.isNull()) return {};
  image.setColorTable(table.mid(0, PaletteEntryCount(depth)));
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bits + int64_t(height - 1 - y) * stride;
    uchar* out = image.scanLine(y);
    if (depth == 8) {
      std::memcpy(out, row, size_t(w));
      continue;
    }
    for (int x = 0; x < w; ++x) out[x] = (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
  }
  return image;
}

QImage PictureImages::image(const uint8_t* bits, const BITMAPINFO* info, const QRect& source,
                            QSize most, const QPaintDevice* device) {
  if (!DibReadable(bits, info)) return {};
  const QRect whole(0, 0, info->bmiHeader.biWidth, info->bmiHeader.biHeight);
  if (source.isEmpty() || !whole.contains(source) || most.isEmpty()) return {};
  // Never scaled up; scaled down only where the picture is finer than the device.
  const QSize size(std::min(source.width(), most.width()),
                   std::min(source.height(), most.height()));
  const bool standIn =
      standIns_ && info->bmiHeader.biBitCount == 24 && standIns_->standsInOn(device);
  QHash<QByteArray, QImage>& images = standIn ? standInImages_ : images_;
  const QByteArray quick = KeyOf(bits, info, source, size, false);
  if (auto found = images.constFind(quick); found != images.constEnd()) return found.value();
  // A buffer not seen yet may hold a picture seen in another (a halftone made again).
  const QByteArray exact = KeyOf(bits, info, source, size, true);
  QImage image = images.value(exact);
  if (image.isNull() && standIn) {
    image = standIns_->standIn(bits, info, source, size);
    if (!image.isNull()) images.insert(exact, image);
  }
  if (image.isNull()) {
    image = DibToOwnDepthImage(bits, info);
    if (image.isNull()) return {};
    if (source != whole) image = image.copy(source);
    if (size != source.size())
      image = image.scaled(size, Qt::IgnoreAspectRatio,
                           image.depth() == 1 ? Qt::FastTransformation : Qt::SmoothTransformation);
    const uint64_t bytes = uint64_t(image.sizeInBytes());
    if (bytes_ + bytes > kMaxBytes) {
      images_.clear();
      bytes_ = 0;
    }
    bytes_ += bytes;
    images_.insert(exact, image);
  }
  images.insert(quick, image);
  return image;
}

PictureImagesScope::PictureImagesScope(PictureStandIns* standIns)
    : images_(standIns), previous_(gCurrent) {
  gCurrent = &images_;
}

PictureImagesScope::~PictureImagesScope() {
  gCurrent = previous_;
}

PictureImages* CurrentPictureImages() {
  return gCurrent;
}
