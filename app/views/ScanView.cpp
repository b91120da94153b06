#include "app/views/ScanView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ScanViewSize.h"
#include "app/views/MainWindow.h"
#include "app/views/TabPage.h"
#include "picture/DrawDib.h"
#include "platform/views/Panning.h"
#include "platform/device/views/QtDevice.h"

namespace {
const QColor kWorkspace(171, 171, 171);  // the application-workspace colour
}

ScanPaintBox::ScanPaintBox(ScanView* view) : QWidget(nullptr), view_(view) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScanPaintBox::paintEvent(QPaintEvent* e) {
  if (view_->ResizeBoxIfNeeded()) return;
  QPainter painter(this);
  view_->DrawPicture(painter, e->rect());
  ++drawn_;
}

void ScanPaintBox::mousePressEvent(QMouseEvent* e) { PanMouseDown(*view_, e->position().toPoint()); }

void ScanPaintBox::mouseMoveEvent(QMouseEvent* e) { PanMouseMove(*view_, e->position().toPoint()); }

void ScanPaintBox::mouseReleaseEvent(QMouseEvent*) { PanMouseUp(); }

ScanView::ScanView(Document& doc, QWidget* parent) : QScrollArea(parent), doc_(doc) {
  setObjectName(QStringLiteral("ScanScrollBox"));
  setFocusPolicy(Qt::StrongFocus);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kWorkspace);
  pal.setColor(QPalette::Base, kWorkspace);
  setPalette(pal);
  viewport()->setAutoFillBackground(true);
  setWidgetResizable(false);
  box_ = new ::ScanPaintBox(this);
  box_->setObjectName(QStringLiteral("ScanPaintBox"));
  const ViewSize size = ScanViewSize(DibWidth(doc_.Dib), DibHeight(doc_.Dib), 100);
  box_->resize(size.width, size.height);
  setWidget(box_);

  zoomRow_ = new QWidget;
  auto* row = new QHBoxLayout(zoomRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QStringLiteral("Zoom:"), zoomRow_));
  zoomEd_ = new QSpinBox(zoomRow_);
  zoomEd_->setObjectName(QStringLiteral("ZoomEd"));
  zoomEd_->setRange(10, 500);
  zoomEd_->setSingleStep(10);
  zoomEd_->setValue(100);
  row->addWidget(zoomEd_);
  row->addWidget(new QLabel(QStringLiteral("%"), zoomRow_));
  row->addStretch(1);
  connect(zoomEd_, &QSpinBox::valueChanged, this, &ScanView::ZoomEdChange);
}

void ScanView::PlaceIn(TMainForm& form) {
  TabPage* page = form.page(TMainForm::kScanTab);
  page->setContent(this);
  if (auto* panel = page->leftPanel()) {
    auto* layout = static_cast<QVBoxLayout*>(panel->layout());
    layout->addWidget(zoomRow_);
  }
  form.setTabScrollArea(TMainForm::kScanTab, this);
  if (const QScreen* screen = form.screen()) SetScreenBitsPerPixel(screen->depth());
}

void ScanView::showEvent(QShowEvent* e) {
  QScrollArea::showEvent(e);
  ScanPaintBoxPaint();  // the picture may have changed while the tab was hidden
}

bool ScanView::ResizeBoxIfNeeded() {
  const ViewSize size = ScanViewSize(DibWidth(doc_.Dib), DibHeight(doc_.Dib), zoomEd_->value());
  if (box_->width() == size.width && box_->height() == size.height) return false;
  box_->resize(size.width, size.height);
  box_->update();
  return true;
}

void ScanView::ScanPaintBoxPaint() {
  if (!ResizeBoxIfNeeded()) box_->update();
}

void ScanView::ZoomEdChange(int) { ScanPaintBoxPaint(); }

void ScanView::DrawPicture(QPainter& painter, const QRect& exposed) {
  painter.fillRect(exposed, kWorkspace);
  painter.setClipRect(exposed);  // rows outside the exposed part are skipped
  QtDevice dev(painter);
  const TDib& dib = doc_.Dib;
  DrawDib(dev, 0, 0, box_->width(), box_->height(), dib, 0, 0, DibWidth(dib), DibHeight(dib),
          true, SRCCOPY, true, nullptr);
}
