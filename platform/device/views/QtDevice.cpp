#include "platform/device/views/QtDevice.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/device/views/DibImage.h"
#include "platform/device/views/PictureImages.h"

namespace {
constexpr uint32_t kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086, kSrcInvert = 0x00660046;
constexpr int kBandPixels = 1 << 24;  // pixels converted at once by the device's stretch

int TechnologyOf(const QPaintDevice* device) {
  return device && device->devType() == QInternal::Printer ? DT_RASPRINTER : DT_RASDISPLAY;
}

bool IsDirectFormat(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied || f == QImage::Format_RGB888;
}

QtBitmap* AsQtBitmap(CompatibleBitmap* bitmap) {
  return dynamic_cast<QtBitmap*>(bitmap);
}
}  // namespace

QtDevice::QtDevice(QPainter& painter) : painter_(&painter) {
  painter.save();  // the caller's pen, brush and font come back when the device goes
  QPaintDevice* d = painter.device();
  technology_ = TechnologyOf(d);
  if (d) {
    dpiX_ = d->logicalDpiX();
    dpiY_ = d->logicalDpiY();
  }
  ApplyState();
}

QtDevice::QtDevice(QPaintDevice& device)
    : ownPainter_(std::make_unique<QPainter>(&device)), painter_(ownPainter_.get()) {
  technology_ = TechnologyOf(&device);
  dpiX_ = device.logicalDpiX();
  dpiY_ = device.logicalDpiY();
  ApplyState();
}

QtDevice::QtDevice(int technology, int dpiX, int dpiY)
    : memory_(true), technology_(technology), dpiX_(dpiX), dpiY_(dpiY) {}

QtDevice::~QtDevice() {
  if (ownPainter_ && ownPainter_->isActive())
    ownPainter_->end();
  else if (!memory_ && painter_ && painter_->isActive())
    painter_->restore();
}

int QtDevice::GetDeviceCaps(int index) {
  const QPaintDevice* d = painter_ ? painter_->device() : nullptr;
  switch (index) {
    case TECHNOLOGY:
      return technology_;
    case LOGPIXELSX:
      return dpiX_;
    case LOGPIXELSY:
      return dpiY_;
    case HORZRES:
      return d ? d->width() : 0;
    case VERTRES:
      return d ? d->height() : 0;
    case BITSPIXEL:
      return d ? d->depth() : 24;
    case RASTERCAPS:
      return RC_BITBLT | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    default:
      return 0;
  }
}

RECT QtDevice::GetClipBox() {
  if (!painter_ || !painter_->device()) return RECT{};
  const QPaintDevice* d = painter_->device();
  QRectF box = painter_->transform().inverted().mapRect(QRectF(0, 0, d->width(), d->height()));
  if (painter_->hasClipping()) box &= painter_->clipBoundingRect();
  const QRect r = box.toAlignedRect();
  return r.isEmpty() ? RECT{} : RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

int QtDevice::SetStretchBltMode(int mode) {
  const int old = stretchMode_;
  stretchMode_ = mode;
  return old;
}

void QtDevice::SetRop(uint32_t rop) {
  const bool rasterOps =
      painter_->paintEngine() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (rasterOps && rop == kSrcAnd) mode = QPainter::RasterOp_SourceAndDestination;
  if (rasterOps && rop == kSrcPaint) mode = QPainter::RasterOp_SourceOrDestination;
  if (rasterOps && rop == kSrcInvert) mode = QPainter::RasterOp_SourceXorDestination;
  painter_->setCompositionMode(mode);
}

bool QtDevice::ClippedAway(const QRect& rect) const {
  if (painter_->hasClipping() && !painter_->clipBoundingRect().intersects(QRectF(rect)))
    return true;
  const QPaintDevice* d = painter_->device();
  const QRect mapped = painter_->transform().mapRect(rect);
  return d && !mapped.intersects(QRect(0, 0, d->width(), d->height()));
}

QImage* QtDevice::DirectImage(QPoint& offset, QRect& bounds) const {
  if (!painter_ || !painter_->isActive() || !painter_->device()) return nullptr;
  if (painter_->device()->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(painter_->device());
  if (!IsDirectFormat(image->format()) || !image->isDetached()) return nullptr;
  const QTransform t = painter_->deviceTransform();
  if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) ||
      t.dy() != std::floor(t.dy()))
    return nullptr;
  if (painter_->compositionMode() != QPainter::CompositionMode_SourceOver ||
      painter_->opacity() != 1.0)
    return nullptr;
  offset = QPoint(int(t.dx()), int(t.dy()));
  bounds = image->rect();
  if (painter_->hasClipping()) {
    const QRegion clip = painter_->clipRegion();
    if (clip.rectCount() > 1) return nullptr;
    bounds &= clip.boundingRect().translated(offset);
  }
  return image;
}

bool QtDevice::GetDirectPixels(DirectPixels& pixels) {
  QPoint offset;
  QRect bounds;
  QImage* image = DirectImage(offset, bounds);
  if (!image || image->format() == QImage::Format_RGB888 || bounds.isEmpty()) return false;
  pixels.bits = reinterpret_cast<uint32_t*>(image->bits());
  pixels.pixelsPerRow = image->bytesPerLine() / 4;
  pixels.offsetX = offset.x(), pixels.offsetY = offset.y();
  pixels.bounds = RECT{bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
  return true;
}

int QtDevice::StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc,
                            int wSrc, int hSrc, const uint8_t* bits, const BITMAPINFO* info,
                            uint32_t rop) {
  if (!painter_ || !DibReadable(bits, info) || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0)
    return GDI_ERROR;
  if (ClippedAway(QRect(xDest, yDest, wDest, hDest))) return hSrc;
  painter_->save();
  SetRop(rop);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, stretchMode_ == HALFTONE);
  if (PictureImages* images = CurrentPictureImages()) {
    // One image per picture for the whole job, at most as fine as the device.
    const QRectF target(xDest, yDest, wDest, hDest);
    const QRectF onDevice = painter_->deviceTransform().mapRect(target);
    const QRect source(xSrc, info->bmiHeader.biHeight - ySrc - hSrc, wSrc, hSrc);
    const QImage image = images->image(
        bits, info, source,
        QSize(int(std::lround(onDevice.width())), int(std::lround(onDevice.height()))),
        painter_->device());
    if (!image.isNull()) {
      painter_->drawImage(target, image);
      painter_->restore();
      return hSrc;
    }
  }
  // Bands of source rows keep the converted copy small for very large pictures.
  const int band = std::max(1, kBandPixels / wSrc);
  int result = hSrc;
  for (int top = 0; top < hSrc; top += band) {
    const int n = std::min(band, hSrc - top);
    const QRectF target(xDest, yDest + double(hDest) * top / hSrc, wDest, double(hDest) * n / hSrc);
    if (ClippedAway(target.toAlignedRect())) continue;
    const QImage image = DibRegionToImage(bits, info, xSrc, ySrc + hSrc - top - n, wSrc, n, 0,
                                          info->bmiHeader.biHeight);
    if (image.isNull()) {
      result = GDI_ERROR;
      break;
    }
    painter_->drawImage(target, image, QRectF(0, 0, wSrc, n));
  }
  painter_->restore();
  return result;
}

int QtDevice::SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc,
                                int startScan, int lines, const uint8_t* bits,
                                const BITMAPINFO* info) {
  if (!painter_ || !DibReadable(bits, info) || w <= 0 || h <= 0 || lines <= 0 || startScan < 0)
    return 0;
  const int dibW = info->bmiHeader.biWidth, dibH = info->bmiHeader.biHeight;
  // Scans (rows from the bottom) that are both in the source rectangle and in the bits.
  const int sLo = std::max({startScan, ySrc, 0});
  const int sHi = std::min({int64_t(startScan) + lines, int64_t(ySrc) + h, int64_t(dibH)});
  const int cLo = std::max(0, -xSrc), cHi = int(std::min<int64_t>(w, int64_t(dibW) - xSrc));
  if (sLo >= sHi || cLo >= cHi) return lines;
  const int topRow = yDest + (ySrc + h - sHi);  // device row of scan sHi - 1
  const int stride = DibStride(dibW, info->bmiHeader.biBitCount);

  QPoint off;
  QRect bounds;
  if (QImage* image = DirectImage(off, bounds)) {
    const QVector<QRgb> table =
        info->bmiHeader.biBitCount == 24 ? QVector<QRgb>() : DibColorTable(info);
    const int left = std::max(xDest + cLo + off.x(), bounds.left());
    const int right = std::min(xDest + cHi + off.x(), bounds.right() + 1);
    if (left >= right) return lines;
    const int x0 = xSrc + (left - xDest - off.x());
    uchar* base = image->bits();
    const qsizetype bpl = image->bytesPerLine();
    const bool rgb888 = image->format() == QImage::Format_RGB888;
    std::vector<uint32_t> temp(rgb888 ? size_t(right - left) : 0);
    for (int s = sHi - 1; s >= sLo; --s) {
      const int dy = topRow + (sHi - 1 - s) + off.y();
      if (dy < bounds.top() || dy > bounds.bottom()) continue;
      const uint8_t* row = bits + int64_t(s - startScan) * stride;
      uchar* line = base + dy * bpl;
      if (!rgb888) {
        DibRowToRgb32(row, info, table.constData(), x0, right - left,
                      reinterpret_cast<uint32_t*>(line) + left);
        continue;
      }
      DibRowToRgb32(row, info, table.constData(), x0, right - left, temp.data());
      uchar* p = line + 3 * left;
      for (uint32_t v : temp) {
        *p++ = uchar(v >> 16);
        *p++ = uchar(v >> 8);
        *p++ = uchar(v);
      }
    }
    return lines;
  }

  // Only the columns inside the clip box are converted.
  const RECT clip = GetClipBox();
  const int from = std::max<int64_t>(cLo, int64_t(clip.left) - xDest);
  const int to = std::min<int64_t>(cHi, int64_t(clip.right) - xDest);
  if (from >= to) return lines;
  const QRect target(xDest + from, topRow, to - from, sHi - sLo);
  if (ClippedAway(target)) return lines;
  const QImage image =
      DibRegionToImage(bits, info, xSrc + from, sLo, to - from, sHi - sLo, startScan, lines);
  if (image.isNull()) return 0;
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->drawImage(target.topLeft(), image);
  painter_->restore();
  return lines;
}

std::unique_ptr<CompatibleBitmap> QtDevice::CreateCompatibleBitmap(int w, int h) {
  if (!DibSizeAllowed(w, h, 24) || uint64_t(w) * uint64_t(h) * 4 > kMaxDibBytes) return nullptr;
  QImage image(w, h, QImage::Format_RGB32);
  if (image.isNull()) return nullptr;
  image.fill(Qt::black);
  return std::make_unique<QtBitmap>(std::move(image));
}

std::unique_ptr<Device> QtDevice::CreateCompatibleDC() {
  return std::unique_ptr<Device>(new QtDevice(technology_, dpiX_, dpiY_));
}

CompatibleBitmap* QtDevice::SelectBitmap(CompatibleBitmap* bitmap) {
  QtBitmap* old = selected_;
  if (!memory_) return nullptr;
  if (ownPainter_ && ownPainter_->isActive()) ownPainter_->end();
  ownPainter_.reset();
  painter_ = nullptr;
  selected_ = AsQtBitmap(bitmap);
  if (selected_) {
    ownPainter_ = std::make_unique<QPainter>(&selected_->image);
    painter_ = ownPainter_.get();
    ApplyState();
  }
  return old;
}

int QtDevice::SetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, const uint8_t* bits,
                        const BITMAPINFO* info) {
  QtBitmap* target = AsQtBitmap(&bitmap);
  if (!target || !DibReadable(bits, info) || startScan < 0 || lines <= 0) return 0;
  const int dibH = info->bmiHeader.biHeight;
  const int stride = DibStride(info->bmiHeader.biWidth, info->bmiHeader.biBitCount);
  const QVector<QRgb> table = DibColorTable(info);
  QImage& image = target->image;
  const int w = std::min(image.width(), int(info->bmiHeader.biWidth));
  int done = 0;
  for (int i = 0; i < lines && startScan + i < dibH; ++i, ++done) {
    const int y = dibH - 1 - (startScan + i);
    if (y < 0 || y >= image.height()) continue;
    DibRowToRgb32(bits + int64_t(i) * stride, info, table.constData(), 0, w,
                  reinterpret_cast<uint32_t*>(image.scanLine(y)));
  }
  return done;
}

int QtDevice::GetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, uint8_t* bits,
                        BITMAPINFO* info) {
  QtBitmap* source = AsQtBitmap(&bitmap);
  if (!source || !info || startScan < 0 || lines <= 0) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  const QImage& image = source->image;
  if (h.biBitCount == 0) h.biBitCount = 24;
  if (h.biBitCount != 24 && h.biBitCount != 32) return 0;
  if (h.biWidth <= 0 || h.biHeight <= 0) {
    h.biWidth = image.width();
    h.biHeight = image.height();
  }
  const int64_t stride = ((int64_t(h.biWidth) * h.biBitCount + 31) / 32) * 4;
  h.biSizeImage = uint32_t(stride * h.biHeight);
  h.biCompression = 0;
  if (!bits) return h.biHeight;
  int done = 0;
  for (int i = 0; i < lines && startScan + i < h.biHeight; ++i, ++done) {
    uint8_t* out = bits + int64_t(i) * stride;
    std::memset(out, 0, size_t(stride));
    const int y = h.biHeight - 1 - (startScan + i);
    if (y < 0 || y >= image.height()) continue;
    const auto* in = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    const int w = std::min(image.width(), int(h.biWidth));
    const int step = h.biBitCount / 8;
    for (int x = 0; x < w; ++x, out += step) {
      out[0] = uint8_t(in[x]);
      out[1] = uint8_t(in[x] >> 8);
      out[2] = uint8_t(in[x] >> 16);
    }
  }
  return done;
}

bool QtDevice::StretchBlt(int xDest, int yDest, int wDest, int hDest, Device& src, int xSrc,
                          int ySrc, int wSrc, int hSrc, uint32_t rop) {
  auto* from = dynamic_cast<QtDevice*>(&src);
  if (!painter_ || !from || !from->selected_ || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0)
    return false;
  // Copy first when drawing a bitmap onto itself.
  const QImage image = from == this ? from->selected_->image.copy() : from->selected_->image;
  painter_->save();
  SetRop(rop);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, stretchMode_ == HALFTONE);
  painter_->drawImage(QRect(xDest, yDest, wDest, hDest), image, QRect(xSrc, ySrc, wSrc, hSrc));
  painter_->restore();
  return true;
}

HPALETTE QtDevice::SelectPalette(HPALETTE palette, bool) {
  HPALETTE old = palette_;
  palette_ = palette;
  return old;
}

int QtDevice::RealizePalette() {
  return palette_ ? palette_->count : 0;
}

bool QtDevice::DrawAlphaImage(int x, int y, int w, int h, const uint8_t* bgra) {
  if (!painter_) return false;
  if (w <= 0 || h <= 0) return true;
  // Premultiplied ARGB lies in memory as blue, green, red, alpha on little-endian machines.
  const QImage image(bgra, w, h, w * 4, QImage::Format_ARGB32_Premultiplied);
  painter_->drawImage(QPoint(x, y), image);
  return true;
}
