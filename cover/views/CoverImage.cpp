#include "cover/views/CoverImage.h"

#include <cmath>
#include <cstring>

#include "cover/DrawCoverObjects.h"
#include "cover/Truncate.h"
#include "picture/DrawDib.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"
#include "platform/device/views/QtDevice.h"

namespace {
constexpr int kPngSaveCode = 14;
}

void PaintCover(QPainter& painter, int width, int height, const Dib& picture, ObjectTable& objects,
                double scale, double fontDpi, double screenDpi) {
  // The stretched picture covers every pixel; white shows only where there is none to draw.
  if (!picture.Bits || DibWidth(picture) <= 0 || DibHeight(picture) <= 0)
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
  QtDevice dc(painter);
  DrawDib(dc, 0, 0, width, height, picture, 0, 0, DibWidth(picture), DibHeight(picture), true,
          SRCCOPY, true, nullptr);
  DrawCoverObjects(dc, objects, 0, 0, scale, fontDpi, screenDpi);
}

void PaintCover(QImage& image, const Dib& picture, ObjectTable& objects, double scale,
                double fontDpi, double screenDpi) {
  if (image.isNull()) return;
  QPainter painter(&image);
  PaintCover(painter, image.width(), image.height(), picture, objects, scale, fontDpi, screenDpi);
}

QImage RenderCover(const Dib& picture, ObjectTable& objects, double zoomPercent, double dpi,
                   std::string& error) {
  const double zoom = zoomPercent / 100.0;
  const double w = std::trunc(DibWidth(picture) * zoom), h = std::trunc(DibHeight(picture) * zoom);
  if (!(w >= 1 && h >= 1)) {
    error = Translate("CoverImage", "the cover is empty at this zoom");
    return {};
  }
  if (w > kMaxDibSide || h > kMaxDibSide || !DibSizeAllowed(int32_t(w), int32_t(h), 24)) {
    error = Translate("CoverImage", "the cover would be ") + std::to_string(int64_t(w)) + " x " +
            std::to_string(int64_t(h)) +
            Translate("CoverImage", " pixels, more than a picture may have");
    return {};
  }
  QImage image(int(w), int(h), QImage::Format_RGB32);
  if (image.isNull()) {
    error = Translate("CoverImage", "there is not enough memory for the image");
    return {};
  }
  PaintCover(image, picture, objects, zoom / objects.scales().BaseScale, dpi, dpi);
  return image;
}

void ImageToDib24(const QImage& image, Dib& out) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  NewDib(out, rgb.width(), rgb.height(), 24, nullptr, 0);
  if (!out.Bits) return;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uint8_t* dst = DibRow(out, y);
    for (int x = 0; x < rgb.width(); ++x) {
      dst[3 * x] = uint8_t(qBlue(src[x]));
      dst[3 * x + 1] = uint8_t(qGreen(src[x]));
      dst[3 * x + 2] = uint8_t(qRed(src[x]));
    }
  }
}

bool SaveCoverImage(const QImage& image, const std::string& fileName, std::string& error) {
  Dib dib;
  ImageToDib24(image, dib);
  if (!dib.Bits) {
    error = Translate("CoverImage", "there is not enough memory for the picture");
    return false;
  }
  const int code = SaveCodeForExtension(fileName);
  const bool saved = SavePictureFile(dib, fileName, code ? code : kPngSaveCode, error);
  FreeDib(dib);
  return saved;
}
