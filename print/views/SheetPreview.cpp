#include "print/views/SheetPreview.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "cover/merge/FilledTexts.h"
#include "platform/Translate.h"
#include "platform/Units.h"
#include "platform/device/views/PictureImages.h"
#include "platform/dib/Dib.h"
#include "print/views/DragScroll.h"
#include "print/views/ElementPainter.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/ShapePainter.h"

SheetPreview::SheetPreview(PaperFormatPanel* paper, PrintPanel* print,
                           std::function<QSize()> pictureSize, QWidget* parent)
    : QWidget(parent),
      paper_(paper),
      print_(print),
      pictureSize_(std::move(pictureSize)),
      page_(DefaultPrinterPage()) {
  scrollArea_ = new QScrollArea(parent);
  scrollArea_->setWidget(this);
  scrollArea_->setWidgetResizable(false);
  new DragScroll(this, scrollArea_, false);
  installEventFilter(this);  // after the drag-to-scroll's filter, so it runs first
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
    // The format's sheet, when it names one, else the printer's page.
    const FormatDetails d = paper_->selectedDetails();
    const bool sheet = d.sheetWidth > 0 && d.sheetHeight > 0;
    const int w = sheet ? TruncPixels(d.sheetWidth / kMmPerInch * page_.dpiX) : page_.widthPx;
    const int h = sheet ? TruncPixels(d.sheetHeight / kMmPerInch * page_.dpiY) : page_.heightPx;
    const PixelSize s = PreviewSize(w, h, logicalDpiX(), page_.dpiX, print_->zoom());
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
  const PixelRect cover =
      PreviewCover(paper_->coverSettings(), es.w, picture.width(), picture.height(), sdpi, zoom);
  const FormatDetails details = paper_->selectedDetails();
  const PixelSize bleed =
      BleedPixels(details.bleedX, details.bleedY, Calibration{},
                  static_cast<int>(sdpi) * zoom / 100, static_cast<int>(sdpi) * zoom / 100);
  if (es.w <= 0 || es.h <= 0) return;
  const SheetLayout layout = print_->currentLayout();
  const bool outlines = print_->outlinesBox->isChecked();
  const int res = static_cast<int>(sdpi);
  // The printout's drawing at the screen's resolution: the cover is drawn once per paint, with
  // its bleed, and placed at every position, clipped there to the shape.
  const QSize withBleed(es.w + 2 * bleed.w, es.h + 2 * bleed.h);
  if (!DibSizeAllowed(withBleed.width(), withBleed.height(), 24)) return;
  QImage drawn(withBleed, QImage::Format_ARGB32_Premultiplied);
  if (drawn.isNull()) return;
  PictureImagesScope pictures;
  const auto drawCover = [&] {
    drawn.fill(Qt::transparent);
    if (!draw_) return;
    QPainter recorder(&drawn);
    recorder.translate(bleed.w, bleed.h);
    draw_(recorder, cover, res, res);
  };
  // Texts with fields show each copy's values: the cover is drawn again for every position.
  CopyFields* fields = print_->copyFields();
  ObjectTable* objects = print_->fieldObjects();
  const bool filled = fields && objects && fields->fills(*objects);
  if (filled)
    fields->newJob();
  else
    drawCover();
  const CoverDrawer replay = [&](QPainter& painter, const PixelRect&, int, int) {
    painter.drawImage(-bleed.w, -bleed.h, drawn);
  };
  for (const SheetPosition& pos : layout.onSheet(print_->pageEdit->value() - 1)) {
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    if (filled) {
      const FilledTexts texts(*objects, fields->values(layout.copyOf(pos.k), print_->jobCopies()));
      drawCover();
    }
    PaintElement(p, QPoint(at.x, at.y), *format, details, es, bleed, cover, replay, res, res);
    DrawScreenOutline(p, *format, details.shape, QRectF(at.x, at.y, es.w, es.h), outlines);
    DrawGuides(p, *format, details, QRectF(at.x, at.y, es.w, es.h), kGuideBlue, 0);
    ++drawn_;
  }
  if (print_->pageEdit->value() != 1) return;
  // Every other position of the first sheet, so the user sees where to click: free ones as their
  // outline, used ones ("Already used" or marked by a click) hatched inside their shape.
  for (int32_t k = 0; k < layout.perSheet; ++k) {
    if (layout.receives(k)) continue;
    const SheetPosition pos = layout.at(k);
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    const QRectF box(at.x, at.y, es.w, es.h);
    const bool used = k < layout.first || std::find(layout.marked.begin(), layout.marked.end(),
                                                    k) != layout.marked.end();
    if (used)
      p.fillPath(ShapePath(*format, details.shape, box), QBrush(Qt::darkGray, Qt::BDiagPattern));
    DrawOutline(p, *format, details.shape, box.adjusted(0.5, 0.5, -0.5, -0.5),
                used ? QColor(Qt::darkGray) : QColor(160, 160, 160), 0);
  }
}

int SheetPreview::positionAt(QPoint point) const {
  const PaperFormat* format = paper_->selectedFormat();
  if (!format) return -1;
  const double sdpi = logicalDpiX();
  const int zoom = print_->zoom();
  const PixelSize es = PreviewElementSize(*format, sdpi, zoom);
  const SheetLayout layout = print_->currentLayout();
  for (int32_t k = 0; k < layout.perSheet; ++k) {
    const SheetPosition pos = layout.at(k);
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    if (QRect(at.x, at.y, es.w, es.h).contains(point)) return k;
  }
  return -1;
}

bool SheetPreview::eventFilter(QObject* watched, QEvent* e) {
  if (watched != this) return false;
  if (e->type() == QEvent::MouseButtonPress) {
    pressed_ = true;
    pressedAt_ = static_cast<QMouseEvent*>(e)->globalPosition();
  } else if (e->type() == QEvent::MouseButtonRelease && pressed_) {
    pressed_ = false;
    const auto* m = static_cast<QMouseEvent*>(e);
    const QPointF moved = m->globalPosition() - pressedAt_;
    if (std::max(std::abs(moved.x()), std::abs(moved.y())) <= kClickSlack &&
        print_->pageEdit->value() == 1 && print_->correctInputs()) {
      const int k = positionAt(m->position().toPoint());
      if (k >= 0) print_->toggleUsed(k);
    }
  }
  return false;  // the drag-to-scroll sees every event too
}

void SheetPreview::askForFormat() {
  if (!paper_->selectedFormat())
    CurrentDialogs().messageBox(Translate("PrintPanel", PrintPanel::kNoFormat), "", MsgButtons::Ok,
                                MsgIcon::Error);
}
