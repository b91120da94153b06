#include "app/views/StatusBar.h"

#include <QPainter>
#include <QStyleOption>

namespace {
constexpr int kFirstPanelWidth = 250;
const QColor kNavy(0, 0, 128);
}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  setFixedHeight(19);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QRect StatusBar::progressPanelRect() const {
  return QRect(kFirstPanelWidth + 2, 2, width() - kFirstPanelWidth - 4, height() - 3);
}

void StatusBar::setProgress(int percent) {
  switch (model_.set(percent)) {
    case ProgressBarModel::Paint::Erase:
      ++erases_;
      repaint();
      break;
    case ProgressBarModel::Paint::Extend:
      ++extends_;
      paintProgressMore();
      break;
    case ProgressBarModel::Paint::Nothing:
      break;
  }
}

// Paints the grown bar at once, while the operation still runs on this thread.
void StatusBar::paintProgressMore() {
  const PanelRect& r = model_.progressRect;
  repaint(QRect(QPoint(r.left, r.top), QPoint(model_.barRight(r), r.bottom)));
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.setPen(palette().mid().color());
  p.drawRect(QRect(1, 1, kFirstPanelWidth - 1, height() - 3));
  const QRect panel = progressPanelRect();
  p.drawRect(panel.adjusted(-1, -1, 0, 0));
  const PanelRect r{panel.left(), panel.top(), panel.right() + 1, panel.bottom() + 1};
  model_.drawn(r);
  const int right = model_.barRight(r);
  if (right > r.left)
    p.fillRect(QRect(QPoint(r.left, r.top), QPoint(right - 1, r.bottom - 1)), kNavy);
}
