#include "app/views/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QThread>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/coverfile/PartEdits.h"
#include "app/views/AboutBox.h"
#include "app/views/CopyToPartsDialog.h"
#include "app/views/PartBar.h"
#include "app/views/PartPrints.h"
#include "app/views/ScanView.h"
#include "app/views/StatusBar.h"
#include "app/views/TabPage.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/QtCoverDialogs.h"
#include "cover/views/TextsView.h"
#include "picture/DrawDib.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "platform/scanner/views/ScannerUi.h"
#include "platform/views/ImageButton.h"
#include "platform/views/OffThreadWork.h"
#include "platform/views/PrinterInfo.h"
#include "platform/views/Resources.h"
#include "platform/views/WebPage.h"
#include "platform/views/WindowMessages.h"
#include "print/views/CenterView.h"
#include "print/views/CoverDrawer.h"
#include "print/views/CoverGuide.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "retouch/views/RetouchView.h"

namespace {
// Reports from another thread (long work off the window's thread) arrive as posted events.
void SendProgress(QObject* window, int percent) {
  if (QThread::currentThread() != window->thread())
    return QCoreApplication::postEvent(window, new WindowMessage(WM_USER, percent));
  WindowMessage msg(WM_USER, percent);
  QCoreApplication::sendEvent(window, &msg);
}
}  // namespace

void WindowProgressSink::setProgress(int percent) {
  SendProgress(window_, percent);
}

MainWindow::MainWindow(bool useQtDialogs, QWidget* parent) : QMainWindow(parent), qtDialogs_(this) {
  InitQuendrixResources();
  setWindowIcon(QIcon(QStringLiteral(":/quendrix/icon.svg")));
  if (useQtDialogs) {
    previousDialogs_ = SetDialogs(&qtDialogs_);
    ownsDialogs_ = true;
  }
  previousSink_ = SetProgressSink(this);
  previousRunner_ = SetLongWorkRunner(RunOffTheWindowThread);
  buildWindow();
  createDocument();
  connectHistory();
  connectParts();
  for (TabPage* p : pages_) p->settlePanel();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  SetProgressSink(previousSink_);
  SetLongWorkRunner(previousRunner_);
  if (ownsDialogs_) SetDialogs(previousDialogs_);
}

void MainWindow::createDocument() {
  setSavedFileName({});
  doc_.resetPicture();
  doc_.objects.clearAll();
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  doc_.setScreenDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
  const PrinterPage printer = DefaultPrinterPage();
  doc_.setPrinterPage(printer.widthPx, printer.heightPx, printer.dpiX, printer.dpiY);
  textsView_->sizeForPage();
  paperPanel_->loadPaperFormats(UserPaperFile(), StarterPaperFiles());
}

void MainWindow::buildWindow() {
  resize(750, 550);
  setAcceptDrops(true);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  docRow_ = buildDocumentRow();
  layout->addWidget(docRow_);

  tabs_ = new QTabWidget(central);
  tabs_->setAttribute(Qt::WA_Hover);
  tabs_->tabBar()->setAttribute(Qt::WA_Hover);
  const QString scanHeader = QCoreApplication::translate(
      "MainWindow", "Scan cover - choose scanner and click on \"Go scan!\"");
  const QString printHeader = QCoreApplication::translate(
      "MainWindow", "Print - choose number of elemets and click on \"Go!\"");
  pages_[kScanTab] =
      new TabPage(scanHeader, QCoreApplication::translate("MainWindow", "Scan cover"),
                  QStringLiteral(":/quendrix/tab-scan.svg"));
  pages_[kRetouchTab] = new TabPage(
      QCoreApplication::translate("MainWindow", "Retouch - crop to selection and use filters"),
      QCoreApplication::translate("MainWindow", "Retouch picture"),
      QStringLiteral(":/quendrix/tab-retouch.svg"));
  pages_[kTextsTab] = new TabPage(
      QCoreApplication::translate("MainWindow", "Texts - add text objects or geometric objects"),
      QString(), QString());
  pages_[kCenterTab] =
      new TabPage(QCoreApplication::translate(
                      "MainWindow", "Center - choose the paper format and center the scan"),
                  QCoreApplication::translate("MainWindow", "Center cover"),
                  QStringLiteral(":/quendrix/tab-center.svg"));
  pages_[kPrintTab] =
      new TabPage(printHeader, QCoreApplication::translate("MainWindow", "Print cover"),
                  QStringLiteral(":/quendrix/tab-print.svg"));
  const char* names[] = {
      QT_TRANSLATE_NOOP("MainWindow", "Scan"), QT_TRANSLATE_NOOP("MainWindow", "Retouch"),
      QT_TRANSLATE_NOOP("MainWindow", "Texts"), QT_TRANSLATE_NOOP("MainWindow", "Center"),
      QT_TRANSLATE_NOOP("MainWindow", "Print")};
  const char* icons[] = {"tab-scan", "tab-retouch", "tab-texts", "tab-center", "tab-print"};
  for (int i = 0; i < 5; ++i)
    tabs_->addTab(pages_[i],
                  QIcon(QStringLiteral(":/quendrix/%1.svg").arg(QLatin1String(icons[i]))),
                  QCoreApplication::translate("MainWindow", names[i]));
  tabs_->setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 4px 12px; border: 1px solid #b0a090; border-bottom: none;"
      " background: #efe7dc; margin-right: 1px; }"
      "QTabBar::tab:selected { background: rgb(240, 202, 166); font-weight: bold; }"
      "QTabBar::tab:hover:!selected { background: #fbe3c9; }"));
  // The parts' tabs sit beside the stage tabs, in the room those leave.
  tabs_->setCornerWidget(partBar_, Qt::TopRightCorner);
  buildPaperTabs();
  layout->addWidget(tabs_, 1);
  scanView_ = new ScanView(doc_);
  placeScanView();
  buildScanButtons();
  pictureCommands_.addButtons(pages_[kScanTab]->leftPanel());
  retouchView_ =
      new RetouchView(doc_.picture, {doc_.selLeft, doc_.selTop, doc_.selRight, doc_.selBottom});
  pages_[kRetouchTab]->setContent(retouchView_);
  setTabScrollArea(kRetouchTab, retouchView_->scrollArea());
  connect(retouchView_, &RetouchView::pictureChanged, this, &MainWindow::repaintViews);
  connect(retouchView_, &RetouchView::saveRequested, this,
          [this] { pictureCommands_.savePicture(); });
  coverDialogs_ = std::make_unique<QtCoverDialogs>(this);
  textsView_ =
      new TextsView({doc_.picture, doc_.objects, doc_.pageWidth, doc_.pageHeight}, *coverDialogs_);
  pages_[kTextsTab]->setContent(textsView_);
  textsView_->setFieldValues([this]() -> const FieldValues& {
    return doc_.copyFields.values(0, printPanel_ ? printPanel_->jobCopies() : 1);
  });
  textsView_->setPrintGuide([this] {
    return CoverPrintGuide(paperPanel_->selectedFormat(), paperPanel_->selectedDetails(),
                           paperPanel_->coverSettings(), DibWidth(doc_.picture));
  });
  setTabScrollArea(kTextsTab, textsView_->scrollArea);
  connect(this, &MainWindow::documentReplaced, textsView_, &TextsView::sizeForPage);
  ObjectMenu* menu = textsView_->objectMenu;
  copyToPartsAction_ = new QAction(tr("Copy to parts..."), menu);
  copyToPartsAction_->setObjectName(QStringLiteral("copyToPartsAction"));
  menu->insertAction(menu->undoAction, copyToPartsAction_);
  menu->insertSeparator(menu->undoAction);
  connect(menu, &QMenu::aboutToShow, this, [this] {
    copyToPartsAction_->setEnabled(doc_.parts.list.size() > 1 &&
                                   doc_.objects.occupied(doc_.objects.selectedSlot));
  });
  connect(copyToPartsAction_, &QAction::triggered, this, [this] {
    CopyToPartsDialog dialog(doc_.parts, this);
    if (dialog.exec() == QDialog::Accepted) copyToParts(dialog.chosen());
  });

  bottomRow_ = buildBottomRow();
  layout->addWidget(bottomRow_);
  status_ = new StatusBar(central);
  layout->addWidget(status_);
  setCentralWidget(central);
}

// The Center and Print tabs: paper formats, the centering view, print controls and preview.
void MainWindow::buildPaperTabs() {
  paperPanel_ = new PaperFormatPanel(pages_[kCenterTab]->leftPanel());
  auto* centerPanel = static_cast<QVBoxLayout*>(pages_[kCenterTab]->leftPanel()->layout());
  centerPanel->addWidget(paperPanel_);
  printPanel_ =
      new PrintPanel([this] { return paperPanel_->selectedFormat(); },
                     (SettingsDir() / "options.dat").string(), pages_[kPrintTab]->leftPanel());
  auto* printLeft = static_cast<QVBoxLayout*>(pages_[kPrintTab]->leftPanel()->layout());
  printLeft->addWidget(printPanel_);
  printPanel_->setCover([this] {
    return CoverJob{paperPanel_->coverSettings(), DibWidth(doc_.picture), DibHeight(doc_.picture),
                    MakeCoverDrawer(doc_.picture, doc_.objects)};
  });
  printPanel_->setSelectedDetails([this] { return paperPanel_->selectedDetails(); });
  printPanel_->setCopyFields(&doc_.copyFields, &doc_.objects);
  connect(printPanel_, &PrintPanel::printerPageChanged, this, [this](const PrinterPage& p) {
    doc_.setPrinterPage(p.widthPx, p.heightPx, p.dpiX, p.dpiY);
  });
  const auto pictureSize = [this] {
    return QSize(DibWidth(doc_.picture), DibHeight(doc_.picture));
  };
  centerView_ = new CenterView(paperPanel_, pictureSize, pages_[kCenterTab]);
  centerView_->setCoverDrawer(MakeCoverDrawer(doc_.picture, doc_.objects));
  pages_[kCenterTab]->setContent(centerView_->scrollArea());
  setTabScrollArea(kCenterTab, centerView_->scrollArea());
  sheetPreview_ = new SheetPreview(paperPanel_, printPanel_, pictureSize, pages_[kPrintTab]);
  sheetPreview_->setCoverDrawer(MakeCoverDrawer(doc_.picture, doc_.objects));
  pages_[kPrintTab]->setContent(sheetPreview_->scrollArea());
  setTabScrollArea(kPrintTab, sheetPreview_->scrollArea());
  connect(printPanel_, &PrintPanel::printerPageChanged, sheetPreview_,
          &SheetPreview::setPrinterPage);
}

QWidget* MainWindow::buildDocumentRow() {
  auto* row = new QWidget(this);
  row->setFixedHeight(27);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(1, 1, 1, 1);
  l->setSpacing(0);
  const char* captions[] = {
      QT_TRANSLATE_NOOP("MainWindow", "New"), QT_TRANSLATE_NOOP("MainWindow", "Open..."),
      QT_TRANSLATE_NOOP("MainWindow", "Save"), QT_TRANSLATE_NOOP("MainWindow", "Save as...")};
  const char* hints[] = {QT_TRANSLATE_NOOP("MainWindow", "Create new Cover"),
                         QT_TRANSLATE_NOOP("MainWindow", "Open Cover.."),
                         QT_TRANSLATE_NOOP("MainWindow", "Save Cover"),
                         QT_TRANSLATE_NOOP("MainWindow", "Save Cover as...")};
  void (DocumentCommands::*handlers[])() = {
      &DocumentCommands::newCover, &DocumentCommands::openCover, &DocumentCommands::saveCover,
      &DocumentCommands::saveCoverAs};
  const QKeySequence::StandardKey keys[] = {QKeySequence::New, QKeySequence::Open,
                                            QKeySequence::Save, QKeySequence::SaveAs};
  for (int i = 0; i < 4; ++i) {
    docButtons_[i] = new QPushButton(QCoreApplication::translate("MainWindow", captions[i]), row);
    docButtons_[i]->setToolTip(QCoreApplication::translate("MainWindow", hints[i]));
    connect(docButtons_[i], &QPushButton::clicked, this,
            [this, h = handlers[i]] { (docCommands_.*h)(); });
    docButtons_[i]->setFlat(true);
    docButtons_[i]->setFixedSize(121, 25);
    l->addWidget(docButtons_[i]);
    // The desktop's usual keys press the same buttons.
    auto* key = new QShortcut(keys[i], this);
    connect(key, &QShortcut::activated, docButtons_[i], &QPushButton::click);
  }
  l->addWidget(buildMusicButton(row));
  l->addStretch(1);
  // Switching parts is like opening a design, but each part keeps its undo steps.
  partBar_ = new PartBar(
      doc_, [this] { showReplacedDocument(); }, row);
  connect(this, &MainWindow::documentReplaced, partBar_, &PartBar::showParts);
  partBar_->newFromPreset = [this](const PartPreset& p) { docCommands_.newFromPreset(p); };
  return row;
}

QWidget* MainWindow::buildBottomRow() {
  auto* row = new QWidget(this);
  row->setFixedHeight(41);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(4, 4, 4, 4);
  webBtn_ =
      new QPushButton(QIcon(QStringLiteral(":/quendrix/glyph-web.svg")), kMakerWebCaption, row);
  webBtn_->setFlat(true);
  webBtn_->setFixedSize(137, 33);
  webBtn_->setToolTip(QCoreApplication::translate("MainWindow", "Go to the TAVIRON website..."));
  webBtn_->setCursor(Qt::PointingHandCursor);
  connect(webBtn_, &QPushButton::clicked, this, [] { OpenMakerWebPage(); });
  l->addWidget(webBtn_);
  l->addStretch(1);
  auto* right = new QWidget(row);
  right->setFixedWidth(238);
  auto* rl = new QHBoxLayout(right);
  rl->setContentsMargins(0, 0, 0, 0);
  const QSize size(101, 30);
  aboutBtn_ = NewPictureButton(
      size, tr("About"), kSetupButtonColor, QStringLiteral(":/quendrix/glyph-about.svg"),
      QCoreApplication::translate("MainWindow", "Information about the program"), right);
  aboutBtn_->setAction([this] { showAbout(); });
  quitBtn_ = NewPictureButton(
      size, tr("Quit"), kQuitButtonColor, QStringLiteral(":/quendrix/glyph-quit.svg"),
      QCoreApplication::translate("MainWindow", "You are going to leave the program."), right);
  quitBtn_->setAction([this] { quit(); });
  rl->addWidget(aboutBtn_);
  rl->addWidget(quitBtn_);
  l->addWidget(right);
  return row;
}

// The scan view fills the Scan tab; its zoom row goes to the left panel.
void MainWindow::placeScanView() {
  TabPage* page = pages_[kScanTab];
  page->setContent(scanView_);
  if (auto* panel = page->leftPanel())
    static_cast<QVBoxLayout*>(panel->layout())->addWidget(scanView_->zoomRow());
  setTabScrollArea(kScanTab, scanView_);
  if (const QScreen* screen = this->screen()) SetScreenBitsPerPixel(screen->depth());
}

// "Start to scan", "Select the scanner" and the button that cancels a running scan.
void MainWindow::buildScanButtons() {
  QWidget* panel = pages_[kScanTab]->leftPanel();
  const QSize size(150, 34);
  scanBtn_ = NewPictureButton(size, tr("Go scan!"), kGoButtonColor,
                              QStringLiteral(":/quendrix/glyph-go.svg"),
                              QCoreApplication::translate("MainWindow", "Start to scan"), panel);
  scanBtn_->setObjectName(QStringLiteral("scanButton"));
  scanBtn_->setAction([this] { startScan(); });
  selectScannerBtn_ = NewPictureButton(
      size, tr("Scanner..."), kSetupButtonColor, QStringLiteral(":/quendrix/glyph-setup.svg"),
      QCoreApplication::translate("MainWindow", "Select the scanner"), panel);
  selectScannerBtn_->setObjectName(QStringLiteral("selectScannerButton"));
  selectScannerBtn_->setAction([this] { selectScanner(); });
  cancelScanBtn_ = new QPushButton(tr("Cancel scan"), panel);
  cancelScanBtn_->setToolTip(tr("Stops the running scan (Esc)"));
  cancelScanBtn_->setEnabled(false);
  connect(cancelScanBtn_, &QPushButton::clicked, this, [] { scanner::cancelScan(); });
  auto* l = static_cast<QVBoxLayout*>(panel->layout());
  for (QWidget* w : {static_cast<QWidget*>(scanBtn_), static_cast<QWidget*>(selectScannerBtn_),
                     static_cast<QWidget*>(cancelScanBtn_)})
    l->addWidget(w, 0, Qt::AlignHCenter);
}

void MainWindow::startScan() {
  scanBtn_->release();
  scanner::startScan(this);
  cancelScanBtn_->setEnabled(scanner::scanRunning());
}

void MainWindow::selectScanner() {
  selectScannerBtn_->release();
  scanner::selectScanner(this);
}

// The scan has ended: a picture replaces the document's, a failure is reported.
void MainWindow::onScanFinished(intptr_t wParam) {
  Dib dib;
  ScanProblem problem;
  scanner::takeScannedPicture(dib, wParam, &problem);
  cancelScanBtn_->setEnabled(scanner::scanRunning());
  if (!dib.Bits) {
    if (!problem.cancelled && !problem.text.empty()) ShowError(problem.text);
    return;
  }
  doc_.replacePictureAsStep(dib, QT_TRANSLATE_NOOP("History", "Scan"));
  repaintViews();
}

// Every view paints itself from the document; after a new picture or document all are redrawn.
void MainWindow::repaintViews() {
  scanView_->paintView();
  retouchView_->resizeBoxIfNeeded();  // the page update below paints it
  textsView_->repaintView();
  for (TabPage* page : pages_) page->update();
}

void MainWindow::setSavedFileName(const std::string& name) {
  doc_.savedFileName = name;
  setWindowTitle(QString::fromStdString(doc_.caption()));
}

void MainWindow::copyToParts(const std::vector<size_t>& targets) {
  std::string error;
  if (!CopyObjectsToParts(doc_, {doc_.objects.selectedSlot}, targets, error)) ShowError(error);
}

void MainWindow::refreshViews() {
  doc_.history.clear();  // a new or opened design starts without steps
  showReplacedDocument();
}

void MainWindow::showReplacedDocument() {
  emit documentReplaced();
  for (TabPage* page : pages_) {
    page->update();
    for (QWidget* w : page->findChildren<QWidget*>()) w->update();
  }
}

void MainWindow::setProgress(int percent) {
  SendProgress(this, percent);
}

void MainWindow::onProgressMessage(intptr_t wParam) {
  status_->setProgress(static_cast<int>(wParam));
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == WindowMessage::typeFor(WM_USER)) {
    onProgressMessage(static_cast<WindowMessage*>(e)->wParam());
    return true;
  }
  if (e->type() == WindowMessage::typeFor(WM_USER + 1)) {
    onScanFinished(static_cast<WindowMessage*>(e)->wParam());
    return true;
  }
  if (e->type() == QEvent::Resize || e->type() == QEvent::Show) fitPartBar();
  return QMainWindow::event(e);
}

void MainWindow::fitPartBar() {
  const int room = tabs_->width() - tabs_->tabBar()->sizeHint().width() - 4;
  partBar_->setMaximumWidth(std::max(room, 40));
  partBar_->updateGeometry();
}

void MainWindow::showAbout() {
  AboutBox box(this);
  aboutBtn_->release();
  box.exec();
}

void MainWindow::quit() {
  quitBtn_->release();
  close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (CurrentDialogs().messageBox(Translate("MainWindow", "You leave the program now."),
                                  Translate("MainWindow", "Quit program"), MsgButtons::OkCancel,
                                  MsgIcon::Information) == MsgResult::Ok)
    e->accept();
  else
    e->ignore();
}

QScrollArea* MainWindow::wheelTarget(QWidget* w) const {
  const int front = tabs_->currentIndex();
  QScrollArea* panel = pages_[front] ? pages_[front]->panelScrollArea() : nullptr;
  if (panel && (panel == w || panel->isAncestorOf(w)) && panel->verticalScrollBar()->maximum() > 0)
    return panel;
  return scrollAreas_[front];
}

// A wheel notch over the window scrolls the front tab's view (or the left panel under the mouse
// when it overflows) by 20 pixels; smaller steps add up.
bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  // Escape anywhere in the window stops a running scan.
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
      scanner::scanRunning()) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->window() == this) {
      scanner::cancelScan();
      return true;
    }
  }
  if (e->type() != QEvent::Wheel) return false;
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return false;
  QScrollArea* area = wheelTarget(w);
  if (!area) return false;
  const int dy = static_cast<QWheelEvent*>(e)->angleDelta().y();
  if (dy == 0) return false;
  QScrollBar* bar = area->verticalScrollBar();
  bar->setValue(bar->value() + wheel_.pixels(dy, area));
  return true;
}
