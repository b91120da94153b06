#include "platform/views/ImageButton.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ImageButton::ImageButton(const QPixmap& normal, const QPixmap& pressed, const QString& hint,
                         QWidget* parent)
    : QWidget(parent), normal_(normal), pressed_Pic_(pressed) {
  setToolTip(hint);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(normal.deviceIndependentSize().toSize());
}

void ImageButton::showPicture(bool pressedPicture) {
  if (showPressed_ == pressedPicture) return;
  showPressed_ = pressedPicture;
  update();
}

void ImageButton::release() {
  pressed_ = false;
  showPicture(false);
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), showPressed_ ? pressed_Pic_ : normal_);
}

void ImageButton::mousePressEvent(QMouseEvent*) {
  pressed_ = true;
  doubleClickPress_ = false;
  showPicture(true);
}

// The first click of the pair has run the action; the pair counts as that one click.
void ImageButton::mouseDoubleClickEvent(QMouseEvent*) {
  pressed_ = true;
  doubleClickPress_ = true;
  showPicture(true);
}

void ImageButton::mouseMoveEvent(QMouseEvent* e) {
  if (!pressed_) return;
  const QPoint pos = e->position().toPoint();
  showPicture(rect().contains(pos));
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && !doubleClickPress_ && e->button() == Qt::LeftButton &&
                     rect().contains(e->position().toPoint());
  doubleClickPress_ = false;
  if (click && action_) action_();
  release();
}

QPixmap ButtonPicture(const QSize& size, const QString& caption, const QColor& base, bool pressed,
                      const QString& glyph, qreal pixelRatio) {
  QPixmap pm(size * pixelRatio);
  pm.setDevicePixelRatio(pixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, pressed ? base.darker(130) : base.lighter(135));
  g.setColorAt(1, pressed ? base.darker(105) : base.darker(115));
  p.setPen(QPen(base.darker(170), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 6, 6);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(qMax(10, size.height() * 2 / 5));
  p.setFont(f);
  p.setPen(Qt::white);
  QRectF textRect = r.translated(pressed ? 1 : 0, pressed ? 1 : 0);
  if (!glyph.isEmpty()) {
    const qreal side = size.height() * 0.55;
    const QRectF glyphRect(textRect.left() + side * 0.5, textRect.center().y() - side / 2, side,
                           side);
    QSvgRenderer(glyph).render(&p, glyphRect);
    textRect.setLeft(glyphRect.right());
  }
  p.drawText(textRect, Qt::AlignCenter, caption);
  return pm;
}

ImageButton* NewPictureButton(const QSize& size, const QString& caption, const QColor& base,
                              const QString& glyph, const QString& hint, QWidget* parent) {
  // Wider than asked when a translated caption needs it, so it is never cut.
  QFont f;
  f.setBold(true);
  f.setPixelSize(qMax(10, size.height() * 2 / 5));
  const int glyphWidth = glyph.isEmpty() ? 0 : int(size.height() * 0.55 * 1.5);
  const QSize fitted(
      qMax(size.width(), glyphWidth + QFontMetrics(f).horizontalAdvance(caption) + 12),
      size.height());
  return new ImageButton(ButtonPicture(fitted, caption, base, false, glyph),
                         ButtonPicture(fitted, caption, base, true, glyph), hint, parent);
}
