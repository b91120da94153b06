#pragma once
// The main window: document row, the five tabs, bottom row and status bar. It owns the document.
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <array>
#include <memory>

#include "app/Document.h"
#include "app/WheelScroll.h"
#include "app/views/DocumentCommands.h"
#include "app/views/PictureCommands.h"
#include "platform/LongWork.h"
#include "platform/Progress.h"
#include "platform/dialogs/views/QtDialogs.h"

class PartBar;
class PartCovers;
class StatusBar;
class TabPage;
class ImageButton;
class ScanView;
class PaperFormatPanel;
class PrintPanel;
class CenterView;
class SheetPreview;
class RetouchView;
class TextsView;
class QtCoverDialogs;

class MainWindow : public QMainWindow, public ProgressSink {
  Q_OBJECT
 public:
  enum TabIndex { kScanTab, kRetouchTab, kTextsTab, kCenterTab, kPrintTab };

  // `useQtDialogs` false leaves the dialogs installed by the caller (tests script them).
  explicit MainWindow(bool useQtDialogs = true, QWidget* parent = nullptr);
  ~MainWindow() override;

  Document& doc() { return doc_; }
  QTabWidget* tabs() const { return tabs_; }
  TabPage* page(TabIndex i) const { return pages_[i]; }
  StatusBar* statusBarPanel() const { return status_; }
  QPushButton* documentButton(int i) const { return docButtons_[i]; }
  ImageButton* quitButton() const { return quitBtn_; }
  ImageButton* aboutButton() const { return aboutBtn_; }
  ImageButton* scanButton() const { return scanBtn_; }
  ImageButton* selectScannerButton() const { return selectScannerBtn_; }
  QPushButton* cancelScanButton() const { return cancelScanBtn_; }
  QWidget* bottomRow() const { return bottomRow_; }
  QWidget* documentRow() const { return docRow_; }
  PartBar* partBar() const { return partBar_; }
  // "Copy to parts..." of the object menu: the selected object into the parts chosen.
  void copyToParts(const std::vector<size_t>& targets);
  QAction* copyToPartsAction() const { return copyToPartsAction_; }
  ScanView* scanView() const { return scanView_; }
  PaperFormatPanel* paperPanel() const { return paperPanel_; }
  PrintPanel* printPanel() const { return printPanel_; }
  CenterView* centerView() const { return centerView_; }
  SheetPreview* sheetPreview() const { return sheetPreview_; }
  RetouchView* retouchView() const { return retouchView_; }
  PictureCommands& pictureCommands() { return pictureCommands_; }
  TextsView* textsView() const { return textsView_; }

  // Registers the scroll area that the mouse wheel moves while tab `i` is in front.
  void setTabScrollArea(TabIndex i, QScrollArea* area) { scrollAreas_[i] = area; }
  QScrollArea* tabScrollArea(TabIndex i) const { return scrollAreas_[i]; }

  void setProgress(int percent) override;
  void setSavedFileName(const std::string& name);
  DocumentCommands& documentCommands() { return docCommands_; }
  // Opens a cover file (e.g. named on the command line); false after an error message.
  bool openCoverFile(const std::string& path) { return docCommands_.openCoverFile(path); }
  // After New and Open: tells the views (documentReplaced) and repaints every tab.
  void refreshViews();
  // The same without emptying the history (another part of the design is shown).
  void showReplacedDocument();
  void quit();
  void repaintViews();
  void showAbout();
  QPushButton* webButton() const { return webBtn_; }
  void startScan();
  void selectScanner();
  // Undo and redo of the document's last step (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y).
  void undo();
  void redo();
  QPushButton* undoButton() const { return undoBtn_; }
  QPushButton* redoButton() const { return redoBtn_; }

  static constexpr int kWheelStep = WheelScroll::kPixelsPerNotch;

 signals:
  // The whole document was replaced (New, Open); views resize and repaint.
  void documentReplaced();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  // One file dropped on the window: a design is opened, any other file read as a picture.
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void createDocument();
  void buildWindow();
  QWidget* buildDocumentRow();
  // "New from music..." with its menu of presets, in the document row.
  QPushButton* buildMusicButton(QWidget* row);
  QWidget* buildBottomRow();
  void onProgressMessage(intptr_t wParam);
  void onScanFinished(intptr_t wParam);
  void placeScanView();
  void buildScanButtons();
  void buildPaperTabs();
  // The Undo and Redo buttons, keys and menu items, kept up to date with the history.
  void connectHistory();
  void updateHistoryControls();
  void takeBackStep(bool undoing);
  // The parts' tabs take what the stage tabs leave of the window's width; more parts scroll.
  void fitPartBar();
  // The Center and Print tabs follow the current part: its format, size and displacement, the
  // parts at the first sheet's positions, "Print all parts".
  void connectParts();
  void followPart();
  // The current part takes the Center tab's size and displacement, and with `format` its format.
  void keepCenter(bool format);

  Document doc_;
  DocumentCommands docCommands_{doc_,
                                [this] { setWindowTitle(QString::fromStdString(doc_.caption())); },
                                [this] { refreshViews(); }, [this] { showReplacedDocument(); }};
  PictureCommands pictureCommands_{doc_, [this] { repaintViews(); }};
  QtDialogs qtDialogs_;
  Dialogs* previousDialogs_ = nullptr;
  bool ownsDialogs_ = false;
  ProgressSink* previousSink_ = nullptr;
  LongWorkRunner previousRunner_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<TabPage*, 5> pages_{};
  std::array<QScrollArea*, 5> scrollAreas_{};
  WheelScroll wheel_;
  // The area the wheel moves over `w`: an overflowing left panel, else the front tab's view.
  QScrollArea* wheelTarget(QWidget* w) const;
  std::array<QPushButton*, 4> docButtons_{};
  QWidget* docRow_ = nullptr;
  PartBar* partBar_ = nullptr;
  QAction* copyToPartsAction_ = nullptr;
  QWidget* bottomRow_ = nullptr;
  QPushButton* webBtn_ = nullptr;
  ImageButton* aboutBtn_ = nullptr;
  ImageButton* quitBtn_ = nullptr;
  ImageButton* scanBtn_ = nullptr;
  ImageButton* selectScannerBtn_ = nullptr;
  QPushButton* cancelScanBtn_ = nullptr;
  QPushButton* undoBtn_ = nullptr;
  QPushButton* redoBtn_ = nullptr;
  StatusBar* status_ = nullptr;
  ScanView* scanView_ = nullptr;
  PaperFormatPanel* paperPanel_ = nullptr;
  PrintPanel* printPanel_ = nullptr;
  CenterView* centerView_ = nullptr;
  SheetPreview* sheetPreview_ = nullptr;
  RetouchView* retouchView_ = nullptr;
  std::unique_ptr<QtCoverDialogs> coverDialogs_;  // "Enter texts..." and "Effects", made once
  TextsView* textsView_ = nullptr;
  std::unique_ptr<PartCovers> partCovers_;  // the other parts' covers for the preview and jobs
  bool following_ = false;                  // the Center tab is being set to the current part
};

// Sends progress to the main window as the 0x400 window message.
class WindowProgressSink : public ProgressSink {
 public:
  explicit WindowProgressSink(QObject* window) : window_(window) {}
  void setProgress(int percent) override;

 private:
  QObject* window_;
};
