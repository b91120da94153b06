#include "cover/views/TextEffectsDialog.h"

#include <QCheckBox>
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

TEffektForm::TEffektForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Effects");
  setFixedSize(302, 227);
  auto* border = new QGroupBox("Border", this);
  border->setGeometry(8, 8, 289, 49);
  UmrCheck = new QCheckBox("Border", border);
  UmrCheck->setObjectName("UmrCheck");
  UmrCheck->setGeometry(16, 20, 120, 20);
  borderColorButton = new QPushButton("Color", border);
  borderColorButton->setGeometry(200, 18, 75, 25);
  auto* shadow = new QGroupBox("Shadow", this);
  shadow->setGeometry(8, 64, 289, 113);
  SchattCheck = new QCheckBox("Shadow", shadow);
  SchattCheck->setObjectName("SchattCheck");
  SchattCheck->setGeometry(16, 20, 120, 20);
  shadowColorButton = new QPushButton("Color", shadow);
  shadowColorButton->setGeometry(200, 18, 75, 25);
  (new QLabel("Distance horizontal:", shadow))->setGeometry(16, 52, 170, 20);
  SchattED1 = Distance(shadow, "SchattED1", 50);
  (new QLabel("Distance vertical:", shadow))->setGeometry(16, 80, 170, 20);
  SchattEd2 = Distance(shadow, "SchattEd2", 78);
  okButton = new QPushButton("OK", this);
  okButton->setGeometry(58, 192, 89, 25);
  cancelButton = new QPushButton("Cancel", this);
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

void TEffektForm::load(const TextEffects& e) {
  UmrCheck->setChecked(e.border);
  SchattCheck->setChecked(e.shadow);
  BorderColor = e.borderColor;
  ShadowColor = e.shadowColor;
  SchattED1->setValue(e.shadowDX);
  SchattEd2->setValue(e.shadowDY);
}

TextEffects TEffektForm::effects() const {
  return TextEffects{UmrCheck->isChecked(), SchattCheck->isChecked(), BorderColor, ShadowColor,
                     SchattED1->value(), SchattEd2->value()};
}
