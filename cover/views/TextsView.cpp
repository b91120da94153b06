#include "cover/views/TextsView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "cover/Truncate.h"
#include "cover/views/CoverImage.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/PropertyPages.h"
#include "cover/views/SelectionPainter.h"
#include "cover/views/TextsToolBar.h"
#include "platform/views/Cursors.h"

namespace {
const QColor kWorkspace(171, 171, 171);  // the application-workspace colour
// The paint box's size at design time, which the buffer starts with.
constexpr int kDesignWidth = 313, kDesignHeight = 201;
// Largest off-screen buffer; a view beyond it is drawn straight onto the screen.
constexpr qint64 kMaxBufferBytes = qint64(1) << 30;

bool EditorKeyWanted(int key) { return EditorKeyOf(key) != EditorKey::Other; }
}  // namespace

TextsPaintBox::TextsPaintBox(TextsView* view) : QWidget(nullptr), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // moves without a button set the cursor
}

void TextsPaintBox::paintEvent(QPaintEvent* e) { view_->PaintBox1Paint(e->rect()); }

void TextsPaintBox::mousePressEvent(QMouseEvent* e) {
  view_->PaintBox1MouseDown(e->button(), e->position().toPoint());
}

void TextsPaintBox::mouseMoveEvent(QMouseEvent* e) {
  view_->PaintBox1MouseMove(e->position().toPoint());
}

void TextsPaintBox::mouseReleaseEvent(QMouseEvent* e) {
  view_->PaintBox1MouseUp(e->button(), e->position().toPoint());
}

// The double-click comes first; the press that belongs to it follows.
void TextsPaintBox::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) view_->PaintBox1DblClick();
  view_->PaintBox1MouseDown(e->button(), e->position().toPoint());
}

KeyField::KeyField(TextsView* view, QWidget* parent) : QLineEdit(parent), view_(view) {
  setObjectName(QStringLiteral("KeyEdit"));
  setFocusPolicy(Qt::ClickFocus);
}

bool KeyField::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    // Delete, Up and Down belong to the view even where a shortcut names them.
    if (EditorKeyWanted(static_cast<QKeyEvent*>(e)->key())) e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress) {
    view_->KeyEditKeyDown(static_cast<QKeyEvent*>(e)->key());
    return true;
  }
  if (e->type() == QEvent::KeyRelease || e->type() == QEvent::InputMethod) return true;
  return QLineEdit::event(e);
}

TextsView::TextsView(TextsDocument doc, CoverDialogs& dialogs, QWidget* parent)
    : QWidget(parent), doc_(doc), editor_(doc.Obs, dialogs),
      ViewBuffer(kDesignWidth, kDesignHeight, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("TextsView"));
  ViewBuffer.fill(Qt::white);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  ToolBar = new TextsToolBar(this);
  ToolBar->setFixedWidth(80);
  layout->addWidget(ToolBar);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  QPalette pal = ScrollBox1->palette();
  pal.setColor(QPalette::Window, kWorkspace);
  pal.setColor(QPalette::Base, kWorkspace);
  ScrollBox1->setPalette(pal);
  ScrollBox1->viewport()->setAutoFillBackground(true);
  ScrollBox1->setWidgetResizable(false);
  PaintBox1 = new TextsPaintBox(this);
  PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
  PaintBox1->resize(kDesignWidth, kDesignHeight);
  ScrollBox1->setWidget(PaintBox1);
  ScrollBox1->viewport()->installEventFilter(this);
  layout->addWidget(ScrollBox1, 1);

  // The key field lies behind the scroll area's viewport: focusable, never seen.
  KeyEdit = new KeyField(this, ScrollBox1);
  KeyEdit->setGeometry(ScrollBox1->frameWidth() + 1, ScrollBox1->frameWidth() + 1, 1, 1);
  KeyEdit->lower();

  // The pages scroll when the window is lower than they are.
  auto* pagesArea = new QScrollArea(this);
  pagesArea->setFrameShape(QFrame::NoFrame);
  pagesArea->setWidgetResizable(true);
  pagesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pagesArea->setFixedWidth(200);
  Pages = new PropertyPages(editor_);
  Pages->setObjectName(QStringLiteral("PageControl1"));
  pagesArea->setWidget(Pages);
  layout->addWidget(pagesArea);
  PopupMenu1 = new ObjectMenu(editor_, this);

  connect(ToolBar, &TextsToolBar::toolChosen, this, [this](Tool t) { editor_.tool = t; });
  connect(Pages, &PropertyPages::changed, this, &TextsView::RepaintView);
  connect(PopupMenu1, &ObjectMenu::changed, this, &TextsView::RepaintView);
  editor_.FontDpi = logicalDpiX();
  Pages->refresh();
}

void TextsView::SizeForPage() {
  const CoverScales& s = doc_.Obs.scales();
  const int w = std::clamp(TruncI32(doc_.PageWidth * s.ViewZoom / s.ViewScale), 0, QWIDGETSIZE_MAX);
  const int h = std::clamp(TruncI32(doc_.PageHeight * s.ViewZoom / s.ViewScale), 0, QWIDGETSIZE_MAX);
  PaintBox1->resize(w, h);
  RepaintView();
}

void TextsView::RepaintView() {
  fullPaint_ = true;
  PaintBox1->update();
}

void TextsView::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  RepaintView();  // the document may have changed while the tab was hidden
}

void TextsView::PaintBox1Paint(const QRect& exposed) {
  // During a drag only the frame moves: the buffer already shows it at its new place.
  if (doc_.Obs.DragState == 1 && !fullPaint_ && ViewBuffer.size() == PaintBox1->size()) {
    QPainter(PaintBox1).drawImage(exposed.topLeft(), ViewBuffer, exposed);
    return;
  }
  Pages->refresh();
  PaintPlan plan = editor_.PlanPaint(DibWidth(doc_.Dib), DibHeight(doc_.Dib), PaintBox1->width(),
                                     PaintBox1->height());
  if (!plan.draw && !plan.resize) return;  // a zoom step is under way
  plan.width = std::clamp(plan.width, 0, QWIDGETSIZE_MAX);
  plan.height = std::clamp(plan.height, 0, QWIDGETSIZE_MAX);
  const bool fits = qint64(plan.width) * plan.height * 4 <= kMaxBufferBytes;
  if (!fits) ViewBuffer = QImage();
  else if (ViewBuffer.size() != QSize(plan.width, plan.height))
    ViewBuffer = QImage(plan.width, plan.height, QImage::Format_RGB32);
  if (PaintBox1->size() != QSize(plan.width, plan.height)) {
    PaintBox1->resize(plan.width, plan.height);  // the resize paints again
    PaintBox1->update();
    return;
  }
  fullPaint_ = false;
  ++drawn_;
  if (ViewBuffer.isNull()) {
    PaintUnbuffered(exposed);
    return;
  }
  PaintCover(ViewBuffer, doc_.Dib, doc_.Obs, editor_.ViewRenderScale(), editor_.FontDpi,
             PaintBox1->logicalDpiX());
  {
    QPainter buffer(&ViewBuffer);
    PaintSelection(buffer, editor_.markrec(0, 0));
  }
  QPainter(PaintBox1).drawImage(exposed.topLeft(), ViewBuffer, exposed);
}

void TextsView::PaintUnbuffered(const QRect& exposed) {
  QPainter painter(PaintBox1);
  painter.setClipRect(exposed);
  PaintCover(painter, PaintBox1->width(), PaintBox1->height(), doc_.Dib, doc_.Obs,
             editor_.ViewRenderScale(), editor_.FontDpi, PaintBox1->logicalDpiX());
  PaintSelection(painter, editor_.markrec(0, 0));
}

ViewState TextsView::State() const {
  ViewState v;
  v.viewWidth = PaintBox1->width();
  v.viewHeight = PaintBox1->height();
  v.pageWidth = doc_.PageWidth;
  v.pageHeight = doc_.PageHeight;
  v.scrollX = ScrollBox1->horizontalScrollBar()->value();
  v.scrollY = ScrollBox1->verticalScrollBar()->value();
  v.rangeX = PaintBox1->width();
  v.rangeY = PaintBox1->height();
  v.areaWidth = ScrollBox1->viewport()->width();
  v.areaHeight = ScrollBox1->viewport()->height();
  return v;
}

void TextsView::Apply(const EditorResult& r) {
  if (r.cursor) PaintBox1->setCursor(CursorByNumber(r.cursor));
  if (r.pointerTool) ToolBar->setTool(Tool::Pointer);
  if (r.resizeView) {
    editor_.ZoomBusy = true;
    PaintBox1->resize(std::clamp(r.viewWidth, 0, QWIDGETSIZE_MAX),
                      std::clamp(r.viewHeight, 0, QWIDGETSIZE_MAX));
  }
  if (r.scroll) {
    ScrollBox1->horizontalScrollBar()->setValue(r.scrollX);
    ScrollBox1->verticalScrollBar()->setValue(r.scrollY);
  }
  editor_.ZoomBusy = false;
  if (r.repaint) RepaintView();
  if (r.popup) {
    PopupMenu1->load();
    PopupMenu1->exec(PaintBox1->mapToGlobal(QPoint(r.popupX, r.popupY)));
  }
}

void TextsView::InvertFrame() {
  if (ViewBuffer.isNull()) return;
  QPainter buffer(&ViewBuffer);
  PaintSelection(buffer, editor_.markrec(0, 0));
}

void TextsView::PaintBox1MouseDown(Qt::MouseButton button, QPoint pos) {
  KeyEdit->setFocus(Qt::MouseFocusReason);
  Apply(editor_.MouseDown(EditorButton(button), pos.x(), pos.y(), State()));
}

void TextsView::PaintBox1MouseMove(QPoint pos) {
  if (doc_.Obs.DragState != 1) {
    Apply(editor_.MouseMove(pos.x(), pos.y(), State()));
    return;
  }
  if (ViewBuffer.isNull()) fullPaint_ = true;  // no buffer: the whole view shows the drag
  InvertFrame();  // erases the frame at the old place
  const EditorResult r = editor_.MouseMove(pos.x(), pos.y(), State());
  InvertFrame();
  Apply(r);
  PaintBox1->update();
}

void TextsView::PaintBox1MouseUp(Qt::MouseButton button, QPoint pos) {
  Apply(editor_.MouseUp(EditorButton(button), pos.x(), pos.y(), State()));
}

void TextsView::PaintBox1DblClick() { Apply(editor_.DoubleClick()); }

void TextsView::KeyEditKeyDown(int key) { Apply(editor_.KeyDown(EditorKeyOf(key))); }

bool TextsView::eventFilter(QObject* watched, QEvent* e) {
  // A press in the scroll area around the view also gives the key field the focus.
  if (watched == ScrollBox1->viewport() && e->type() == QEvent::MouseButtonPress)
    KeyEdit->setFocus(Qt::MouseFocusReason);
  return QWidget::eventFilter(watched, e);
}
