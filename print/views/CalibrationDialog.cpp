#include "print/views/CalibrationDialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/views/PrintJob.h"

namespace {
QDoubleSpinBox* Millimetres(double min, double max, double value, QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setRange(min, max);
  s->setSingleStep(0.1);
  s->setDecimals(2);
  s->setValue(value);
  s->setSuffix(QStringLiteral(" mm"));
  return s;
}

QLabel* Wrapped(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setWordWrap(true);
  return l;
}
}  // namespace

TKalForm::TKalForm(const std::string& optionsFile, QWidget* parent)
    : QDialog(parent), file_(optionsFile) {
  setWindowTitle(QStringLiteral("Calibrate printer..."));
  const TCalibration d;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Wrapped(QStringLiteral(
      "This settings can correct wrong printouts. Make this test print for every new printer. "
      "This settings has NOTTING todo with the FORM. Only with the PRINTER MODELL."), this));
  BitBtn1 = new QPushButton(QStringLiteral("Print test rectangle..."), this);
  layout->addWidget(BitBtn1);
  layout->addWidget(Wrapped(QStringLiteral(
      "Enter the values as printed out. The test printout remains the same. But the form "
      "printout will be changed with this settings."), this));
  LinksEd = Millimetres(kKalOffsetMin, kKalOffsetMax, d.kalL, this);
  ObenEd = Millimetres(kKalOffsetMin, kKalOffsetMax, d.kalT, this);
  BreitEd = Millimetres(kKalSizeMin, kKalSizeMax, d.kalW, this);
  HochEd = Millimetres(kKalSizeMin, kKalSizeMax, d.kalH, this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Distance rectangle and page's left side:"), LinksEd);
  form->addRow(QStringLiteral("Distance rectangle and page's top side:"), ObenEd);
  form->addRow(QStringLiteral("Width of the rectangle:"), BreitEd);
  form->addRow(QStringLiteral("Height of the rectangle:"), HochEd);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBtn = new QPushButton(QStringLiteral("OK"), this);
  OkBtn->setDefault(true);
  buttons->addWidget(OkBtn);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn1, &QPushButton::clicked, this, &TKalForm::BitBtn1Click);

  const CalibrationLoad loaded = LoadCalibration(file_);
  setValues(loaded.values);
  if (loaded.damaged) ShowError(loaded.message);
}

TCalibration TKalForm::values() const {
  return {LinksEd->value(), ObenEd->value(), BreitEd->value(), HochEd->value()};
}

void TKalForm::setValues(const TCalibration& c) {
  LinksEd->setValue(c.kalL);
  ObenEd->setValue(c.kalT);
  BreitEd->setValue(c.kalW);
  HochEd->setValue(c.kalH);
}

bool TKalForm::SaveValues() {
  const std::string error = SaveCalibration(file_, values());
  if (!error.empty()) ShowError(error);
  return error.empty();
}

void TKalForm::BitBtn1Click() {
  std::string pdf;
  if (!PrintTargetChosen(pdf)) return;
  auto printer = MakeJobPrinter(choice_ ? choice_() : PrinterChoice{}, pdf);
  const PrintResult r = PrintTestPage(*printer);
  if (!r.ok) ShowError(r.error);
}
