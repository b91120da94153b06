#include "print/views/CenterView.h"

#include <QPainter>

#include "print/CenterLayout.h"
#include "print/views/DragScroll.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/ShapePainter.h"

CenterView::CenterView(PaperFormatPanel* paper, std::function<QSize()> pictureSize, QWidget* parent)
    : QWidget(parent), paper_(paper), pictureSize_(std::move(pictureSize)) {
  scrollArea_ = new QScrollArea(parent);
  scrollArea_->setWidget(this);
  scrollArea_->setWidgetResizable(false);
  new DragScroll(this, scrollArea_, true);
  connect(paper_, &PaperFormatPanel::viewChanged, this, &CenterView::paintView);
  paintView();
}

void CenterView::paintView() {
  const PixelSize s = CenterViewSize(paper_->selectedFormat(), logicalDpiX(), paper_->zoom());
  if (size() != QSize(s.w, s.h)) resize(std::max(s.w, 1), std::max(s.h, 1));
  update();
}

void CenterView::paintEvent(QPaintEvent*) {
  const PixelSize view{width(), height()};
  const QSize picture = pictureSize_ ? pictureSize_() : QSize(1, 1);
  const PixelRect cover = CenterCover(paper_->coverSettings(), view, picture.width(),
                                      picture.height(), logicalDpiX(), paper_->zoom());
  // A plain rectangle does not clip the cover: it reaches as far as the view. Shapes clip it to
  // the outline grown by the bleed.
  QImage element = RenderCoverElement(view, cover, draw_, logicalDpiX(), logicalDpiY());
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const PaperFormat* format = paper_->selectedFormat();
  const FormatDetails details = paper_->selectedDetails();
  if (element.isNull()) return;
  if (!format || !NeedsClip(details)) {
    p.drawImage(0, 0, element);
    if (format) DrawGuides(p, *format, details, QRectF(0, 0, view.w, view.h), kGuideBlue, 0);
    return;
  }
  const PixelSize bleed =
      BleedPixels(details.bleedX, details.bleedY, Calibration{},
                  logicalDpiX() * paper_->zoom() / 100, logicalDpiY() * paper_->zoom() / 100);
  const QRectF box(0, 0, view.w, view.h);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(element));
  p.drawPath(ShapePath(*format, details.shape, box, QPointF(bleed.w, bleed.h)));
  DrawScreenOutline(p, *format, details.shape, box, false);
  DrawGuides(p, *format, details, box, kGuideBlue, 0);
}
