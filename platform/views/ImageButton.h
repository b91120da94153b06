#pragma once
// A button made of two pictures, a normal and a pressed one, shown while the mouse is held on it.
// A left release over the picture runs the action once, before the release restores the picture;
// the second press of a double click presses the picture but runs nothing.
#include <QPixmap>
#include <QWidget>
#include <functional>

class ImageButton : public QWidget {
  Q_OBJECT
 public:
  ImageButton(const QPixmap& normal, const QPixmap& pressed, const QString& hint,
              QWidget* parent = nullptr);
  void setAction(std::function<void()> action) { action_ = std::move(action); }
  bool isPressed() const { return pressed_; }
  bool showsPressedPicture() const { return showPressed_; }
  // Shows the normal picture and clears the pressed flag (before a dialog opens).
  void release();
  QSize sizeHint() const override { return normal_.deviceIndependentSize().toSize(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void showPicture(bool pressedPicture);
  QPixmap normal_, pressed_Pic_;
  std::function<void()> action_;
  bool pressed_ = false;
  bool showPressed_ = false;
  bool doubleClickPress_ = false;  // the held press is a double click's second one
};

// A button picture of our own: a rounded plate with a glyph (an SVG resource, may be empty) and
// a caption, pressed or raised, drawn at twice the size so that it stays sharp on scaled screens.
QPixmap ButtonPicture(const QSize& size, const QString& caption, const QColor& base, bool pressed,
                      const QString& glyph = {}, qreal pixelRatio = 2.0);

// The plate colours of the program's buttons.
inline const QColor kGoButtonColor{30, 120, 60}, kSetupButtonColor{40, 80, 160},
    kQuitButtonColor{170, 30, 30};

// An image button with the normal and the pressed ButtonPicture of one caption and glyph.
ImageButton* NewPictureButton(const QSize& size, const QString& caption, const QColor& base,
                              const QString& glyph, const QString& hint, QWidget* parent);
