#include "app/views/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/views/StatusBar.h"
#include "app/views/TabPage.h"
#include "platform/views/ImageButton.h"
#include "platform/views/PrinterInfo.h"
#include "platform/views/WindowMessages.h"
#include "platform/SettingsDir.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/CenterView.h"
#include "print/views/SheetPreview.h"

void WindowProgressSink::SetProSatus(int percent) {
  WindowMessage msg(WM_USER, percent);
  QCoreApplication::sendEvent(window_, &msg);
}

TMainForm::TMainForm(bool useQtDialogs, QWidget* parent) : QMainWindow(parent), qtDialogs_(this) {
  if (useQtDialogs) {
    previousDialogs_ = SetDialogs(&qtDialogs_);
    ownsDialogs_ = true;
  }
  previousSink_ = SetProgressSink(this);
  BuildWindow();
  FormCreate();
  qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  SetProgressSink(previousSink_);
  if (ownsDialogs_) SetDialogs(previousDialogs_);
}

void TMainForm::FormCreate() {
  Setsavedfilename({});
  doc_.ResetPicture();
  doc_.Obs.clearall();
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  doc_.SetScreenDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
  const PrinterPage printer = DefaultPrinterPage();
  doc_.SetPrinterPage(printer.widthPx, printer.heightPx, printer.dpiX, printer.dpiY);
  paperPanel_->LoadEttTypes((SettingsDir() / "paper.dat").string(), StarterPaperFiles());
}

void TMainForm::BuildWindow() {
  resize(750, 550);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  docRow_ = BuildDocumentRow();
  layout->addWidget(docRow_);

  tabs_ = new QTabWidget(central);
  tabs_->setAttribute(Qt::WA_Hover);
  tabs_->tabBar()->setAttribute(Qt::WA_Hover);
  const QString scanHeader = QStringLiteral("Scan cover - choose scanner and click on \"Go scan!\"");
  const QString printHeader =
      QStringLiteral("Print - choose number of elemets and click on \"Go!\"");
  pages_[kScanTab] = new TabPage(scanHeader, QStringLiteral("Scan cover"), QStringLiteral(":/quendrix/panel-scan.png"));
  pages_[kRetouchTab] = new TabPage(QStringLiteral("Retouch - crop to selection and use filters"),
                                    QStringLiteral("Retouch picture"), QStringLiteral(":/quendrix/panel-retouch.png"));
  pages_[kTextsTab] = new TabPage(QStringLiteral("Texts - add text objects or geometric objects"),
                                  QString(), QString());
  pages_[kCenterTab] = new TabPage(QStringLiteral("Center - choose the paper format and center the scan"),
                                   QStringLiteral("Center cover"), QStringLiteral(":/quendrix/panel-center.png"));
  pages_[kPrintTab] = new TabPage(printHeader, QStringLiteral("Print cover"), QStringLiteral(":/quendrix/panel-print.png"));
  const char* names[] = {"Scan", "Retouch", "Texts", "Center", "Print"};
  for (int i = 0; i < 5; ++i) tabs_->addTab(pages_[i], QString::fromLatin1(names[i]));
  BuildPaperTabs();
  layout->addWidget(tabs_, 1);

  bottomRow_ = BuildBottomRow();
  layout->addWidget(bottomRow_);
  status_ = new StatusBar(central);
  layout->addWidget(status_);
  setCentralWidget(central);
}

// The Center and Print tabs: paper formats, the centering view, print controls and preview.
void TMainForm::BuildPaperTabs() {
  paperPanel_ = new PaperFormatPanel(pages_[kCenterTab]->leftPanel());
  auto* centerPanel = static_cast<QVBoxLayout*>(pages_[kCenterTab]->leftPanel()->layout());
  centerPanel->insertWidget(centerPanel->count() - 1, paperPanel_);
  printPanel_ = new PrintPanel([this] { return paperPanel_->selectedFormat(); },
                               (SettingsDir() / "options.dat").string(),
                               pages_[kPrintTab]->leftPanel());
  auto* printLeft = static_cast<QVBoxLayout*>(pages_[kPrintTab]->leftPanel()->layout());
  printLeft->insertWidget(printLeft->count() - 1, printPanel_);
  printPanel_->setCover([this] {
    return CoverJob{paperPanel_->coverSettings(), DibWidth(doc_.Dib), DibHeight(doc_.Dib), {}};
  });
  connect(printPanel_, &PrintPanel::printerPageChanged, this, [this](const PrinterPage& p) {
    doc_.SetPrinterPage(p.widthPx, p.heightPx, p.dpiX, p.dpiY);
  });
  const auto pictureSize = [this] { return QSize(DibWidth(doc_.Dib), DibHeight(doc_.Dib)); };
  centerView_ = new CenterView(paperPanel_, pictureSize, pages_[kCenterTab]);
  pages_[kCenterTab]->setContent(centerView_->scrollArea());
  setTabScrollArea(kCenterTab, centerView_->scrollArea());
  sheetPreview_ = new SheetPreview(paperPanel_, printPanel_, pictureSize, pages_[kPrintTab]);
  pages_[kPrintTab]->setContent(sheetPreview_->scrollArea());
  setTabScrollArea(kPrintTab, sheetPreview_->scrollArea());
  connect(printPanel_, &PrintPanel::printerPageChanged, sheetPreview_, &SheetPreview::setPrinterPage);
}

QWidget* TMainForm::BuildDocumentRow() {
  auto* row = new QWidget(this);
  row->setFixedHeight(27);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(1, 1, 1, 1);
  l->setSpacing(0);
  const char* captions[] = {"New", "Open...", "Save", "Save as..."};
  for (int i = 0; i < 4; ++i) {
    docButtons_[i] = new QPushButton(QString::fromLatin1(captions[i]), row);
    docButtons_[i]->setFlat(true);
    docButtons_[i]->setFixedSize(121, 25);
    l->addWidget(docButtons_[i]);
  }
  l->addStretch(1);
  return row;
}

QWidget* TMainForm::BuildBottomRow() {
  auto* row = new QWidget(this);
  row->setFixedHeight(41);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(4, 4, 4, 4);
  l->addStretch(1);
  auto* right = new QWidget(row);
  right->setFixedWidth(238);
  auto* rl = new QHBoxLayout(right);
  rl->setContentsMargins(0, 0, 0, 0);
  const QSize size(101, 30);
  const QColor blue(40, 80, 160), red(170, 30, 30);
  aboutBtn_ = new ImageButton(ButtonPicture(size, tr("About"), blue, false),
                              ButtonPicture(size, tr("About"), blue, true),
                              QStringLiteral("Information about the program"), right);
  quitBtn_ = new ImageButton(ButtonPicture(size, tr("Quit"), red, false),
                             ButtonPicture(size, tr("Quit"), red, true),
                             QStringLiteral("You are going to leave the program."), right);
  quitBtn_->setAction([this] { QuitBtnClick(); });
  rl->addWidget(aboutBtn_);
  rl->addWidget(quitBtn_);
  l->addWidget(right);
  return row;
}

void TMainForm::Setsavedfilename(const std::string& name) {
  doc_.SavedFileName = name;
  setWindowTitle(QString::fromStdString(doc_.Caption()));
}

void TMainForm::SetProSatus(int percent) {
  WindowMessage msg(WM_USER, percent);
  QCoreApplication::sendEvent(this, &msg);
}

void TMainForm::WMUser(intptr_t wParam) { status_->SetProSatus(static_cast<int>(wParam)); }

bool TMainForm::event(QEvent* e) {
  if (e->type() == WindowMessage::typeFor(WM_USER)) {
    WMUser(static_cast<WindowMessage*>(e)->wParam());
    return true;
  }
  return QMainWindow::event(e);
}

void TMainForm::QuitBtnClick() {
  quitBtn_->release();
  close();
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (CurrentDialogs().messageBox("You leave the program now.", "Quit program",
                                  MsgButtons::OkCancel, MsgIcon::Information) == MsgResult::Ok)
    e->accept();
  else
    e->ignore();
}

// A wheel step anywhere over the window scrolls the front tab's view by 20 pixels.
bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() != QEvent::Wheel) return false;
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return false;
  QScrollArea* area = scrollAreas_[tabs_->currentIndex()];
  if (!area) return false;
  const int dy = static_cast<QWheelEvent*>(e)->angleDelta().y();
  if (dy == 0) return false;
  QScrollBar* bar = area->verticalScrollBar();
  bar->setValue(bar->value() + (dy < 0 ? kWheelStep : -kWheelStep));
  return true;
}
