// The main window's undo and redo: document-row buttons, keys and the views' menu items.
#include <QHBoxLayout>
#include <QShortcut>
#include <algorithm>

#include "app/views/MainWindow.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/TextsView.h"
#include "platform/Translate.h"
#include "retouch/views/RetouchView.h"

void MainWindow::connectHistory() {
  auto* row = static_cast<QHBoxLayout*>(docRow_->layout());
  const int at = row->indexOf(docButtons_[3]) + 1;
  undoBtn_ = new QPushButton(QString::fromStdString(Translate("History", "Undo")), docRow_);
  redoBtn_ = new QPushButton(QString::fromStdString(Translate("History", "Redo")), docRow_);
  undoBtn_->setObjectName(QStringLiteral("undoButton"));
  redoBtn_->setObjectName(QStringLiteral("redoButton"));
  for (QPushButton* b : {undoBtn_, redoBtn_}) {
    b->setFlat(true);
    b->setFixedSize(std::max(56, b->sizeHint().width()), 25);  // as wide as its caption needs
  }
  row->insertWidget(at, undoBtn_);
  row->insertWidget(at + 1, redoBtn_);
  connect(undoBtn_, &QPushButton::clicked, this, &MainWindow::undo);
  connect(redoBtn_, &QPushButton::clicked, this, &MainWindow::redo);
  // Shortcuts, so the Texts view's own key handling stays; dialogs are windows of their own.
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, &MainWindow::undo);
  for (const char* key : {"Ctrl+Shift+Z", "Ctrl+Y"})
    connect(new QShortcut(QKeySequence(QString::fromLatin1(key)), this), &QShortcut::activated,
            this, &MainWindow::redo);
  for (QAction* a : {retouchView_->undoAction, textsView_->objectMenu->undoAction})
    connect(a, &QAction::triggered, this, &MainWindow::undo);
  for (QAction* a : {retouchView_->redoAction, textsView_->objectMenu->redoAction})
    connect(a, &QAction::triggered, this, &MainWindow::redo);
  retouchView_->setHistory(&doc_.history);
  textsView_->setHistory(&doc_.history);
  doc_.history.changed = [this] { updateHistoryControls(); };
  doc_.history.clear();  // the start picture and empty table are where undo ends
}

void MainWindow::updateHistoryControls() {
  const History& h = doc_.history;
  const QString undoText = QString::fromStdString(UndoCaption(h));
  const QString redoText = QString::fromStdString(RedoCaption(h));
  for (QAction* a : {retouchView_->undoAction, textsView_->objectMenu->undoAction}) {
    a->setText(undoText);
    a->setEnabled(h.canUndo());
  }
  for (QAction* a : {retouchView_->redoAction, textsView_->objectMenu->redoAction}) {
    a->setText(redoText);
    a->setEnabled(h.canRedo());
  }
  undoBtn_->setEnabled(h.canUndo());
  redoBtn_->setEnabled(h.canRedo());
  undoBtn_->setToolTip(QString::fromStdString(UndoHint(h)));
  redoBtn_->setToolTip(QString::fromStdString(RedoHint(h)));
}

void MainWindow::undo() {
  takeBackStep(true);
}

void MainWindow::redo() {
  takeBackStep(false);
}

void MainWindow::takeBackStep(bool undoing) {
  const uint64_t design = doc_.designVersion;
  if (doc_.objects.dragState != 0 || !(undoing ? doc_.history.undo() : doc_.history.redo())) return;
  if (doc_.designVersion != design) {  // a whole design came back: its parts, name and sizes
    setWindowTitle(QString::fromStdString(doc_.caption()));
    showReplacedDocument();
  }
  repaintViews();
}
