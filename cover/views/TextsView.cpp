#include "cover/views/TextsView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "cover/Truncate.h"
#include "cover/merge/FilledTexts.h"
#include "cover/text/CoverText.h"
#include "cover/tracks/TrackTexts.h"
#include "cover/tracks/views/TrackListDialog.h"
#include "cover/views/CoverImage.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/PropertyPages.h"
#include "cover/views/SelectionPainter.h"
#include "cover/views/TextBoxSize.h"
#include "cover/views/TextsToolBar.h"
#include "platform/views/Cursors.h"

namespace {
const QColor kWorkspace(171, 171, 171);  // the application-workspace colour
// The paint box's size at design time, which the buffer starts with.
constexpr int kDesignWidth = 313, kDesignHeight = 201;

bool EditorKeyWanted(int key) {
  return EditorKeyOf(key) != EditorKey::Other;
}
}  // namespace

TextsPaintBox::TextsPaintBox(TextsView* view) : QWidget(nullptr), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // moves without a button set the cursor
}

void TextsPaintBox::paintEvent(QPaintEvent* e) {
  view_->paintView(e->rect());
}

void TextsPaintBox::mousePressEvent(QMouseEvent* e) {
  view_->onMousePressed(e->button(), e->position().toPoint());
}

void TextsPaintBox::mouseMoveEvent(QMouseEvent* e) {
  view_->onMouseMoved(e->position().toPoint());
}

void TextsPaintBox::mouseReleaseEvent(QMouseEvent* e) {
  view_->onMouseReleased(e->button(), e->position().toPoint());
}

// The double-click comes first; the press that belongs to it follows.
void TextsPaintBox::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) view_->onDoubleClicked();
  view_->onMousePressed(e->button(), e->position().toPoint());
}

KeyField::KeyField(TextsView* view, QWidget* parent) : QLineEdit(parent), view_(view) {
  setObjectName(QStringLiteral("keyField"));
  setFocusPolicy(Qt::ClickFocus);
}

bool KeyField::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    // Delete, Up and Down belong to the view even where a shortcut names them.
    if (EditorKeyWanted(static_cast<QKeyEvent*>(e)->key())) e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress) {
    view_->onKeyPressed(static_cast<QKeyEvent*>(e)->key());
    return true;
  }
  if (e->type() == QEvent::KeyRelease || e->type() == QEvent::InputMethod) return true;
  return QLineEdit::event(e);
}

TextsView::TextsView(TextsDocument doc, CoverDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      editor_(doc.objects, dialogs),
      viewBuffer_(kDesignWidth, kDesignHeight, QImage::Format_RGB32),
      bufferArea_(0, 0, kDesignWidth, kDesignHeight) {
  setObjectName(QStringLiteral("TextsView"));
  viewBuffer_.fill(Qt::white);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolBar = new TextsToolBar(this);
  toolBar->setFixedWidth(80);
  layout->addWidget(toolBar);

  scrollArea = new QScrollArea(this);
  scrollArea->setObjectName(QStringLiteral("scrollArea"));
  QPalette pal = scrollArea->palette();
  pal.setColor(QPalette::Window, kWorkspace);
  pal.setColor(QPalette::Base, kWorkspace);
  scrollArea->setPalette(pal);
  scrollArea->viewport()->setAutoFillBackground(true);
  scrollArea->setWidgetResizable(false);
  paintBox = new TextsPaintBox(this);
  paintBox->setObjectName(QStringLiteral("paintBox"));
  paintBox->resize(kDesignWidth, kDesignHeight);
  scrollArea->setWidget(paintBox);
  scrollArea->viewport()->installEventFilter(this);
  layout->addWidget(scrollArea, 1);

  // The key field lies behind the scroll area's viewport: focusable, never seen.
  keyField = new KeyField(this, scrollArea);
  keyField->setGeometry(scrollArea->frameWidth() + 1, scrollArea->frameWidth() + 1, 1, 1);
  keyField->lower();

  // The pages scroll when the window is lower than they are.
  auto* pagesArea = new QScrollArea(this);
  pagesArea->setFrameShape(QFrame::NoFrame);
  pagesArea->setWidgetResizable(true);
  pagesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pagesArea->setFixedWidth(200);
  propertyPages = new PropertyPages(editor_);
  propertyPages->setObjectName(QStringLiteral("propertyPages"));
  pagesArea->setWidget(propertyPages);
  layout->addWidget(pagesArea);
  objectMenu = new ObjectMenu(editor_, this);

  connect(toolBar, &TextsToolBar::toolChosen, this, [this](Tool t) {
    // The picture is chosen first; without one the pointer stays.
    if (t == Tool::Picture && !editor_.choosePicture()) t = Tool::Pointer;
    editor_.tool = t;
    toolBar->setTool(t);
  });
  connect(toolBar->guideButton, &QToolButton::toggled, this, &TextsView::repaintView);
  connect(toolBar->valuesButton, &QToolButton::toggled, this, &TextsView::repaintView);
  connect(propertyPages, &PropertyPages::changed, this, &TextsView::repaintView);
  connect(objectMenu, &ObjectMenu::changed, this, &TextsView::repaintView);
  connect(propertyPages, &PropertyPages::changed, this, &TextsView::commitStep);
  connect(objectMenu, &ObjectMenu::changed, this, &TextsView::commitStep);
  connect(toolBar, &TextsToolBar::trackListClicked, this, &TextsView::showTrackList);
  connect(objectMenu, &ObjectMenu::trackListRequested, this, &TextsView::showTrackList,
          Qt::QueuedConnection);  // after the menu has closed
  editor_.fontDpi = logicalDpiX();
  propertyPages->refresh();
}

void TextsView::sizeForPage() {
  const CoverScales& s = doc_.objects.scales();
  const int w = std::clamp(TruncI32(doc_.pageWidth * s.ViewZoom / s.ViewScale), 0, QWIDGETSIZE_MAX);
  const int h =
      std::clamp(TruncI32(doc_.pageHeight * s.ViewZoom / s.ViewScale), 0, QWIDGETSIZE_MAX);
  paintBox->resize(w, h);
  repaintView();
}

void TextsView::repaintView() {
  fullPaint_ = true;
  paintBox->update();
}

void TextsView::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  repaintView();  // the document may have changed while the tab was hidden
}

QRect TextsView::visiblePart() const {
  const QWidget* viewport = scrollArea->viewport();
  return QRect(paintBox->mapFrom(viewport, QPoint(0, 0)), viewport->size()) & paintBox->rect();
}

void TextsView::paintView(const QRect& exposed) {
  // During a drag only the frame moves: the buffer already shows it at its new place.
  if (doc_.objects.dragState == 1 && !fullPaint_ && bufferArea_.contains(exposed)) {
    QPainter(paintBox).drawImage(exposed.topLeft(), viewBuffer_,
                                 exposed.translated(-bufferArea_.topLeft()));
    return;
  }
  propertyPages->refresh();
  if (history_ && doc_.objects.dragState == 0) history_->absorb();  // the refresh may clamp
  PaintPlan plan = editor_.planPaint(DibWidth(doc_.picture), DibHeight(doc_.picture),
                                     paintBox->width(), paintBox->height());
  if (!plan.draw && !plan.resize) return;  // a zoom step is under way
  plan.width = std::clamp(plan.width, 0, QWIDGETSIZE_MAX);
  plan.height = std::clamp(plan.height, 0, QWIDGETSIZE_MAX);
  if (paintBox->size() != QSize(plan.width, plan.height)) {
    paintBox->resize(plan.width, plan.height);  // the resize paints again
    paintBox->update();
    return;
  }
  fullPaint_ = false;
  ++drawn_;
  // The buffer holds what the screen shows, whatever the zoom; a part beyond it is drawn straight.
  const QRect visible = visiblePart();
  if (!visible.contains(exposed)) {
    paintUnbuffered(exposed);
    return;
  }
  if (viewBuffer_.size() != visible.size())
    viewBuffer_ = QImage(visible.size(), QImage::Format_RGB32);
  bufferArea_ = visible;
  {
    QPainter buffer(&viewBuffer_);
    buffer.translate(-visible.topLeft());
    buffer.setClipRect(visible);
    {
      std::optional<FilledTexts> shown;  // the fields as the first copy prints them
      if (values_ && toolBar->valuesButton->isChecked()) shown.emplace(doc_.objects, values_());
      PaintCover(buffer, plan.width, plan.height, doc_.picture, doc_.objects,
                 editor_.viewRenderScale(), editor_.fontDpi, paintBox->logicalDpiX());
    }
    paintGuide(buffer);
    PaintSelection(buffer, editor_.selectionFrame(0, 0));
  }
  QPainter(paintBox).drawImage(exposed.topLeft(), viewBuffer_,
                               exposed.translated(-visible.topLeft()));
}

void TextsView::paintUnbuffered(const QRect& exposed) {
  QPainter painter(paintBox);
  painter.setClipRect(exposed);
  {
    std::optional<FilledTexts> shown;
    if (values_ && toolBar->valuesButton->isChecked()) shown.emplace(doc_.objects, values_());
    PaintCover(painter, paintBox->width(), paintBox->height(), doc_.picture, doc_.objects,
               editor_.viewRenderScale(), editor_.fontDpi, paintBox->logicalDpiX());
  }
  paintGuide(painter);
  PaintSelection(painter, editor_.selectionFrame(0, 0));
}

void TextsView::paintGuide(QPainter& p) {
  const PrintGuide g = guide_ ? guide_() : PrintGuide{};  // worked out once a paint
  updatePrintedSize(g.mmPerPixel);
  if (!toolBar->guideButton->isChecked() || DibWidth(doc_.picture) <= 0 ||
      DibHeight(doc_.picture) <= 0)
    return;
  if (g.outline.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(double(paintBox->width()) / DibWidth(doc_.picture),
          double(paintBox->height()) / DibHeight(doc_.picture));
  QPen pen(QColor(0, 120, 215), 0, Qt::DashLine);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(g.outline);
  pen.setStyle(Qt::DashDotLine);
  p.setPen(pen);
  p.drawPath(g.lines);
  p.restore();
}

void TextsView::updatePrintedSize(double mm) {
  const int sel = doc_.objects.selectedSlot;
  const double base = doc_.objects.scales().BaseScale;
  if (mm <= 0 || sel <= 0 || base <= 0) {
    toolBar->printedSizeLine->clear();
    return;
  }
  const CoverObject& o = doc_.objects[sel];
  QString text = QCoreApplication::translate("TextsView", "%1 x %2 mm")
                     .arg(o.W / base * mm, 0, 'f', 1)
                     .arg(o.H / base * mm, 0, 'f', 1);
  if (o.Kind == kText) {
    const double fontMm =
        o.FontSize * mm;  // the character height follows the size, one pixel a point
    text += QCoreApplication::translate("TextsView", ", font %1 mm (%2 pt)")
                .arg(fontMm, 0, 'f', 1)
                .arg(fontMm * 72 / 25.4, 0, 'f', 1);
  }
  toolBar->printedSizeLine->setText(text);
}

ViewState TextsView::viewState() const {
  ViewState v;
  v.viewWidth = paintBox->width();
  v.viewHeight = paintBox->height();
  v.pageWidth = doc_.pageWidth;
  v.pageHeight = doc_.pageHeight;
  v.scrollX = scrollArea->horizontalScrollBar()->value();
  v.scrollY = scrollArea->verticalScrollBar()->value();
  v.rangeX = paintBox->width();
  v.rangeY = paintBox->height();
  v.areaWidth = scrollArea->viewport()->width();
  v.areaHeight = scrollArea->viewport()->height();
  return v;
}

void TextsView::apply(const EditorResult& r) {
  if (r.cursor) paintBox->setCursor(CursorByNumber(r.cursor));
  if (r.pointerTool) toolBar->setTool(Tool::Pointer);
  if (r.resizeView) {
    editor_.zoomBusy = true;
    paintBox->resize(std::clamp(r.viewWidth, 0, QWIDGETSIZE_MAX),
                     std::clamp(r.viewHeight, 0, QWIDGETSIZE_MAX));
  }
  if (r.scroll) {
    scrollArea->horizontalScrollBar()->setValue(r.scrollX);
    scrollArea->verticalScrollBar()->setValue(r.scrollY);
  }
  editor_.zoomBusy = false;
  if (r.repaint) repaintView();
  if (r.popup) {
    objectMenu->load();
    objectMenu->exec(paintBox->mapToGlobal(QPoint(r.popupX, r.popupY)));
  }
}

void TextsView::invertFrame() {
  if (viewBuffer_.isNull()) return;
  QPainter buffer(&viewBuffer_);
  buffer.translate(-bufferArea_.topLeft());
  PaintSelection(buffer, editor_.selectionFrame(0, 0));
}

void TextsView::onMousePressed(Qt::MouseButton button, QPoint pos) {
  keyField->setFocus(Qt::MouseFocusReason);
  apply(editor_.mouseDown(EditorButton(button), pos.x(), pos.y(), viewState()));
  commitStep();
}

void TextsView::onMouseMoved(QPoint pos) {
  if (doc_.objects.dragState != 1) {
    apply(editor_.mouseMove(pos.x(), pos.y(), viewState()));
    return;
  }
  if (viewBuffer_.isNull()) fullPaint_ = true;  // no buffer: the whole view shows the drag
  invertFrame();                                // erases the frame at the old place
  const EditorResult r = editor_.mouseMove(pos.x(), pos.y(), viewState());
  invertFrame();
  apply(r);
  paintBox->update();
}

void TextsView::onMouseReleased(Qt::MouseButton button, QPoint pos) {
  apply(editor_.mouseUp(EditorButton(button), pos.x(), pos.y(), viewState()));
  commitStep();
}

void TextsView::onDoubleClicked() {
  apply(editor_.doubleClick());
  commitStep();
}

void TextsView::onKeyPressed(int key) {
  apply(editor_.keyDown(EditorKeyOf(key)));
  commitStep();
}

bool TextsView::eventFilter(QObject* watched, QEvent* e) {
  // A press in the scroll area around the view also gives the key field the focus.
  if (watched == scrollArea->viewport() && e->type() == QEvent::MouseButtonPress)
    keyField->setFocus(Qt::MouseFocusReason);
  return QWidget::eventFilter(watched, e);
}

void TextsView::showTrackList() {
  TrackListDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  addTrackTexts(dialog.chosenTitleLines(), dialog.listLines());
}

void TextsView::addTrackTexts(const std::vector<std::string>& title,
                              const std::vector<std::string>& list) {
  std::vector<TextBlock> blocks;
  for (const auto* lines : {&title, &list}) {
    if (lines->empty()) continue;
    TextBlock block;
    for (const std::string& l : *lines) block.lines.push_back(ToCoverText(l));
    const QSizeF size =
        TextBoxSize(block.lines, editor_.dialogFont, editor_.fontDpi, paintBox->logicalDpiX());
    block.width = size.width();
    block.height = size.height();
    blocks.push_back(std::move(block));
  }
  if (blocks.empty()) return;
  const ViewState v = viewState();
  if (!PlaceTextBlocks(doc_.objects, v.scrollX, v.scrollY, blocks, editor_.dialogFont).empty())
    repaintView();
  commitStep();
}

void TextsView::commitStep() {
  if (history_ && doc_.objects.dragState != 1) history_->commit();
}
