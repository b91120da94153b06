#include "app/views/PartBar.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>

#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

PartBar::PartBar(Document& doc, std::function<void()> replaced, QWidget* parent)
    : QTabBar(parent), doc_(doc), replaced_(std::move(replaced)) {
  setMovable(true);
  setExpanding(false);
  setDrawBase(false);
  // The tabs keep the window's width: many parts scroll.
  setUsesScrollButtons(true);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  // Smaller and cooler than the stage tabs they stand beside.
  setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 2px 8px; border: 1px solid #98a4b8; border-bottom: none;"
      " background: #e6eaf2; margin-left: 1px; font-weight: normal; }"
      "QTabBar::tab:selected { background: #c9d6ee; font-weight: bold; }"
      "QTabBar::tab:hover:!selected { background: #dbe4f5; }"));
  setToolTip(
      tr("The parts of the design: right click to add, duplicate or remove one, double "
         "click to rename it"));
  nameField_ = new QLineEdit(this);
  nameField_->setMaxLength(int(kMaxPartNameBytes));
  nameField_->hide();
  connect(nameField_, &QLineEdit::returnPressed, this, &PartBar::finishRename);
  connect(this, &QTabBar::currentChanged, this, &PartBar::choose);
  connect(this, &QTabBar::tabMoved, this, &PartBar::moved);
  showParts();
}

QSize PartBar::sizeHint() const {
  const QSize whole = QTabBar::sizeHint();
  return {std::min(whole.width(), maximumWidth()), whole.height()};
}

void PartBar::showParts() {
  showing_ = true;
  while (count() > 0) removeTab(0);
  for (const DesignPart& part : doc_.parts.list) addTab(QString::fromStdString(part.name));
  setCurrentIndex(int(doc_.parts.current));
  showing_ = false;
  emit partsShown();
}

void PartBar::choose(int index) {
  if (showing_ || index < 0 || size_t(index) == doc_.parts.current) return;
  std::string error;
  if (!SwitchPart(doc_, size_t(index), error)) {
    tell(error);
    showParts();
    return;
  }
  replaced_();
}

void PartBar::moved(int from, int to) {
  if (showing_) return;
  MovePart(doc_, size_t(from), size_t(to));
  emit partsShown();
}

std::string PartBar::freeName() const {
  for (int n = int(doc_.parts.list.size()) + 1;; ++n) {
    const std::string name = tr("Part %1").arg(n).toStdString();
    if (PartNameFault(doc_.parts, name).empty()) return name;
  }
}

void PartBar::addPart() {
  std::string error;
  if (!AddPart(doc_, DesignPart{freeName(), {}, BlankPartCover(doc_)}, error)) return tell(error);
  showParts();
  setCurrentIndex(count() - 1);
}

void PartBar::duplicatePart(int index) {
  std::string error;
  if (!DuplicatePart(doc_, size_t(index), freeName(), error)) return tell(error);
  showParts();
  setCurrentIndex(index + 1);
}

void PartBar::removePart(int index) {
  const bool current = size_t(index) == doc_.parts.current;
  if (CurrentDialogs().messageBox(
          tr("Do you want to remove the part %1?").arg(tabText(index)).toStdString(),
          tr("Remove part").toStdString(), MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
    return;
  std::string error;
  if (!RemovePart(doc_, size_t(index), error)) return tell(error);
  showParts();
  if (current) replaced_();
}

void PartBar::startRename(int index) {
  renaming_ = index;
  nameField_->setText(tabText(index));
  nameField_->setGeometry(tabRect(index));
  nameField_->show();
  nameField_->selectAll();
  nameField_->setFocus();
}

void PartBar::finishRename() {
  nameField_->hide();
  if (renaming_ < 0) return;
  std::string error;
  if (!RenamePart(doc_, size_t(renaming_), nameField_->text().toStdString(), error)) tell(error);
  renaming_ = -1;
  showParts();
}

void PartBar::tell(const std::string& error) {
  if (!error.empty()) ShowError(error);
}

void PartBar::mouseDoubleClickEvent(QMouseEvent* e) {
  const int index = tabAt(e->pos());
  if (index >= 0) startRename(index);
}

void PartBar::contextMenuEvent(QContextMenuEvent* e) {
  const int index = tabAt(e->pos());
  QMenu menu(this);
  menu.addAction(tr("Add part"), this, &PartBar::addPart);
  if (index >= 0) {
    menu.addAction(tr("Duplicate part"), this, [this, index] { duplicatePart(index); });
    menu.addAction(tr("Rename part"), this, [this, index] { startRename(index); });
    menu.addAction(tr("Remove part"), this, [this, index] { removePart(index); })
        ->setEnabled(count() > 1);
  }
  QMenu* presets = menu.addMenu(tr("New design from preset"));
  for (const PartPreset& p : PartPresets())
    presets->addAction(QString::fromStdString(Translate("PartPresets", p.name)), this, [this, &p] {
      if (newFromPreset) newFromPreset(p);
    });
  menu.exec(e->globalPos());
}
