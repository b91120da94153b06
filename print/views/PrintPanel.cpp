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

PrintPanel::PrintPanel(std::function<const TEttType*()> selected, const std::string& optionsFile,
                       QWidget* parent)
    : QWidget(parent), selected_(std::move(selected)) {
  kalForm_ = new TKalForm(optionsFile, this);
  kalForm_->setPrinterChoice([this] { return choice_; });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  UsedED = Spin(0, 100, 1, 0, QStringLiteral("Positions that are already printed"), this);
  KopiesED = Spin(1, 1000, 1, 1, QStringLiteral("Number of copies"), this);
  PageEd = Spin(1, 1000, 1, 1, QStringLiteral("Number of copies"), this);
  ZoomEd4 = Spin(10, 500, 10, 100, QString(), this);
  ZoomEd4->setSuffix(QStringLiteral(" %"));
  const std::pair<const char*, QSpinBox*> rows[] = {
      {"Already used:", UsedED}, {"Copies:", KopiesED}, {"Current page:", PageEd}, {"Zoom:", ZoomEd4}};
  for (const auto& [label, spin] : rows) {
    layout->addWidget(new QLabel(QString::fromLatin1(label), this));
    layout->addWidget(spin);
    connect(spin, &QSpinBox::valueChanged, this, &PrintPanel::previewChanged);
  }
  OutlinesBox = new QCheckBox(QStringLiteral("Outlines"), this);
  OutlinesBox->setToolTip(QStringLiteral("Prints each element's outline, for a dry run on plain paper"));
  CropMarksBox = new QCheckBox(QStringLiteral("Crop marks"), this);
  CropMarksBox->setToolTip(QStringLiteral("Prints marks outside the corners of rectangular elements"));
  for (QCheckBox* box : {OutlinesBox, CropMarksBox}) {
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &PrintPanel::previewChanged);
  }
  const QSize size(90, 30);
  SetupBtn = NewPictureButton(size, tr("Setup"), kSetupButtonColor,
                              QStringLiteral(":/quendrix/glyph-setup.svg"),
                              QStringLiteral("Printer setup"), this);
  GoBtn1 = NewPictureButton(size, tr("Go!"), kGoButtonColor,
                            QStringLiteral(":/quendrix/glyph-go.svg"),
                            QStringLiteral("Start the print process!"), this);
  KalibrateBtn = new QPushButton(QStringLiteral("Calibrate printer..."), this);
  SetupBtn->setAction([this] { SetupBtnClick(); });
  GoBtn1->setAction([this] { GoBtn1Click(); });
  connect(KalibrateBtn, &QPushButton::clicked, this, &PrintPanel::KalibrateBtnClick);
  layout->addWidget(SetupBtn);
  layout->addWidget(GoBtn1);
  layout->addWidget(KalibrateBtn);
}

int PrintPanel::zoom() const { return ZoomEd4->value(); }

bool PrintPanel::CorrectInputs() {
  const TEttType* fmt = selected_ ? selected_() : nullptr;
  if (!fmt) return false;
  const FormatDetails details = selectedDetails();
  const int used = CorrectUsed(*fmt, details, UsedED->value());
  if (used != UsedED->value()) UsedED->setValue(used);
  const SheetLayout layout = LayoutFor(*fmt, details, UsedED->value(), KopiesED->value());
  const int page = CorrectPage(PageEd->value(), layout.pages);
  if (page != PageEd->value()) PageEd->setValue(page);
  return true;
}

// Unlike the other image buttons, Go stays pressed while it prints and is released after.
void PrintPanel::GoBtn1Click() {
  if (!CorrectInputs()) {
    CurrentDialogs().messageBox(kNoFormat, "", MsgButtons::Ok, MsgIcon::Error);
    return;
  }
  std::string pdf;
  if (!target_(pdf)) return;
  PrintRequest request;
  request.format = *selected_();
  request.used = UsedED->value();
  request.copies = KopiesED->value();
  request.calibration = kalForm_->values();
  request.details = selectedDetails();
  request.outlines = OutlinesBox->isChecked();
  request.cropMarks = CropMarksBox->isChecked();
  auto printer = MakeJobPrinter(choice_, pdf);
  const ElementRenderer render =
      cover_ ? MakeCoverRenderer(cover_(), request.calibration, request.details.bleed) : render_;
  const PrintResult r = PrintSheets(*printer, request, render);
  if (!r.ok) ShowError(r.error);
  emit previewChanged();
}

void PrintPanel::SetupBtnClick() {
  SetupBtn->release();
  emit printerPageChanged(::SetupBtnClick(choice_));
}

void PrintPanel::KalibrateBtnClick() {
  kalForm_->exec();
  kalForm_->SaveValues();  // however the dialog was closed
}
