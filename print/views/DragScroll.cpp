#include "print/views/DragScroll.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

DragScroll::DragScroll(QWidget* view, QScrollArea* area, bool focusOnPress)
    : QObject(view), area_(area), focusOnPress_(focusOnPress) {
  view->installEventFilter(this);
  view->setCursor(Qt::PointingHandCursor);
}

bool DragScroll::eventFilter(QObject*, QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseButtonPress:
      if (focusOnPress_) area_->setFocus();
      panning_ = true;
      panStart_ = static_cast<QMouseEvent*>(e)->position().toPoint();
      return true;
    case QEvent::MouseMove:
      if (panning_) {
        // The view moves with the scrolling, so positions are in the view's own coordinates.
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        QScrollBar* h = area_->horizontalScrollBar();
        QScrollBar* v = area_->verticalScrollBar();
        const int x = h->value() + panStart_.x() - p.x(), y = v->value() + panStart_.y() - p.y();
        h->setValue(x);  // the scroll bars clamp to their ranges
        v->setValue(y);
        return true;
      }
      return false;
    case QEvent::MouseButtonRelease:
      panning_ = false;
      return true;
    default:
      return false;
  }
}
