#pragma once
// The pictures of one print job as images, each made once and drawn again at every position:
// a PDF then holds every picture once, at its own resolution and colour depth.
#include <QHash>
#include <QImage>
#include <QRect>

#include "platform/dib/Dib.h"

class PictureImages {
 public:
  // Bytes of images kept at once; past it all are let go and made again when drawn.
  static constexpr uint64_t kMaxBytes = uint64_t(1) << 30;

  // The `source` rectangle (top-down rows) of the DIB as an image no larger than `most`: 1-bit
  // black and white stays 1-bit, 4- and 8-bit pictures keep their palette, 24-bit become RGB32.
  // The same pixels give the same image (and cache key) again. Null when not allowed.
  QImage image(const uint8_t* bits, const BITMAPINFO* info, const QRect& source, QSize most);

 private:
  QHash<QByteArray, QImage> images_;
  uint64_t bytes_ = 0;
};

// While one lives, Qt devices draw stretched pictures through its images.
class PictureImagesScope {
 public:
  PictureImagesScope();
  ~PictureImagesScope();
  PictureImagesScope(const PictureImagesScope&) = delete;
  PictureImagesScope& operator=(const PictureImagesScope&) = delete;

 private:
  PictureImages images_;
  PictureImages* previous_;
};
// The images of the innermost scope, else nullptr.
PictureImages* CurrentPictureImages();

// The whole DIB as an image of its own depth (see PictureImages::image); null when not allowed.
QImage DibToOwnDepthImage(const uint8_t* bits, const BITMAPINFO* info);
