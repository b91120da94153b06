#include "retouch/views/BrightnessContrastDialog.h"

#include <QCoreApplication>
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

BrightnessContrastDialog::BrightnessContrastDialog(Dib& dib, std::function<void()> repaint,
                                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      logic_(dib, std::move(repaint)) {
  setWindowTitle(
      QCoreApplication::translate("BrightnessContrastDialog", "Brightness and contrast..."));
  auto* grid = new QGridLayout(this);
  brightnessSlider_ = TrackBar(-127, 127, 0, this);
  brightnessSlider_->setObjectName(QStringLiteral("brightness"));
  contrastSlider_ = TrackBar(0, 200, 100, this);
  contrastSlider_->setObjectName(QStringLiteral("contrast"));
  grid->addWidget(
      new QLabel(QCoreApplication::translate("BrightnessContrastDialog", "Brightness:"), this), 0,
      0);
  grid->addWidget(brightnessSlider_, 1, 0, 1, 2);
  grid->addWidget(
      new QLabel(QCoreApplication::translate("BrightnessContrastDialog", "Contrast:"), this), 2, 0);
  grid->addWidget(contrastSlider_, 3, 0, 1, 2);

  previewBtn_ =
      new QPushButton(QCoreApplication::translate("BrightnessContrastDialog", "Preview"), this);
  defaultsBtn_ = new QPushButton(
      QCoreApplication::translate("BrightnessContrastDialog", "Set to default values"), this);
  okBtn_ = new QPushButton(QStringLiteral("OK"), this);
  cancelBtn_ =
      new QPushButton(QCoreApplication::translate("BrightnessContrastDialog", "Cancel"), this);
  okBtn_->setDefault(true);
  for (QPushButton* b : {previewBtn_, defaultsBtn_, cancelBtn_}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {previewBtn_, defaultsBtn_, okBtn_, cancelBtn_}) buttons->addWidget(b);
  grid->addLayout(buttons, 4, 0, 1, 2);
  connect(previewBtn_, &QPushButton::clicked, this, &BrightnessContrastDialog::preview);
  connect(defaultsBtn_, &QPushButton::clicked, this, &BrightnessContrastDialog::resetToDefaults);
  connect(okBtn_, &QPushButton::clicked, this, &BrightnessContrastDialog::confirm);
  connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool BrightnessContrastDialog::run() {
  brightnessSlider_->setValue(0);
  contrastSlider_->setValue(100);
  if (!logic_.begin()) return false;
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  const bool ok = exec() == QDialog::Accepted;
  logic_.finish(ok);
  return ok;
}

void BrightnessContrastDialog::preview() {
  logic_.brightness = brightnessSlider_->value();
  logic_.contrast = contrastSlider_->value();
  logic_.preview();
}

void BrightnessContrastDialog::confirm() {
  preview();
  accept();
}

void BrightnessContrastDialog::resetToDefaults() {
  logic_.resetToDefaults();
  brightnessSlider_->setValue(logic_.brightness);
  contrastSlider_->setValue(logic_.contrast);
}
