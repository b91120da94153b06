#pragma once
// The scanner's glass with the preview picture on it; dragging the mouse draws the scan area.
#include <QImage>
#include <QWidget>

#include "platform/dib/Dib.h"
#include "platform/scanner/ScanSettings.h"

class ScanAreaPreview : public QWidget {
  Q_OBJECT
 public:
  explicit ScanAreaPreview(QWidget* parent = nullptr);
  // The glass in millimetres (shown empty until a preview arrives).
  void setBed(const ScanArea& bed);
  // A preview picture that covers `bed`.
  void setPicture(const QImage& picture, const ScanArea& bed);
  void setArea(const ScanArea& area);
  ScanArea area() const { return area_; }
  ScanArea bed() const { return bed_; }
  const QImage& picture() const { return picture_; }
  // Where the glass is drawn, and the mapping between widget points and millimetres.
  QRectF bedRect() const;
  QPointF toMm(const QPointF& point) const;
  QPointF toWidget(const QPointF& mm) const;
  QSize sizeHint() const override { return {260, 300}; }

 signals:
  void areaChanged(const ScanArea& area);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void dragTo(const QPointF& point);
  QImage picture_;
  ScanArea bed_{0, 0, 216, 297};
  ScanArea area_;
  bool dragging_ = false;
  QPointF dragStartMm_;
};

// A copy of a picture of 1, 4, 8 or 24 bits as a QImage (null for other depths).
QImage DibToImage(const Dib& dib);
