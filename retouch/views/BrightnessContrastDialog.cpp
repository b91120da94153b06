#include "retouch/views/BrightnessContrastDialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

namespace {
QSlider* TrackBar(int minimum, int maximum, int position, QWidget* parent) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setRange(minimum, maximum);
  s->setValue(position);
  s->setSingleStep(1);
  s->setPageStep(10);
  s->setTickPosition(QSlider::NoTicks);
  s->setMinimumWidth(260);
  return s;
}
}  // namespace

THKForm2::THKForm2(TDib& dib, std::function<void()> repaint, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      logic_(dib, std::move(repaint)) {
  setWindowTitle(QStringLiteral("Brightness and contrast..."));
  auto* grid = new QGridLayout(this);
  trackBar1_ = TrackBar(-127, 127, 0, this);
  trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
  trackBar2_ = TrackBar(0, 200, 100, this);
  trackBar2_->setObjectName(QStringLiteral("TrackBar2"));
  grid->addWidget(new QLabel(QStringLiteral("Brightness:"), this), 0, 0);
  grid->addWidget(trackBar1_, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Contrast:"), this), 2, 0);
  grid->addWidget(trackBar2_, 3, 0, 1, 2);

  previewBtn_ = new QPushButton(QStringLiteral("Preview"), this);
  defaultsBtn_ = new QPushButton(QStringLiteral("Set to default values"), this);
  okBtn_ = new QPushButton(QStringLiteral("OK"), this);
  cancelBtn_ = new QPushButton(QStringLiteral("Cancel"), this);
  okBtn_->setDefault(true);
  for (QPushButton* b : {previewBtn_, defaultsBtn_, cancelBtn_}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {previewBtn_, defaultsBtn_, okBtn_, cancelBtn_}) buttons->addWidget(b);
  grid->addLayout(buttons, 4, 0, 1, 2);
  connect(previewBtn_, &QPushButton::clicked, this, &THKForm2::TrackBar1Change);
  connect(defaultsBtn_, &QPushButton::clicked, this, &THKForm2::BacksetBitBtn3Click);
  connect(okBtn_, &QPushButton::clicked, this, &THKForm2::OkBitBtn1Click);
  connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool THKForm2::run() {
  trackBar1_->setValue(0);
  trackBar2_->setValue(100);
  if (!logic_.begin()) return false;
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  const bool ok = exec() == QDialog::Accepted;
  logic_.finish(ok);
  return ok;
}

void THKForm2::TrackBar1Change() {
  logic_.TrackBar1 = trackBar1_->value();
  logic_.TrackBar2 = trackBar2_->value();
  logic_.TrackBar1Change();
}

void THKForm2::OkBitBtn1Click() {
  TrackBar1Change();
  accept();
}

void THKForm2::BacksetBitBtn3Click() {
  logic_.BacksetBitBtn3Click();
  trackBar1_->setValue(logic_.TrackBar1);
  trackBar2_->setValue(logic_.TrackBar2);
}
