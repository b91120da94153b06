#include "cover/views/PicturePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cover/views/PicturePointDialog.h"

namespace {
QPushButton* Button(const QString& caption, const char* name, QWidget* parent, QLayout* layout) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

QSpinBox* Spin(const QString& caption, const char* name, int top, QWidget* parent,
               QVBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(caption, parent));
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(0, top);
  row->addWidget(spin);
  layout->addLayout(row);
  return spin;
}
}  // namespace

PicturePage::PicturePage(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName("picturePage");
  auto* layout = new QVBoxLayout(this);
  replaceButton = Button(tr("Replace picture..."), "replacePictureButton", this, layout);
  fitGroup_ = new QButtonGroup(this);
  const QString fitCaptions[3] = {tr("Contain"), tr("Cover"), tr("Stretch")};
  for (int i = 0; i < 3; ++i) {
    fits[i] = new QRadioButton(fitCaptions[i], this);
    fits[i]->setObjectName(QString("fitRadio%1").arg(i));
    layout->addWidget(fits[i]);
    fitGroup_->addButton(fits[i], i);
  }
  fits[0]->setToolTip(tr("The whole picture in the box, in its proportions"));
  fits[1]->setToolTip(tr("The box filled in the picture's proportions, the rest cut off"));
  fits[2]->setToolTip(tr("The picture stretched to the box"));
  fits[0]->setChecked(true);
  turnButton = Button(tr("Turn a quarter"), "turnPictureButton", this, layout);
  mirrorButton = Button(tr("Mirror left to right"), "mirrorPictureButton", this, layout);
  flipButton = Button(tr("Mirror top to bottom"), "flipPictureButton", this, layout);
  opacityEdit = Spin(tr("Opacity:"), "opacityEdit", 100, this, layout);
  opacityEdit->setSuffix(QStringLiteral(" %"));
  keyedBox = new QCheckBox(tr("Transparent colour"), this);
  keyedBox->setObjectName("keyedBox");
  keyedBox->setToolTip(
      tr("Leaves out one colour of the picture (at first the colour of its top "
         "left corner), so the cover shows through"));
  layout->addWidget(keyedBox);
  pickColourButton = Button(tr("Pick colour..."), "pickColourButton", this, layout);
  pickColourButton->setToolTip(tr("Shows the picture: a click chooses the colour left out"));
  toleranceEdit =
      Spin(tr("Tolerance:"), "toleranceEdit", PictureSettings::kMaxTolerance, this, layout);
  frameBox = new QCheckBox(tr("Frame"), this);
  frameBox->setObjectName("frameBox");
  layout->addWidget(frameBox);
  frameColorButton = Button(tr("Frame color..."), "frameColorButton", this, layout);
  frameWidthEdit = Spin(tr("Line width:"), "frameWidthEdit", 20, this, layout);
  frameWidthEdit->setMinimum(1);
  shadowBox = new QCheckBox(tr("Shadow"), this);
  shadowBox->setObjectName("shadowBox");
  layout->addWidget(shadowBox);
  shadowColourButton = Button(tr("Shadow colour..."), "shadowColourButton", this, layout);
  shadowOffsetEdit =
      Spin(tr("Shadow offset:"), "shadowOffsetEdit", kMaxPictureShadowOffset, this, layout);
  layout->addStretch();

  connect(replaceButton, &QPushButton::clicked, this, [this] { run(editor_.replacePicture()); });
  connect(fitGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { run(editor_.setPictureFit(id)); });
  connect(turnButton, &QPushButton::clicked, this, [this] { run(editor_.turnPicture()); });
  connect(mirrorButton, &QPushButton::clicked, this, [this] { run(editor_.mirrorPicture(true)); });
  connect(flipButton, &QPushButton::clicked, this, [this] { run(editor_.mirrorPicture(false)); });
  connect(opacityEdit, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.setPictureOpacity(v)); });
  connect(keyedBox, &QCheckBox::toggled, this,
          [this](bool on) { run(editor_.setPictureKeyed(on)); });
  connect(toleranceEdit, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.setPictureTolerance(v)); });
  connect(frameBox, &QCheckBox::toggled, this,
          [this](bool on) { run(editor_.setPictureFrame(on)); });
  connect(frameColorButton, &QPushButton::clicked, this,
          [this] { run(editor_.editBorderColor()); });
  connect(frameWidthEdit, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.setLineWidth(v)); });
  connect(shadowBox, &QCheckBox::toggled, this, [this](bool on) {
    shadowColourButton->setEnabled(on);
    shadowOffsetEdit->setEnabled(on);
    run(editor_.setPictureShadow(on));
  });
  connect(pickColourButton, &QPushButton::clicked, this, &PicturePage::pickColour);
  connect(shadowOffsetEdit, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.setPictureShadowOffset(v)); });
  connect(shadowColourButton, &QPushButton::clicked, this,
          [this] { run(editor_.editPictureShadowColor()); });
}

void PicturePage::pickColour() {
  const Dib* picture = editor_.selectedPictureDib();
  if (!picture) return;
  PicturePointDialog dialog(*picture, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
  run(editor_.setPictureKeyAt(dialog.chosen()->x(), dialog.chosen()->y()));
}

void PicturePage::load(const PictureState& s) {
  const QSignalBlocker a(opacityEdit), b(keyedBox), c(toleranceEdit), d(frameBox), e(shadowBox),
      f(frameWidthEdit), g(shadowOffsetEdit);
  if (QAbstractButton* fit = fitGroup_->button(s.fit)) fit->setChecked(true);
  opacityEdit->setValue(s.opacity);
  keyedBox->setChecked(s.keyed);
  toleranceEdit->setValue(s.tolerance);
  toleranceEdit->setEnabled(s.keyed);
  frameBox->setChecked(s.frame);
  frameColorButton->setEnabled(s.frame);
  frameWidthEdit->setValue(s.lineWidth);
  frameWidthEdit->setEnabled(s.frame);
  shadowBox->setChecked(s.shadow);
  shadowColourButton->setEnabled(s.shadow);
  shadowOffsetEdit->setValue(s.shadowOffset);
  shadowOffsetEdit->setEnabled(s.shadow);
}

void PicturePage::run(bool changedSomething) {
  if (changedSomething) emit changed();
}
