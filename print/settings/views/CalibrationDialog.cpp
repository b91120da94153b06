#include "print/settings/views/CalibrationDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/settings/views/JobPrinterKey.h"
#include "print/views/DiscTestPage.h"
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
  setWindowTitle(QCoreApplication::translate("CalibrationDialog", "Calibrate printer..."));
  const Calibration d;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Wrapped(
      QCoreApplication::translate(
          "CalibrationDialog",
          "This settings can correct wrong printouts. Make this test print for every new printer. "
          "This settings has NOTTING todo with the FORM. Only with the PRINTER MODELL."),
      this));
  testPrintButton = new QPushButton(
      QCoreApplication::translate("CalibrationDialog", "Print test rectangle..."), this);
  layout->addWidget(testPrintButton);
  layout->addWidget(Wrapped(
      QCoreApplication::translate(
          "CalibrationDialog",
          "Enter the values as printed out. The test printout remains the same. But the form "
          "printout will be changed with this settings."),
      this));
  leftEdit = Millimetres(kCalibrationOffsetMin, kCalibrationOffsetMax, d.left, this);
  topEdit = Millimetres(kCalibrationOffsetMin, kCalibrationOffsetMax, d.top, this);
  widthEdit = Millimetres(kCalibrationSizeMin, kCalibrationSizeMax, d.width, this);
  heightEdit = Millimetres(kCalibrationSizeMin, kCalibrationSizeMax, d.height, this);
  auto* form = new QFormLayout;
  form->addRow(
      QCoreApplication::translate("CalibrationDialog", "Distance rectangle and page's left side:"),
      leftEdit);
  form->addRow(
      QCoreApplication::translate("CalibrationDialog", "Distance rectangle and page's top side:"),
      topEdit);
  form->addRow(QCoreApplication::translate("CalibrationDialog", "Width of the rectangle:"),
               widthEdit);
  form->addRow(QCoreApplication::translate("CalibrationDialog", "Height of the rectangle:"),
               heightEdit);
  layout->addLayout(form);
  printerLabel = new QLabel(QString::fromStdString(PrinterKeyText({})), this);
  onlyThisPrinterBox = new QCheckBox(
      QCoreApplication::translate("CalibrationDialog", "Only for this printer"), this);
  onlyThisPrinterBox->setEnabled(false);
  layout->addWidget(printerLabel);
  layout->addWidget(onlyThisPrinterBox);
  discTestButton = new QPushButton(
      QCoreApplication::translate("CalibrationDialog", "Print disc centring test"), this);
  layout->addWidget(discTestButton);
  discRightEdit = Millimetres(-kMaxDiscShift, kMaxDiscShift, 0, this);
  discDownEdit = Millimetres(-kMaxDiscShift, kMaxDiscShift, 0, this);
  auto* discForm = new QFormLayout;
  discForm->addRow(
      QCoreApplication::translate("CalibrationDialog", "Disc prints land right of the centre by:"),
      discRightEdit);
  discForm->addRow(
      QCoreApplication::translate("CalibrationDialog", "Disc prints land below the centre by:"),
      discDownEdit);
  layout->addLayout(discForm);
  for (QWidget* w : {static_cast<QWidget*>(discRightEdit), static_cast<QWidget*>(discDownEdit)})
    w->setEnabled(false);
  connect(discTestButton, &QPushButton::clicked, this, &CalibrationDialog::printDiscTest);
  connect(onlyThisPrinterBox, &QCheckBox::toggled, this,
          &CalibrationDialog::onlyThisPrinterToggled);
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
  if (!loaded.message.empty()) ShowError(loaded.message);
  const PrinterCalibrationsLoad own = LoadPrinterCalibrations(PrinterCalibrationsFileFor(file_));
  own_ = own.entries;
  if (!own.message.empty()) ShowError(own.message);
  const DiscShiftsLoad discs = LoadDiscShifts(DiscShiftsFileFor(file_));
  discs_ = discs.entries;
  if (!discs.message.empty()) ShowError(discs.message);
}

void CalibrationDialog::showPrinter(const PrinterKey& printer) {
  const Calibration fallback = defaultValues();
  printer_ = printer;
  printerLabel->setText(QString::fromStdString(PrinterKeyText(printer)));
  const PrinterCalibration* own =
      printer.queue.empty() ? nullptr : FindPrinterCalibration(own_, printer);
  onlyThisPrinterBox->setEnabled(!printer.queue.empty());
  {
    const QSignalBlocker block(onlyThisPrinterBox);
    onlyThisPrinterBox->setChecked(own != nullptr);
  }
  default_ = fallback;
  setValues(own ? own->values : fallback);
  const DiscShift shift = DiscShiftFor(discs_, printer.queue);
  discRightEdit->setValue(shift.right);
  discDownEdit->setValue(shift.down);
  discRightEdit->setEnabled(!printer.queue.empty());
  discDownEdit->setEnabled(!printer.queue.empty());
}

void CalibrationDialog::onlyThisPrinterToggled(bool on) {
  if (on)
    default_ = values();  // the printer's values start from the default ones
  else
    setValues(default_);  // off: the dialog edits the default calibration again
}

Calibration CalibrationDialog::defaultValues() const {
  return onlyThisPrinterBox->isChecked() ? default_ : values();
}

Calibration CalibrationDialog::calibrationFor(const PrinterKey& printer) const {
  return CalibrationFor(own_, printer, defaultValues());
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
  if (!printer_.queue.empty()) {
    const DiscShift shift{discRightEdit->value(), discDownEdit->value()};
    if (shift != DiscShiftFor(discs_, printer_.queue)) {
      SetDiscShift(discs_, printer_.queue, shift);
      const KeptWrite saved = SaveDiscShifts(DiscShiftsFileFor(file_), discs_);
      if (!saved.message.empty()) ShowError(saved.message);
    }
  }
  const bool own = onlyThisPrinterBox->isChecked() && !printer_.queue.empty();
  const bool changed = own ? (SetPrinterCalibration(own_, printer_, values()), true)
                           : RemovePrinterCalibration(own_, printer_);
  if (changed) {
    const KeptWrite saved = SavePrinterCalibrations(PrinterCalibrationsFileFor(file_), own_);
    if (!saved.message.empty()) ShowError(saved.message);
    if (own || !saved.written()) return saved.written();
  }
  const KeptWrite saved = SaveCalibration(file_, values());
  if (!saved.message.empty()) ShowError(saved.message);
  return saved.written();
}

void CalibrationDialog::printTestRectangle() {
  std::string pdf;
  if (!PrintTargetChosen(pdf)) return;
  auto printer = MakeJobPrinter(choice_ ? choice_() : PrinterChoice{}, pdf);
  const PrintResult r = PrintTestPage(*printer);
  if (!r.ok) ShowError(r.error);
}

void CalibrationDialog::printDiscTest() {
  std::string pdf;
  if (!PrintTargetChosen(pdf)) return;
  const PrintResult r = PrintDiscTest(choice_ ? choice_() : PrinterChoice{}, pdf);
  if (!r.ok) ShowError(r.error);
}
