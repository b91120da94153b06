#include "print/views/SheetPreview.h"

#include <QCheckBox>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>

#include "print/views/DragScroll.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/ShapePainter.h"

SheetPreview::SheetPreview(PaperFormatPanel* paper, PrintPanel* print,
                           std::function<QSize()> pictureSize, QWidget* parent)
    : QWidget(parent), paper_(paper), print_(print), pictureSize_(std::move(pictureSize)),
      page_(DefaultPrinterPage()) {
  scrollArea_ = new QScrollArea(parent);
  scrollArea_->setWidget(this);
  scrollArea_->setWidgetResizable(false);
  new DragScroll(this, scrollArea_, false);
  connect(paper_, &PaperFormatPanel::viewChanged, this, &SheetPreview::paintPreview);
  connect(print_, &PrintPanel::previewChanged, this, &SheetPreview::paintPreview);
  resize(300, 300);
}

void SheetPreview::setPrinterPage(const PrinterPage& page) {
  page_ = page;
  paintPreview();
}

void SheetPreview::paintPreview() {
  askAllowed_ = true;
  if (print_->correctInputs()) {
    const PixelSize s = PreviewSize(page_.widthPx, page_.heightPx, logicalDpiX(), page_.dpiX,
                                    print_->zoom());
    if (size() != QSize(s.w, s.h)) resize(std::max(s.w, 1), std::max(s.h, 1));
  }
  update();
}

void SheetPreview::showEvent(QShowEvent*) {
  paintPreview();
}

void SheetPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  drawn_ = 0;
  const PaperFormat* format = paper_->selectedFormat();
  if (!format) {
    // Asked after painting, once per request: the box's own repaints must not ask again.
    if (askAllowed_) {
      askAllowed_ = false;
      QTimer::singleShot(0, this, &SheetPreview::askForFormat);
    }
    return;
  }
  const double sdpi = logicalDpiX();
  const int zoom = print_->zoom();
  const PixelSize es = PreviewElementSize(*format, sdpi, zoom);
  const QSize picture = pictureSize_ ? pictureSize_() : QSize(1, 1);
  const PixelRect cover = PreviewCover(paper_->coverSettings(), es.w, picture.width(),
                                       picture.height(), sdpi, zoom);
  const FormatDetails details = paper_->selectedDetails();
  const PixelSize bleed = BleedPixels(details.bleed, Calibration{}, static_cast<int>(sdpi) * zoom / 100,
                                      static_cast<int>(sdpi) * zoom / 100);
  QImage element = RenderBleedElement(es, bleed, cover, draw_, static_cast<int>(sdpi), static_cast<int>(sdpi));
  if (element.isNull()) return;
  if (NeedsClip(details)) element = ClipToShape(element, *format, details, es.w, es.h);
  const SheetLayout layout = LayoutFor(*format, details, print_->usedEdit->value(), print_->copiesEdit->value());
  const bool outlines = print_->outlinesBox->isChecked();
  for (const SheetPosition& pos : layout.OnSheet(print_->pageEdit->value() - 1)) {
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    p.drawImage(at.x - bleed.w, at.y - bleed.h, element);
    DrawScreenOutline(p, *format, details.shape, QRectF(at.x, at.y, es.w, es.h), outlines);
    ++drawn_;
  }
}

void SheetPreview::askForFormat() {
  if (!paper_->selectedFormat())
    CurrentDialogs().messageBox(PrintPanel::kNoFormat, "", MsgButtons::Ok, MsgIcon::Error);
}
