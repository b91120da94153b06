#include "retouch/views/MenuButton.h"

#include <QMouseEvent>

MenuButton::MenuButton(const QString& caption, const QString& hint, QMenu* menu, QWidget* parent)
    : QPushButton(caption, parent), menu_(menu) {
  setFlat(true);
  setToolTip(hint);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QPushButton::clicked, this, [this] { menu_->popup(menuPosition()); });
}

QPoint MenuButton::menuPosition() const {
  return mapToGlobal(QPoint(0, 0)) + QPoint(0, height());
}

void MenuButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    menu_->popup(e->globalPosition().toPoint());
    return;
  }
  QPushButton::mousePressEvent(e);
}
