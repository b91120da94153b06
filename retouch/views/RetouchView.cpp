#include "retouch/views/RetouchView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "picture/DrawDib.h"
#include "platform/device/views/QtDevice.h"

namespace {
const QColor kWorkspace(171, 171, 171);  // the application-workspace colour

Qt::CursorShape ShapeOf(SelectionCursor c) {
  switch (c) {
    case SelectionCursor::SizeWE:
      return Qt::SizeHorCursor;
    case SelectionCursor::SizeNS:
      return Qt::SizeVerCursor;
    case SelectionCursor::SizeNWSE:
      return Qt::SizeFDiagCursor;
    case SelectionCursor::SizeNESW:
      return Qt::SizeBDiagCursor;
    case SelectionCursor::Arrow:
      break;
  }
  return Qt::ArrowCursor;
}
}  // namespace

RetouchPaintBox::RetouchPaintBox(RetouchView* view) : QWidget(nullptr), view_(view) {
  setObjectName(QStringLiteral("RetouchPaintBox"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the hover test needs moves without a button
}

void RetouchPaintBox::paintEvent(QPaintEvent* e) {
  if (view_->resizeBoxIfNeeded()) return;
  QPainter painter(this);
  view_->drawView(painter, e->rect());
  ++drawn_;
}

void RetouchPaintBox::mousePressEvent(QMouseEvent* e) {
  view_->onMousePressed(e->position().toPoint());
}

void RetouchPaintBox::mouseMoveEvent(QMouseEvent* e) {
  view_->onMouseMoved(e->position().toPoint());
}

void RetouchPaintBox::mouseReleaseEvent(QMouseEvent*) {
  view_->onMouseReleased();
}

RetouchView::RetouchView(Dib& dib, PictureSelection sel, QWidget* parent)
    : QWidget(parent), dib_(dib), pictureSel_(sel) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  buildMenus();
  layout->addWidget(buildToolBar());

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setObjectName(QStringLiteral("scrollArea"));
  QPalette pal = scrollBox_->palette();
  pal.setColor(QPalette::Window, kWorkspace);
  pal.setColor(QPalette::Base, kWorkspace);
  scrollBox_->setPalette(pal);
  scrollBox_->viewport()->setAutoFillBackground(true);
  scrollBox_->setWidgetResizable(false);
  box_ = new RetouchPaintBox(this);
  const ViewSize size = RetouchViewSize(DibWidth(dib_), DibHeight(dib_), zoomEd_->value());
  box_->resize(size.width, size.height);
  scrollBox_->setWidget(box_);
  layout->addWidget(scrollBox_, 1);
  resizeBoxIfNeeded();
}

bool RetouchView::resizeBoxIfNeeded() {
  const ViewSize size = RetouchViewSize(DibWidth(dib_), DibHeight(dib_), zoomEd_->value());
  // The scales and the view rectangle follow the final size, so the mouse works before a paint.
  sel_.layout(size, DibWidth(dib_), DibHeight(dib_), pictureSel_);
  if (box_->width() == size.width && box_->height() == size.height) return false;
  box_->resize(size.width, size.height);
  box_->update();
  return true;
}

void RetouchView::paintView() {
  if (!resizeBoxIfNeeded()) box_->repaint();
}

void RetouchView::drawView(QPainter& painter, const QRect& exposed) {
  painter.fillRect(exposed, kWorkspace);
  painter.setClipRect(exposed);  // rows outside the exposed part are skipped
  {
    QtDevice dev(painter);
    DrawDib(dev, 0, 0, box_->width(), box_->height(), dib_, 0, 0, DibWidth(dib_), DibHeight(dib_),
            true, SRCCOPY, true, nullptr);
  }
  // Black dots on white gaps, drawn over the fresh picture.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  const QPoint frame[5] = {{sel_.selViewLeft, sel_.selViewTop},
                           {sel_.selViewRight, sel_.selViewTop},
                           {sel_.selViewRight, sel_.selViewBottom},
                           {sel_.selViewLeft, sel_.selViewBottom},
                           {sel_.selViewLeft, sel_.selViewTop}};
  painter.drawPolyline(frame, 5);
}

void RetouchView::onMousePressed(QPoint p) {
  switch (sel_.press(p.x(), p.y(), pictureSel_)) {
    case RetouchSelection::Press::Ignored:
      return;
    case RetouchSelection::Press::EdgeDrag:
      box_->grabMouse();
      return;
    case RetouchSelection::Press::NewSelection:
      box_->grabMouse();
      paintView();
      return;
  }
}

void RetouchView::onMouseMoved(QPoint p) {
  if (sel_.move(p.x(), p.y(), pictureSel_))
    paintView();
  else
    setSelectionCursor(sel_.cursor);
}

void RetouchView::onMouseReleased() {
  if (sel_.release()) box_->releaseMouse();
  if (history_) history_->commit();  // the selection undo restores is the one the user left
}

void RetouchView::setSelectionCursor(SelectionCursor cursor) {
  const Qt::CursorShape shape = ShapeOf(cursor);
  if (box_->cursor().shape() != shape) box_->setCursor(shape);
}
