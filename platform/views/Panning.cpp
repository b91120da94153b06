#include "platform/views/Panning.h"

#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

PanFields& SharedPan() {
  static PanFields fields;
  return fields;
}

void startPan(QScrollArea& area, QPoint pos) {
  area.setFocus();
  PanFields& pan = SharedPan();
  pan.Panning = true;
  pan.PanStartX = pos.x();
  pan.PanStartY = pos.y();
}

void movePan(QScrollArea& area, QPoint pos) {
  PanFields& pan = SharedPan();
  if (!pan.Panning) return;
  QScrollBar* h = area.horizontalScrollBar();
  QScrollBar* v = area.verticalScrollBar();
  // A negative position becomes 0; the scroll bars stop at their own maximum.
  const int x = std::max(0, h->value() + (pan.PanStartX - pos.x()));
  const int y = std::max(0, v->value() + (pan.PanStartY - pos.y()));
  h->setValue(std::min(x, h->maximum()));
  v->setValue(std::min(y, v->maximum()));
}

void endPan() {
  SharedPan().Panning = false;
}
