#pragma once
// The Scan tab's view: the picture at 10 to 500 percent in a scroll area, scrolled by dragging.
#include <QScrollArea>
#include <QSpinBox>

#include "app/Document.h"

class ScanView;

// The paint box inside the scroll area; paints and mouse go to the view.
class ScanPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit ScanPaintBox(ScanView* view);
  int paintsDrawn() const { return drawn_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ScanView* view_;
  int drawn_ = 0;  // paints that drew the picture
};

class ScanView : public QScrollArea {
  Q_OBJECT
 public:
  explicit ScanView(Document& doc, QWidget* parent = nullptr);

  QSpinBox* zoomEdit() const { return zoomEd_; }
  QWidget* zoomRow() const { return zoomRow_; }
  ScanPaintBox* paintBox() const { return box_; }

  // Resizes the paint box to the picture at the zoom when it differs (the resize repaints);
  // otherwise repaints it. Called after a new picture and on zoom changes.
  void paintView();
  // The paint handler's rule: true when the box had to be resized and nothing may be drawn.
  bool resizeBoxIfNeeded();
  void drawPicture(QPainter& painter, const QRect& exposed);
  Document& doc() { return doc_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void onZoomChanged(int value);

  Document& doc_;
  ScanPaintBox* box_ = nullptr;
  QSpinBox* zoomEd_ = nullptr;
  QWidget* zoomRow_ = nullptr;
};
