#include "app/views/ScanView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ScanViewSize.h"
#include "picture/DrawDib.h"
#include "platform/device/views/QtDevice.h"
#include "platform/views/Panning.h"

namespace {
const QColor kWorkspace(171, 171, 171);  // the application-workspace colour
}

ScanPaintBox::ScanPaintBox(ScanView* view) : QWidget(nullptr), view_(view) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScanPaintBox::paintEvent(QPaintEvent* e) {
  if (view_->resizeBoxIfNeeded()) return;
  QPainter painter(this);
  view_->drawPicture(painter, e->rect());
  ++drawn_;
}

void ScanPaintBox::mousePressEvent(QMouseEvent* e) {
  startPan(*view_, e->position().toPoint());
}

void ScanPaintBox::mouseMoveEvent(QMouseEvent* e) {
  movePan(*view_, e->position().toPoint());
}

void ScanPaintBox::mouseReleaseEvent(QMouseEvent*) {
  endPan();
}

ScanView::ScanView(Document& doc, QWidget* parent) : QScrollArea(parent), doc_(doc) {
  setObjectName(QStringLiteral("scanView"));
  setFocusPolicy(Qt::StrongFocus);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kWorkspace);
  pal.setColor(QPalette::Base, kWorkspace);
  setPalette(pal);
  viewport()->setAutoFillBackground(true);
  setWidgetResizable(false);
  box_ = new ::ScanPaintBox(this);
  box_->setObjectName(QStringLiteral("ScanPaintBox"));
  const ViewSize size = ScanViewSize(DibWidth(doc_.picture), DibHeight(doc_.picture), 100);
  box_->resize(size.width, size.height);
  setWidget(box_);

  zoomRow_ = new QWidget;
  auto* row = new QHBoxLayout(zoomRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QCoreApplication::translate("ScanView", "Zoom:"), zoomRow_));
  zoomEd_ = new QSpinBox(zoomRow_);
  zoomEd_->setObjectName(QStringLiteral("zoomEdit"));
  zoomEd_->setRange(10, 500);
  zoomEd_->setSingleStep(10);
  zoomEd_->setValue(100);
  row->addWidget(zoomEd_);
  row->addWidget(new QLabel(QStringLiteral("%"), zoomRow_));
  row->addStretch(1);
  connect(zoomEd_, &QSpinBox::valueChanged, this, &ScanView::onZoomChanged);
}

void ScanView::showEvent(QShowEvent* e) {
  QScrollArea::showEvent(e);
  paintView();  // the picture may have changed while the tab was hidden
}

bool ScanView::resizeBoxIfNeeded() {
  const ViewSize size =
      ScanViewSize(DibWidth(doc_.picture), DibHeight(doc_.picture), zoomEd_->value());
  if (box_->width() == size.width && box_->height() == size.height) return false;
  box_->resize(size.width, size.height);
  box_->update();
  return true;
}

void ScanView::paintView() {
  if (!resizeBoxIfNeeded()) box_->update();
}

void ScanView::onZoomChanged(int) {
  paintView();
}

void ScanView::drawPicture(QPainter& painter, const QRect& exposed) {
  painter.fillRect(exposed, kWorkspace);
  painter.setClipRect(exposed);  // rows outside the exposed part are skipped
  QtDevice dev(painter);
  const Dib& dib = doc_.picture;
  DrawDib(dev, 0, 0, box_->width(), box_->height(), dib, 0, 0, DibWidth(dib), DibHeight(dib), true,
          SRCCOPY, true, nullptr);
}
