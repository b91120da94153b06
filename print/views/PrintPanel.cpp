#include "print/views/PrintPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/views/ImageButton.h"

namespace {
QSpinBox* Spin(int min, int max, int step, int value, const QString& hint, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setRange(min, max);
  s->setSingleStep(step);
  s->setValue(value);
  s->setToolTip(hint);
  return s;
}
}  // namespace

PrintPanel::PrintPanel(std::function<const PaperFormat*()> selected, const std::string& optionsFile,
                       QWidget* parent)
    : QWidget(parent), selected_(std::move(selected)) {
  calibrationDialog_ = new CalibrationDialog(optionsFile, this);
  calibrationDialog_->setPrinterChoice([this] { return choice_; });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  usedEdit = Spin(0, 100, 1, 0, QStringLiteral("Positions that are already printed"), this);
  copiesEdit = Spin(1, 1000, 1, 1, QStringLiteral("Number of copies"), this);
  pageEdit = Spin(1, 1000, 1, 1, QStringLiteral("Number of copies"), this);
  zoomEdit = Spin(10, 500, 10, 100, QString(), this);
  zoomEdit->setSuffix(QStringLiteral(" %"));
  const std::pair<const char*, QSpinBox*> rows[] = {{"Already used:", usedEdit},
                                                    {"Copies:", copiesEdit},
                                                    {"Current page:", pageEdit},
                                                    {"Zoom:", zoomEdit}};
  for (const auto& [label, spin] : rows) {
    layout->addWidget(new QLabel(QString::fromLatin1(label), this));
    layout->addWidget(spin);
    connect(spin, &QSpinBox::valueChanged, this, &PrintPanel::previewChanged);
  }
  outlinesBox = new QCheckBox(QStringLiteral("Outlines"), this);
  outlinesBox->setToolTip(QStringLiteral("Prints each element's outline, for a dry run on plain paper"));
  cropMarksBox = new QCheckBox(QStringLiteral("Crop marks"), this);
  cropMarksBox->setToolTip(QStringLiteral("Prints marks outside the corners of rectangular elements"));
  for (QCheckBox* box : {outlinesBox, cropMarksBox}) {
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &PrintPanel::previewChanged);
  }
  const QSize size(90, 30);
  setupButton = NewPictureButton(size, tr("Setup"), kSetupButtonColor,
                                 QStringLiteral(":/quendrix/glyph-setup.svg"),
                                 QStringLiteral("Printer setup"), this);
  goButton =
      NewPictureButton(size, tr("Go!"), kGoButtonColor, QStringLiteral(":/quendrix/glyph-go.svg"),
                       QStringLiteral("Start the print process!"), this);
  calibrateButton = new QPushButton(QStringLiteral("Calibrate printer..."), this);
  setupButton->setAction([this] { setUpPrinter(); });
  goButton->setAction([this] { printCovers(); });
  connect(calibrateButton, &QPushButton::clicked, this, &PrintPanel::calibratePrinter);
  layout->addWidget(setupButton);
  layout->addWidget(goButton);
  layout->addWidget(calibrateButton);
}

int PrintPanel::zoom() const {
  return zoomEdit->value();
}

bool PrintPanel::correctInputs() {
  const PaperFormat* fmt = selected_ ? selected_() : nullptr;
  if (!fmt) return false;
  const FormatDetails details = selectedDetails();
  const int used = CorrectUsed(*fmt, details, usedEdit->value());
  if (used != usedEdit->value()) usedEdit->setValue(used);
  const SheetLayout layout = LayoutFor(*fmt, details, usedEdit->value(), copiesEdit->value());
  const int page = CorrectPage(pageEdit->value(), layout.pages);
  if (page != pageEdit->value()) pageEdit->setValue(page);
  return true;
}

// Unlike the other image buttons, Go stays pressed while it prints and is released after.
void PrintPanel::printCovers() {
  if (!correctInputs()) {
    CurrentDialogs().messageBox(kNoFormat, "", MsgButtons::Ok, MsgIcon::Error);
    return;
  }
  std::string pdf;
  if (!target_(pdf)) return;
  PrintRequest request;
  request.format = *selected_();
  request.used = usedEdit->value();
  request.copies = copiesEdit->value();
  request.calibration = calibrationDialog_->values();
  request.details = selectedDetails();
  request.outlines = outlinesBox->isChecked();
  request.cropMarks = cropMarksBox->isChecked();
  auto printer = MakeJobPrinter(choice_, pdf);
  const ElementRenderer render =
      cover_ ? MakeCoverRenderer(cover_(), request.calibration, request.details.bleed) : render_;
  const PrintResult r = PrintSheets(*printer, request, render);
  if (!r.ok) ShowError(r.error);
  emit previewChanged();
}

void PrintPanel::setUpPrinter() {
  setupButton->release();
  emit printerPageChanged(::ChoosePrinter(choice_));
}

void PrintPanel::calibratePrinter() {
  calibrationDialog_->exec();
  calibrationDialog_->saveValues();  // however the dialog was closed
}
