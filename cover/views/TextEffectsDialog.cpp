#include "cover/views/TextEffectsDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

#include "platform/dialogs/Dialogs.h"

namespace {
QSpinBox* Distance(QWidget* parent, const char* name, int y) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  spin->setGeometry(200, y, 65, 22);
  return spin;
}
}  // namespace

TextEffectsDialog::TextEffectsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("TextEffectsDialog", "Effects"));
  setFixedSize(302, 227);
  auto* border = new QGroupBox(QCoreApplication::translate("TextEffectsDialog", "Border"), this);
  border->setGeometry(8, 8, 289, 49);
  borderCheck = new QCheckBox(QCoreApplication::translate("TextEffectsDialog", "Border"), border);
  borderCheck->setObjectName("borderCheck");
  borderCheck->setGeometry(16, 20, 120, 20);
  borderColorButton =
      new QPushButton(QCoreApplication::translate("TextEffectsDialog", "Color"), border);
  borderColorButton->setGeometry(200, 18, 75, 25);
  auto* shadow = new QGroupBox(QCoreApplication::translate("TextEffectsDialog", "Shadow"), this);
  shadow->setGeometry(8, 64, 289, 113);
  shadowCheck = new QCheckBox(QCoreApplication::translate("TextEffectsDialog", "Shadow"), shadow);
  shadowCheck->setObjectName("shadowCheck");
  shadowCheck->setGeometry(16, 20, 120, 20);
  shadowColorButton =
      new QPushButton(QCoreApplication::translate("TextEffectsDialog", "Color"), shadow);
  shadowColorButton->setGeometry(200, 18, 75, 25);
  (new QLabel(QCoreApplication::translate("TextEffectsDialog", "Distance horizontal:"), shadow))
      ->setGeometry(16, 52, 170, 20);
  shadowDxEdit = Distance(shadow, "shadowDxEdit", 50);
  (new QLabel(QCoreApplication::translate("TextEffectsDialog", "Distance vertical:"), shadow))
      ->setGeometry(16, 80, 170, 20);
  shadowDyEdit = Distance(shadow, "shadowDyEdit", 78);
  okButton = new QPushButton("OK", this);
  okButton->setGeometry(58, 192, 89, 25);
  cancelButton = new QPushButton(QCoreApplication::translate("TextEffectsDialog", "Cancel"), this);
  cancelButton->setGeometry(154, 192, 89, 25);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(borderColorButton, &QPushButton::clicked, this, [this] {
    if (const auto c = CurrentDialogs().chooseColor(BorderColor)) BorderColor = *c;
  });
  connect(shadowColorButton, &QPushButton::clicked, this, [this] {
    if (const auto c = CurrentDialogs().chooseColor(ShadowColor)) ShadowColor = *c;
  });
}

void TextEffectsDialog::load(const TextEffects& e) {
  borderCheck->setChecked(e.border);
  shadowCheck->setChecked(e.shadow);
  BorderColor = e.borderColor;
  ShadowColor = e.shadowColor;
  shadowDxEdit->setValue(e.shadowDX);
  shadowDyEdit->setValue(e.shadowDY);
}

TextEffects TextEffectsDialog::effects() const {
  return TextEffects{borderCheck->isChecked(), shadowCheck->isChecked(), BorderColor, ShadowColor,
                     shadowDxEdit->value(),    shadowDyEdit->value()};
}
