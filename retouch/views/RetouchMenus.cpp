// The Retouch tab's tool bar, its three menus and the commands they run.
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

#include "retouch/Crop.h"
#include "retouch/MirrorTurn.h"
#include "retouch/PictureHistory.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/EffectFilters.h"
#include "retouch/views/BrightnessContrastDialog.h"
#include "retouch/views/MenuButton.h"
#include "retouch/views/RetouchView.h"

namespace {
struct RetouchItem {
  const char* name;
  const char* caption;
  const char* hint;
  void (RetouchView::*handler)();
};
// nullptr names stand for separators.
const RetouchItem kRetouchItems[] = {
    {"brightnessContrastAction", QT_TRANSLATE_NOOP("RetouchMenus", "Brightness and contrast..."),
     QT_TRANSLATE_NOOP("RetouchMenus", "Change the brightness and contrast"),
     &RetouchView::changeBrightnessContrast},
    {nullptr, nullptr, nullptr, nullptr},
    {"turnLeftAction", QT_TRANSLATE_NOOP("RetouchMenus", "Rotate 90 degrees to the left"),
     QT_TRANSLATE_NOOP("RetouchMenus", "Rotate the picture 90 degrees to the left"),
     &RetouchView::turnLeft},
    {"turnRightAction", QT_TRANSLATE_NOOP("RetouchMenus", "Rotate 90 degrees to the right"),
     QT_TRANSLATE_NOOP("RetouchMenus", "Rotate the picture 90 degrees to the right"),
     &RetouchView::turnRight},
    {nullptr, nullptr, nullptr, nullptr},
    {"mirrorAction", QT_TRANSLATE_NOOP("RetouchMenus", "Mirror"),
     QT_TRANSLATE_NOOP("RetouchMenus", "Mirror horizontal"), &RetouchView::mirrorHorizontally},
    {"mirrorVerticalAction", QT_TRANSLATE_NOOP("RetouchMenus", "Mirror vertical"),
     QT_TRANSLATE_NOOP("RetouchMenus", "Mirror vertical"), &RetouchView::mirrorVertically},
    {nullptr, nullptr, nullptr, nullptr},
    {"cropAction", QT_TRANSLATE_NOOP("RetouchMenus", "Crop to selection"),
     QT_TRANSLATE_NOOP("RetouchMenus", "Crop to selection"), &RetouchView::cropToSelection},
};

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* hint) {
  QAction* a = menu->addAction(QCoreApplication::translate("RetouchMenus", caption));
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(QCoreApplication::translate("RetouchMenus", hint));
  a->setStatusTip(QCoreApplication::translate("RetouchMenus", hint));
  return a;
}
}  // namespace

void RetouchView::buildMenus() {
  fileMenu_ = new QMenu(this);
  fileMenu_->setObjectName(QStringLiteral("fileMenu"));
  connect(AddItem(fileMenu_, "saveAsAction", QT_TRANSLATE_NOOP("RetouchMenus", "Save as..."),
                  QT_TRANSLATE_NOOP("RetouchMenus", "Save the picture to a file")),
          &QAction::triggered, this, [this] { emit saveRequested(); });

  // One item per filter, in table order: item k stands for entry k.
  effectsMenu_ = new QMenu(this);
  effectsMenu_->setObjectName(QStringLiteral("effectsMenu"));
  for (const EffectFilter& f : kEffectFilters) {
    QAction* a =
        effectsMenu_->addAction(QCoreApplication::translate("EffectFilters", f.FilterName));
    connect(a, &QAction::triggered, this, [this, a] { applyEffect(a); });
  }

  retouchMenu_ = new QMenu(this);
  retouchMenu_->setObjectName(QStringLiteral("retouchMenu"));
  for (const RetouchItem& item : kRetouchItems) {
    if (!item.name) {
      retouchMenu_->addSeparator();
      continue;
    }
    connect(AddItem(retouchMenu_, item.name, item.caption, item.hint), &QAction::triggered, this,
            [this, h = item.handler] { (this->*h)(); });
  }
  retouchMenu_->addSeparator();
  undoAction = AddItem(retouchMenu_, "undoAction", QT_TRANSLATE_NOOP("RetouchMenus", "Undo"),
                       QT_TRANSLATE_NOOP("RetouchMenus", "Undo the last change"));
  redoAction = AddItem(retouchMenu_, "redoAction", QT_TRANSLATE_NOOP("RetouchMenus", "Redo"),
                       QT_TRANSLATE_NOOP("RetouchMenus", "Redo the change undone last"));
  undoAction->setEnabled(false);
  redoAction->setEnabled(false);
  for (QMenu* m : {fileMenu_, effectsMenu_, retouchMenu_}) m->setToolTipsVisible(true);
}

QWidget* RetouchView::buildToolBar() {
  auto* bar = new QWidget(this);
  auto* l = new QHBoxLayout(bar);
  l->setContentsMargins(2, 2, 2, 2);
  fileButton_ = new MenuButton(QCoreApplication::translate("RetouchMenus", "File"),
                               QCoreApplication::translate("RetouchMenus", "Opens the file menu"),
                               fileMenu_, bar);
  fileButton_->setObjectName(QStringLiteral("fileButton"));
  effectsButton_ = new MenuButton(
      QCoreApplication::translate("RetouchMenus", "Effects"),
      QCoreApplication::translate("RetouchMenus", "Use effect filter ..."), effectsMenu_, bar);
  effectsButton_->setObjectName(QStringLiteral("effectsButton"));
  retouchButton_ = new MenuButton(QCoreApplication::translate("RetouchMenus", "Retouch"),
                                  QCoreApplication::translate("RetouchMenus", "Retouch pictures"),
                                  retouchMenu_, bar);
  retouchButton_->setObjectName(QStringLiteral("retouchButton"));
  for (QWidget* w : {fileButton_, effectsButton_, retouchButton_}) l->addWidget(w);
  l->addSpacing(12);
  auto* label = new QLabel(QCoreApplication::translate("RetouchMenus", "Zoom:"), bar);
  l->addWidget(label);
  zoomEd_ = new QSpinBox(bar);
  zoomEd_->setObjectName(QStringLiteral("zoomEdit"));
  zoomEd_->setRange(10, 500);
  zoomEd_->setSingleStep(10);
  zoomEd_->setValue(100);
  zoomEd_->setToolTip(
      QCoreApplication::translate("RetouchMenus", "Zoom in and zoom out the picture"));
  label->setBuddy(zoomEd_);
  l->addWidget(zoomEd_);
  l->addWidget(new QLabel(QStringLiteral("%"), bar));
  l->addStretch(1);
  // The paint resizes the box for the new zoom; the scroll box follows the box.
  connect(zoomEd_, &QSpinBox::valueChanged, this, [this] { paintView(); });
  return bar;
}

void RetouchView::pictureWasChanged() {
  paintView();
  emit pictureChanged();
}

void RetouchView::cropToSelection() {
  PictureEdit edit(history_, dib_, PictureOp::Replace);
  if (!CropToSelection(dib_, pictureSel_)) return;
  edit.commit(QT_TRANSLATE_NOOP("History", "Crop to selection"));
  pictureWasChanged();
}

void RetouchView::turnLeft() {
  PictureEdit edit(history_, dib_, PictureOp::TurnLeft);
  if (!TurnDibLeft(dib_, pictureSel_)) return;
  edit.commit(QT_TRANSLATE_NOOP("History", "Rotate to the left"));
  pictureWasChanged();
}

void RetouchView::turnRight() {
  PictureEdit edit(history_, dib_, PictureOp::TurnRight);
  if (!TurnDibRight(dib_, pictureSel_)) return;
  edit.commit(QT_TRANSLATE_NOOP("History", "Rotate to the right"));
  pictureWasChanged();
}

void RetouchView::mirrorHorizontally() {
  PictureEdit edit(history_, dib_, PictureOp::Mirror);
  if (!MirrorDib(dib_)) return;
  edit.commit(QT_TRANSLATE_NOOP("History", "Mirror"));
  pictureWasChanged();
}

void RetouchView::mirrorVertically() {
  PictureEdit edit(history_, dib_, PictureOp::MirrorVertical);
  if (!MirrorDibVertical(dib_)) return;
  edit.commit(QT_TRANSLATE_NOOP("History", "Mirror vertical"));
  pictureWasChanged();
}

void RetouchView::changeBrightnessContrast() {
  PictureEdit edit(history_, dib_, PictureOp::Replace);
  BrightnessContrastDialog form(
      dib_, [this] { paintView(); }, window());
  if (form.run()) edit.commit(QT_TRANSLATE_NOOP("History", "Brightness and contrast"));
  pictureWasChanged();
}

void RetouchView::applyEffect(QAction* sender) {
  const int k = int(effectsMenu_->actions().indexOf(sender));
  if (k < 0 || k >= kEffectCount || !dib_.Bits) return;
  if (DibColorCount(dib_) <= 256) {  // the promotion is a step of its own
    PictureEdit promotion(history_, dib_, PictureOp::Replace);
    if (!PromoteForEffect(dib_)) return;
    promotion.commit(QT_TRANSLATE_NOOP("History", "Change to 16,7 million colors"));
  }
  PictureEdit edit(history_, dib_, PictureOp::Replace);
  FilterWithConfirmation(dib_, kEffectFilters[k], [this] { paintView(); });
  edit.commit(kEffectFilters[k].FilterName);
  pictureWasChanged();
}
