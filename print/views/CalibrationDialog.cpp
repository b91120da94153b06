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

CalibrationDialog::CalibrationDialog(const std::string& optionsFile, QWidget* parent)
    : QDialog(parent), file_(optionsFile) {
  setWindowTitle(QStringLiteral("Calibrate printer..."));
  const Calibration d;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Wrapped(QStringLiteral(
      "This settings can correct wrong printouts. Make this test print for every new printer. "
      "This settings has NOTTING todo with the FORM. Only with the PRINTER MODELL."), this));
  testPrintButton = new QPushButton(QStringLiteral("Print test rectangle..."), this);
  layout->addWidget(testPrintButton);
  layout->addWidget(Wrapped(QStringLiteral(
      "Enter the values as printed out. The test printout remains the same. But the form "
      "printout will be changed with this settings."), this));
  leftEdit = Millimetres(kCalibrationOffsetMin, kCalibrationOffsetMax, d.left, this);
  topEdit = Millimetres(kCalibrationOffsetMin, kCalibrationOffsetMax, d.top, this);
  widthEdit = Millimetres(kCalibrationSizeMin, kCalibrationSizeMax, d.width, this);
  heightEdit = Millimetres(kCalibrationSizeMin, kCalibrationSizeMax, d.height, this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Distance rectangle and page's left side:"), leftEdit);
  form->addRow(QStringLiteral("Distance rectangle and page's top side:"), topEdit);
  form->addRow(QStringLiteral("Width of the rectangle:"), widthEdit);
  form->addRow(QStringLiteral("Height of the rectangle:"), heightEdit);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setDefault(true);
  buttons->addWidget(okButton);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(testPrintButton, &QPushButton::clicked, this, &CalibrationDialog::printTestRectangle);

  const CalibrationLoad loaded = LoadCalibration(file_);
  setValues(loaded.values);
  if (loaded.damaged) ShowError(loaded.message);
}

Calibration CalibrationDialog::values() const {
  return {leftEdit->value(), topEdit->value(), widthEdit->value(), heightEdit->value()};
}

void CalibrationDialog::setValues(const Calibration& c) {
  leftEdit->setValue(c.left);
  topEdit->setValue(c.top);
  widthEdit->setValue(c.width);
  heightEdit->setValue(c.height);
}

bool CalibrationDialog::saveValues() {
  const std::string error = SaveCalibration(file_, values());
  if (!error.empty()) ShowError(error);
  return error.empty();
}

void CalibrationDialog::printTestRectangle() {
  std::string pdf;
  if (!PrintTargetChosen(pdf)) return;
  auto printer = MakeJobPrinter(choice_ ? choice_() : PrinterChoice{}, pdf);
  const PrintResult r = PrintTestPage(*printer);
  if (!r.ok) ShowError(r.error);
}
