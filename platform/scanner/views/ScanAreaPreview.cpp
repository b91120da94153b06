#include "platform/scanner/views/ScanAreaPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kMinAreaMm = 1.0;
}

ScanAreaPreview::ScanAreaPreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(160, 160);
  setCursor(Qt::CrossCursor);
}

void ScanAreaPreview::setBed(const ScanArea& bed) {
  bed_ = bed;
  picture_ = QImage();
  update();
}

void ScanAreaPreview::setPicture(const QImage& picture, const ScanArea& bed) {
  bed_ = bed;
  picture_ = picture;
  update();
}

void ScanAreaPreview::setArea(const ScanArea& area) {
  area_ = area;
  update();
}

QRectF ScanAreaPreview::bedRect() const {
  const QRectF box = QRectF(rect()).adjusted(4, 4, -4, -4);
  if (bed_.width <= 0 || bed_.height <= 0 || box.isEmpty()) return box;
  const double scale = std::min(box.width() / bed_.width, box.height() / bed_.height);
  return {box.left(), box.top(), bed_.width * scale, bed_.height * scale};
}

QPointF ScanAreaPreview::toMm(const QPointF& p) const {
  const QRectF r = bedRect();
  if (r.width() <= 0 || r.height() <= 0) return {bed_.left, bed_.top};
  return {bed_.left + (p.x() - r.left()) * bed_.width / r.width(),
          bed_.top + (p.y() - r.top()) * bed_.height / r.height()};
}

QPointF ScanAreaPreview::toWidget(const QPointF& mm) const {
  const QRectF r = bedRect();
  if (bed_.width <= 0 || bed_.height <= 0) return r.topLeft();
  return {r.left() + (mm.x() - bed_.left) * r.width() / bed_.width,
          r.top() + (mm.y() - bed_.top) * r.height() / bed_.height};
}

void ScanAreaPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF glass = bedRect();
  p.fillRect(glass, QColor(235, 235, 235));
  if (!picture_.isNull()) p.drawImage(glass, picture_);
  p.setPen(Qt::gray);
  p.drawRect(glass);
  const QRectF selected(toWidget({area_.left, area_.top}),
                        toWidget({area_.left + area_.width, area_.top + area_.height}));
  p.fillRect(selected, QColor(40, 110, 220, 50));
  p.setPen(QPen(QColor(40, 110, 220), 2, Qt::DashLine));
  p.drawRect(selected);
}

void ScanAreaPreview::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPointF mm = toMm(e->position());
  dragStartMm_ = {std::clamp(mm.x(), bed_.left, bed_.left + bed_.width),
                  std::clamp(mm.y(), bed_.top, bed_.top + bed_.height)};
  dragging_ = true;
}

void ScanAreaPreview::mouseMoveEvent(QMouseEvent* e) {
  if (dragging_) dragTo(e->position());
}

void ScanAreaPreview::mouseReleaseEvent(QMouseEvent* e) {
  if (!dragging_ || e->button() != Qt::LeftButton) return;
  dragTo(e->position());
  dragging_ = false;
}

void ScanAreaPreview::dragTo(const QPointF& point) {
  const QPointF mm = toMm(point);
  const double x = std::clamp(mm.x(), bed_.left, bed_.left + bed_.width);
  const double y = std::clamp(mm.y(), bed_.top, bed_.top + bed_.height);
  const double left = std::min(x, dragStartMm_.x()), top = std::min(y, dragStartMm_.y());
  const double width = std::fabs(x - dragStartMm_.x()), height = std::fabs(y - dragStartMm_.y());
  if (width < kMinAreaMm || height < kMinAreaMm) return;  // a click is not an area
  area_ = ScanArea{std::round(left), std::round(top), std::round(width), std::round(height)};
  area_.width = std::max(area_.width, kMinAreaMm);
  area_.height = std::max(area_.height, kMinAreaMm);
  update();
  emit areaChanged(area_);
}

QImage DibToImage(const Dib& dib) {
  const int bits = DibBitCount(dib);
  if (!dib.Bits || (bits != 1 && bits != 4 && bits != 8 && bits != 24)) return {};
  QImage image(DibWidth(dib), DibHeight(dib), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const uint32_t v = GetDibPixel(dib, x, y);
      if (bits == 24) {
        line[x] = 0xff000000u | v;
      } else {
        const RGBQUAD& c = dib.Info->bmiColors[v & 0xff];
        line[x] = qRgb(c.rgbRed, c.rgbGreen, c.rgbBlue);
      }
    }
  }
  return image;
}
