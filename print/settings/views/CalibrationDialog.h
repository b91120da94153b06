#pragma once
// The "Calibrate printer..." dialog: the four measured values of the test print, kept in
// options.dat, and the button that prints the test page.
#include <QDialog>
#include <functional>
#include <string>

#include "platform/dialogs/Dialogs.h"
#include "print/settings/Calibration.h"
#include "print/settings/DiscShifts.h"
#include "print/settings/PrinterCalibrations.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

class CalibrationDialog : public QDialog {
  Q_OBJECT
 public:
  // Loads `optionsFile` (createDocument); a damaged file is reported and the defaults are used.
  explicit CalibrationDialog(const std::string& optionsFile, QWidget* parent = nullptr);

  Calibration values() const;
  void setValues(const Calibration& c);
  // Writes the values to the options file; says so when that fails.
  bool saveValues();
  // Prints the "Test print" page on the printer the job would use (a PDF file without one).
  void printTestRectangle();
  // Prints the disc centring test on the printer the job would use (a PDF file without one).
  void printDiscTest();
  // The printer the program prints to, as the printer setup left it.
  void setPrinterChoice(std::function<PrinterChoice()> choice) { choice_ = std::move(choice); }

  // Names the printer the values are for and shows its own calibration, else the default one.
  void showPrinter(const PrinterKey& printer);
  // The calibration of options.dat: the values shown while "Only for this printer" is off.
  Calibration defaultValues() const;
  // What a job on `printer` uses: its own calibration, else the default one.
  Calibration calibrationFor(const PrinterKey& printer) const;

  QDoubleSpinBox *leftEdit = nullptr, *topEdit = nullptr, *widthEdit = nullptr,
                 *heightEdit = nullptr;
  QPushButton *testPrintButton = nullptr, *okButton = nullptr;
  QLabel* printerLabel = nullptr;
  QCheckBox* onlyThisPrinterBox = nullptr;
  // The shown printer's disc tray: how far its disc prints land right and down of the centre.
  QPushButton* discTestButton = nullptr;
  QDoubleSpinBox *discRightEdit = nullptr, *discDownEdit = nullptr;

 private:
  std::string file_;
  std::function<PrinterChoice()> choice_;
  void onlyThisPrinterToggled(bool on);
  PrinterKey printer_;
  Calibration default_;                  // kept while the printer's own values are shown
  std::vector<PrinterCalibration> own_;  // the calibrations of single printers
  std::vector<PrinterDiscShift> discs_;  // the disc tray centrings of single printers
};
