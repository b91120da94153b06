#pragma once
// Drag-to-scroll: pressing on a view and moving the mouse scrolls its scroll area so that the
// pressed point stays under the pointer.
#include <QObject>
#include <QPoint>

class QScrollArea;
class QWidget;

class DragScroll : public QObject {
  Q_OBJECT
 public:
  // `focusOnPress` gives the scroll area the focus when the drag starts.
  DragScroll(QWidget* view, QScrollArea* area, bool focusOnPress);
  bool panning() const { return panning_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QScrollArea* area_;
  bool focusOnPress_;
  bool panning_ = false;
  QPoint panStart_;
};
