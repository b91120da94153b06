// The Retouch tab's tool bar, its three menus and the commands they run.
#include <QHBoxLayout>
#include <QLabel>

#include "retouch/Crop.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/EffectFilters.h"
#include "retouch/MirrorTurn.h"
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
    {"HelligkeitundKontrast1", "Brightness and contrast...", "Change the brightness and contrast",
     &RetouchView::HellpBtnClick},
    {nullptr, nullptr, nullptr, nullptr},
    {"N90nachlinksrotieren1", "Rotate 90 degrees to the left",
     "Rotate the picture 90 degrees to the left", &RetouchView::RotLeftBtnClick},
    {"N90nachrechtsrotieren1", "Rotate 90 degrees to the right",
     "Rotate the picture 90 degrees to the right", &RetouchView::RotRightBtnClick},
    {nullptr, nullptr, nullptr, nullptr},
    {"Horizontalspiegeln1", "Mirror", "Mirror horizontal", &RetouchView::FlipHBtnClick},
    {"Vertikalspiegeln1", "Mirror vertical", "Mirror vertical", &RetouchView::FlipVBtnClick},
    {nullptr, nullptr, nullptr, nullptr},
    {"Randabschneiden1", "Crop to selection", "Crop to selection", &RetouchView::SchnittBtnClick},
};

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* hint) {
  QAction* a = menu->addAction(QString::fromLatin1(caption));
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(QString::fromLatin1(hint));
  a->setStatusTip(QString::fromLatin1(hint));
  return a;
}
}  // namespace

void RetouchView::BuildMenus() {
  filePopup_ = new QMenu(this);
  filePopup_->setObjectName(QStringLiteral("DateiPopup"));
  connect(AddItem(filePopup_, "Speichernunter1", "Save as...", "Save the picture to a file"),
          &QAction::triggered, this, [this] { emit saveRequested(); });

  // One item per filter, in table order: item k stands for entry k.
  effektPopup_ = new QMenu(this);
  effektPopup_->setObjectName(QStringLiteral("EffektPopup"));
  for (const TFilterRec& f : EffektFilters) {
    QAction* a = effektPopup_->addAction(QString::fromLatin1(f.FilterName));
    connect(a, &QAction::triggered, this, [this, a] { EffektClick(a); });
  }

  retuschePopup_ = new QMenu(this);
  retuschePopup_->setObjectName(QStringLiteral("RetuschePopup"));
  for (const RetouchItem& item : kRetouchItems) {
    if (!item.name) {
      retuschePopup_->addSeparator();
      continue;
    }
    connect(AddItem(retuschePopup_, item.name, item.caption, item.hint), &QAction::triggered, this,
            [this, h = item.handler] { (this->*h)(); });
  }
  for (QMenu* m : {filePopup_, effektPopup_, retuschePopup_}) m->setToolTipsVisible(true);
}

QWidget* RetouchView::BuildToolBar() {
  auto* bar = new QWidget(this);
  auto* l = new QHBoxLayout(bar);
  l->setContentsMargins(2, 2, 2, 2);
  fileButton_ = new MenuButton(QStringLiteral("File"), QStringLiteral("Opens the file menu"),
                               filePopup_, bar);
  fileButton_->setObjectName(QStringLiteral("DateiButton"));
  effectsButton_ = new MenuButton(QStringLiteral("Effects"), QStringLiteral("Use effect filter ..."),
                                  effektPopup_, bar);
  effectsButton_->setObjectName(QStringLiteral("EffekteButton"));
  retouchButton_ = new MenuButton(QStringLiteral("Retouch"), QStringLiteral("Retouch pictures"),
                                  retuschePopup_, bar);
  retouchButton_->setObjectName(QStringLiteral("RetuscheButton"));
  for (QWidget* w : {fileButton_, effectsButton_, retouchButton_}) l->addWidget(w);
  l->addSpacing(12);
  auto* label = new QLabel(QStringLiteral("Zoom:"), bar);
  l->addWidget(label);
  zoomEd_ = new QSpinBox(bar);
  zoomEd_->setObjectName(QStringLiteral("ZoomEd2"));
  zoomEd_->setRange(10, 500);
  zoomEd_->setSingleStep(10);
  zoomEd_->setValue(100);
  zoomEd_->setToolTip(QStringLiteral("Zoom in and zoom out the picture"));
  label->setBuddy(zoomEd_);
  l->addWidget(zoomEd_);
  l->addWidget(new QLabel(QStringLiteral("%"), bar));
  l->addStretch(1);
  // The paint resizes the box for the new zoom; the scroll box follows the box.
  connect(zoomEd_, &QSpinBox::valueChanged, this, [this] { RetuschPaintPaint(); });
  return bar;
}

void RetouchView::Changed() {
  RetuschPaintPaint();
  emit pictureChanged();
}

void RetouchView::SchnittBtnClick() {
  if (CropToSelection(dib_, pictureSel_)) Changed();
}

void RetouchView::RotLeftBtnClick() {
  if (TurnDibLeft(dib_, pictureSel_)) Changed();
}

void RetouchView::RotRightBtnClick() {
  if (TurnDibRight(dib_, pictureSel_)) Changed();
}

void RetouchView::FlipHBtnClick() {
  if (MirrorDib(dib_)) Changed();
}

void RetouchView::FlipVBtnClick() {
  if (MirrorDibVertical(dib_)) Changed();
}

void RetouchView::HellpBtnClick() {
  THKForm2 form(dib_, [this] { RetuschPaintPaint(); }, window());
  form.run();
  Changed();
}

void RetouchView::EffektClick(QAction* sender) {
  const int k = int(effektPopup_->actions().indexOf(sender));
  if (::EffektClick(dib_, k, [this] { RetuschPaintPaint(); })) Changed();
}
