#include "print/views/SheetPreview.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <map>

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
  const std::vector<GridFormat> grids = GridFormats(*format, details);
  const auto grid = [&](const SheetPosition& pos) -> const GridFormat& {
    return grids[size_t(std::clamp(pos.grid, 0, int32_t(grids.size()) - 1))];
  };
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
  // On an element of another size the cover keeps its own, centred: the drawing moves by as much.
  const CoverDrawer replay = [&](QPainter& painter, const PixelRect& moved, int, int) {
    painter.drawImage(moved.x - cover.x - bleed.w, moved.y - cover.y - bleed.h, drawn);
  };
  // Positions that print another part show its cover at its own element's size, drawn once per
  // paint.
  const std::vector<size_t> partAt = parts_.at ? parts_.at(layout.perSheet) : std::vector<size_t>{};
  const size_t current = parts_.current ? parts_.current() : 0;
  struct OtherCover {
    QImage image;
    PixelSize size;
    PixelRect cover;
  };
  std::map<size_t, OtherCover> others;
  const auto otherCover = [&](size_t part) -> const OtherCover& {
    auto found = others.find(part);
    if (found != others.end()) return found->second;
    OtherCover o{{}, es, {}};
    const CoverJob* job = parts_.cover ? parts_.cover(part, paper_->coverSettings()) : nullptr;
    if (job && job->elementWidth > 0 && job->elementHeight > 0) {
      PaperFormat own = *format;
      own.width = job->elementWidth, own.height = job->elementHeight;
      o.size = PreviewElementSize(own, sdpi, zoom);
    }
    o.image = QImage(QSize(o.size.w + 2 * bleed.w, o.size.h + 2 * bleed.h),
                     QImage::Format_ARGB32_Premultiplied);
    o.image.fill(Qt::transparent);
    if (job) {
      o.cover =
          PreviewCover(job->settings, o.size.w, job->pictureWidth, job->pictureHeight, sdpi, zoom);
      QPainter recorder(&o.image);
      recorder.translate(bleed.w, bleed.h);
      job->draw(recorder, o.cover, res, res);
    }
    return others.emplace(part, std::move(o)).first->second;
  };
  for (const SheetPosition& pos : layout.onSheet(print_->pageEdit->value() - 1)) {
    const GridFormat& g = grid(pos);
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    const PixelSize box = PreviewElementSize(g.format, sdpi, zoom);
    const size_t onSheet = size_t(pos.k % layout.perSheet);
    if (onSheet < partAt.size() && partAt[onSheet] != current) {
      const OtherCover& o = otherCover(partAt[onSheet]);
      const CoverDrawer replayOther = [&](QPainter& painter, const PixelRect& moved, int, int) {
        painter.drawImage(moved.x - o.cover.x - bleed.w, moved.y - o.cover.y - bleed.h, o.image);
      };
      PaintElement(p, QPoint(at.x, at.y), g.format, g.details, box, bleed,
                   CentredCover(o.cover, o.size, box), replayOther, res, res);
    } else {
      if (filled) {
        const FilledTexts texts(*objects,
                                fields->values(layout.copyOf(pos.k), print_->jobCopies()));
        drawCover();
      }
      PaintElement(p, QPoint(at.x, at.y), g.format, g.details, box, bleed,
                   CentredCover(cover, es, box), replay, res, res);
    }
    DrawScreenOutline(p, g.format, g.details.shape, QRectF(at.x, at.y, box.w, box.h), outlines);
    DrawGuides(p, g.format, g.details, QRectF(at.x, at.y, box.w, box.h), kGuideBlue, 0);
    ++drawn_;
  }
  if (print_->pageEdit->value() != 1) return;
  // Every other position of the first sheet, so the user sees where to click: free ones as their
  // outline, used ones ("Already used" or marked by a click) hatched inside their shape.
  for (int32_t k = 0; k < layout.perSheet; ++k) {
    if (layout.receives(k)) continue;
    const SheetPosition pos = layout.at(k);
    const GridFormat& g = grid(pos);
    const PixelPoint at = PreviewElementPos(PositionGrid(*format, layout, pos), pos, sdpi, zoom);
    const PixelSize size = PreviewElementSize(g.format, sdpi, zoom);
    const QRectF box(at.x, at.y, size.w, size.h);
    const bool used = k < layout.first || std::find(layout.marked.begin(), layout.marked.end(),
                                                    k) != layout.marked.end();
    if (used)
      p.fillPath(ShapePath(g.format, g.details.shape, box), QBrush(Qt::darkGray, Qt::BDiagPattern));
    DrawOutline(p, g.format, g.details.shape, box.adjusted(0.5, 0.5, -0.5, -0.5),
                used ? QColor(Qt::darkGray) : QColor(160, 160, 160), 0);
  }
}

int SheetPreview::positionAt(QPoint point) const {
  const PaperFormat* format = paper_->selectedFormat();
  if (!format) return -1;
  const double sdpi = logicalDpiX();
  const int zoom = print_->zoom();
  const SheetLayout layout = print_->currentLayout();
  for (int32_t k = 0; k < layout.perSheet; ++k) {
    const SheetPosition pos = layout.at(k);
    const PaperFormat grid = PositionGrid(*format, layout, pos);
    const PixelPoint at = PreviewElementPos(grid, pos, sdpi, zoom);
    const PixelSize es = PreviewElementSize(grid, sdpi, zoom);
    if (QRect(at.x, at.y, es.w, es.h).contains(point)) return k;
  }
  return -1;
}

bool SheetPreview::eventFilter(QObject* watched, QEvent* e) {
  if (watched != this) return false;
  if (e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
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

QMenu* SheetPreview::partMenu(int32_t k) {
  const std::vector<std::string> names = parts_.names ? parts_.names() : std::vector<std::string>{};
  if (names.size() < 2 || !parts_.at || !parts_.choose) return nullptr;
  const std::vector<size_t> at = parts_.at(k + 1);
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addSection(tr("Part at position %1").arg(k + 1));
  auto* group = new QActionGroup(menu);
  for (size_t i = 0; i < names.size(); ++i) {
    QAction* a = menu->addAction(QString::fromStdString(names[i]));
    a->setCheckable(true);
    a->setChecked(i == at.back());
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, k, i] {
      parts_.choose(k, i);
      update();
    });
  }
  return menu;
}

// A right click on a position of the first sheet chooses the part that prints there.
void SheetPreview::contextMenuEvent(QContextMenuEvent* e) {
  if (print_->pageEdit->value() != 1 || !print_->correctInputs()) return;
  const int k = positionAt(e->pos());
  QMenu* menu = k >= 0 ? partMenu(k) : nullptr;
  if (menu) menu->popup(e->globalPos());
}

void SheetPreview::askForFormat() {
  if (!paper_->selectedFormat())
    CurrentDialogs().messageBox(Translate("PrintPanel", PrintPanel::kNoFormat), "", MsgButtons::Ok,
                                MsgIcon::Error);
}
