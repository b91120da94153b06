#include "platform/views/Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QPixmap Canvas() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  return pm;
}

void Outlined(QPainter& p, const QPainterPath& path) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::white);
  p.drawPath(path);
}

QCursor GrabbingHand() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  QPainterPath hand;
  hand.addRoundedRect(7, 12, 18, 14, 5, 5);
  for (int i = 0; i < 4; ++i) hand.addRoundedRect(8 + i * 4.3, 8, 4.3, 8, 2, 2);
  Outlined(p, hand.simplified());
  p.end();
  return QCursor(pm, 16, 16);
}

QCursor Magnifier() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(19, 19, 28, 28);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.end();
  return QCursor(pm, 12, 12);
}

QCursor ArrowWithPages() {
  QPixmap pm = Canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  for (int i = 2; i >= 0; --i) p.drawRect(15 + i * 3, 15 + i * 3, 10, 12);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 18);
  arrow.lineTo(5, 14);
  arrow.lineTo(8, 21);
  arrow.lineTo(11, 20);
  arrow.lineTo(8, 13);
  arrow.lineTo(13, 13);
  arrow.closeSubpath();
  Outlined(p, arrow);
  p.end();
  return QCursor(pm, 1, 1);
}
}  // namespace

QCursor CursorByNumber(int number) {
  static const QCursor hand = GrabbingHand();
  static const QCursor lupe = Magnifier();
  static const QCursor place = ArrowWithPages();
  switch (number) {
    case 1:
    case 4:
      return QCursor(Qt::SizeFDiagCursor);
    case 2:
    case 3:
      return QCursor(Qt::SizeBDiagCursor);
    case 5:
    case 6:
      return QCursor(Qt::SizeVerCursor);
    case 7:
    case 8:
      return QCursor(Qt::SizeHorCursor);
    case 9:
      return hand;
    case 11:
      return lupe;
    case 12:
      return place;
    default:
      return QCursor(Qt::ArrowCursor);
  }
}
