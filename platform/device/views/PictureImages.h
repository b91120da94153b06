#pragma once
// The pictures of one print job as images, each made once and drawn again at every position:
// a PDF then holds every picture once, at its own resolution and colour depth.
#include <QHash>
#include <QImage>
#include <QRect>

class QPaintDevice;

#include "platform/dib/Dib.h"

// Small images that stand for 24-bit pictures on one device, whose pixels are stored otherwise.
class PictureStandIns {
 public:
  virtual ~PictureStandIns() = default;
  // Whether pictures drawn on `device` get stand-ins.
  virtual bool standsInOn(const QPaintDevice* device) const = 0;
  // The stand-in for the `source` rectangle (top-down rows) of a 24-bit DIB shown as `size`
  // pixels (no larger than the rectangle); null when the picture is to be drawn as itself.
  virtual QImage standIn(const uint8_t* bits, const BITMAPINFO* info, const QRect& source,
                         QSize size) = 0;
};

class PictureImages {
 public:
  explicit PictureImages(PictureStandIns* standIns = nullptr) : standIns_(standIns) {}

  // Bytes of images kept at once; past it all are let go and made again when drawn.
  static constexpr uint64_t kMaxBytes = uint64_t(1) << 30;

  // The `source` rectangle (top-down rows) of the DIB as an image no larger than `most`: 1-bit
  // black and white stays 1-bit, 4- and 8-bit pictures keep their palette, 24-bit become RGB32.
  // The same pixels give the same image (and cache key) again. Null when not allowed.
  // On a device with stand-ins, a 24-bit picture gets its stand-in.
  QImage image(const uint8_t* bits, const BITMAPINFO* info, const QRect& source, QSize most,
               const QPaintDevice* device = nullptr);

 private:
  PictureStandIns* standIns_;
  QHash<QByteArray, QImage> images_, standInImages_;
  uint64_t bytes_ = 0;
};

// While one lives, Qt devices draw stretched pictures through its images.
class PictureImagesScope {
 public:
  explicit PictureImagesScope(PictureStandIns* standIns = nullptr);
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
