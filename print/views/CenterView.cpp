#include "print/views/CenterView.h"

#include <QPainter>

#include "print/CenterLayout.h"
#include "print/views/DragScroll.h"
#include "print/views/PaperFormatPanel.h"

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
  // The cover is not clipped to the element: it reaches as far as the view.
  const QImage element = RenderCoverElement(view, cover, draw_, logicalDpiX(), logicalDpiY());
  QPainter p(this);
  if (element.isNull())
    p.fillRect(rect(), Qt::white);
  else
    p.drawImage(0, 0, element);
}
