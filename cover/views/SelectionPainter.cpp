#include "cover/views/SelectionPainter.h"

void PaintSelection(QPainter& painter, const SelectionFrame& f) {
  if (!f.visible) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  // A black pen XORed and negated leaves the inverse, so drawing the frame twice restores it.
  if (f.inverted) painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const RECT& r = f.frame;
  if (r.right - r.left >= 1 && r.bottom - r.top >= 1)
    painter.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (f.handles)
    for (const RECT& h : f.handle)
      painter.fillRect(QRect(h.left, h.top, h.right - h.left, h.bottom - h.top), Qt::black);
  painter.restore();
}

MouseButton EditorButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return MouseButton::Left;
  if (button == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Other;
}

EditorKey EditorKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Delete:
      return EditorKey::Delete;
    case Qt::Key_Up:
      return EditorKey::Up;
    case Qt::Key_Down:
      return EditorKey::Down;
    default:
      return EditorKey::Other;
  }
}
