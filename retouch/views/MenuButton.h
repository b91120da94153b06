#pragma once
// A flat tool bar button that opens its menu: a click puts the menu's top-left corner at the
// button's bottom-left corner, a right click opens it at the mouse.
#include <QMenu>
#include <QPushButton>

class MenuButton : public QPushButton {
  Q_OBJECT
 public:
  MenuButton(const QString& caption, const QString& hint, QMenu* menu, QWidget* parent = nullptr);
  QMenu* popupMenu() const { return menu_; }
  // The screen point where a click opens the menu.
  QPoint menuPosition() const;

 protected:
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QMenu* menu_;
};
