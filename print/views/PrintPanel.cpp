#include "print/views/PrintPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "platform/Translate.h"
#include "platform/views/ImageButton.h"
#include "print/DiscTray.h"
#include "print/PageRange.h"
#include "print/settings/NextPosition.h"
#include "print/settings/views/JobPrinterKey.h"
#include "print/views/MergeDialog.h"

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
    : QWidget(parent),
      selected_(std::move(selected)),
      paperFile_((std::filesystem::path(optionsFile).parent_path() / "paper.dat").string()),
      calibrationFile_(optionsFile) {
  calibrationDialog_ = new CalibrationDialog(optionsFile, this);
  calibrationDialog_->setPrinterChoice([this] { return choice_; });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  usedEdit =
      Spin(0, 100, 1, 0,
           QCoreApplication::translate("PrintPanel", "Positions that are already printed"), this);
  copiesEdit =
      Spin(1, 1000, 1, 1, QCoreApplication::translate("PrintPanel", "Number of copies"), this);
  pageEdit =
      Spin(1, 1000, 1, 1, QCoreApplication::translate("PrintPanel", "Number of copies"), this);
  zoomEdit = Spin(10, 500, 10, 100, QString(), this);
  zoomEdit->setSuffix(QStringLiteral(" %"));
  const std::pair<const char*, QSpinBox*> rows[] = {
      {QT_TRANSLATE_NOOP("PrintPanel", "Already used:"), usedEdit},
      {QT_TRANSLATE_NOOP("PrintPanel", "Copies:"), copiesEdit},
      {QT_TRANSLATE_NOOP("PrintPanel", "Current page:"), pageEdit},
      {QT_TRANSLATE_NOOP("PrintPanel", "Zoom:"), zoomEdit}};
  for (const auto& [label, spin] : rows) {
    layout->addWidget(new QLabel(QCoreApplication::translate("PrintPanel", label), this));
    layout->addWidget(spin);
    connect(spin, &QSpinBox::valueChanged, this, &PrintPanel::previewChanged);
    if (spin != copiesEdit) continue;
    mergeButton = new QPushButton(QCoreApplication::translate("PrintPanel", "Merge..."), this);
    mergeButton->setToolTip(QCoreApplication::translate(
        "PrintPanel", "Prints one copy per line of a table, or numbers the copies"));
    mergeButton->setEnabled(false);
    mergeLabel = new QLabel(this);
    mergeLabel->setWordWrap(true);
    mergeLabel->hide();
    layout->addWidget(mergeButton);
    layout->addWidget(mergeLabel);
    connect(mergeButton, &QPushButton::clicked, this, &PrintPanel::chooseMerge);
  }
  // The caption wraps inside the button, so that the narrow panel keeps its width.
  const QString continueText =
      QCoreApplication::translate("PrintPanel", "Continue where the last print ended");
  continueButton = new QPushButton(this);
  continueButton->setAccessibleName(continueText);
  auto* caption = new QLabel(continueText, continueButton);
  caption->setWordWrap(true);
  caption->setAlignment(Qt::AlignCenter);
  caption->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* captionLayout = new QVBoxLayout(continueButton);
  captionLayout->setContentsMargins(6, 4, 6, 4);
  captionLayout->addWidget(caption);
  QSizePolicy wrapping(QSizePolicy::Ignored, QSizePolicy::Preferred);
  wrapping.setHeightForWidth(true);
  continueButton->setSizePolicy(wrapping);
  continueButton->setEnabled(false);
  layout->addWidget(continueButton);
  connect(continueButton, &QPushButton::clicked, this, &PrintPanel::continueLastPrint);
  layout->addWidget(new QLabel(QCoreApplication::translate("PrintPanel", "Pages:"), this));
  pagesEdit = new QLineEdit(this);
  pagesEdit->setPlaceholderText(QCoreApplication::translate("PrintPanel", "all"));
  pagesEdit->setToolTip(QCoreApplication::translate(
      "PrintPanel", "Prints only these sheets of the job again, such as 2-3,5"));
  layout->addWidget(pagesEdit);
  outlinesBox = new QCheckBox(QCoreApplication::translate("PrintPanel", "Outlines"), this);
  outlinesBox->setToolTip(QCoreApplication::translate(
      "PrintPanel", "Prints each element's outline, for a dry run on plain paper"));
  cropMarksBox = new QCheckBox(QCoreApplication::translate("PrintPanel", "Crop marks"), this);
  cropMarksBox->setToolTip(QCoreApplication::translate(
      "PrintPanel", "Prints marks outside the corners of rectangular elements"));
  for (QCheckBox* box : {outlinesBox, cropMarksBox}) {
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &PrintPanel::previewChanged);
  }
  jpegBox = new QCheckBox(QCoreApplication::translate("PrintPanel", "Photos as JPEG"), this);
  jpegBox->setToolTip(QCoreApplication::translate(
      "PrintPanel",
      "A PDF file holds photographs as JPEG: a much smaller file, with slight losses"));
  layout->addWidget(jpegBox);
  const QSize size(90, 30);
  setupButton = NewPictureButton(size, tr("Setup"), kSetupButtonColor,
                                 QStringLiteral(":/quendrix/glyph-setup.svg"),
                                 QCoreApplication::translate("PrintPanel", "Printer setup"), this);
  goButton =
      NewPictureButton(size, tr("Go!"), kGoButtonColor, QStringLiteral(":/quendrix/glyph-go.svg"),
                       QCoreApplication::translate("PrintPanel", "Start the print process!"), this);
  allPartsButton = new QPushButton(tr("Print all parts"), this);
  allPartsButton->setToolTip(
      tr("Prints every part of the design on its own paper format in one job, in part order"));
  allPartsButton->hide();
  connect(allPartsButton, &QPushButton::clicked, this, &PrintPanel::printAllParts);
  calibrateButton =
      new QPushButton(QCoreApplication::translate("PrintPanel", "Calibrate printer..."), this);
  setupButton->setAction([this] { setUpPrinter(); });
  goButton->setAction([this] { printCovers(); });
  connect(calibrateButton, &QPushButton::clicked, this, &PrintPanel::calibratePrinter);
  layout->addWidget(setupButton);
  layout->addWidget(goButton);
  layout->addWidget(allPartsButton);
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
  if (!(*fmt == markedFormat_)) {  // marks belong to the sheet of one format
    markedFormat_ = *fmt;
    marked_.clear();
    refreshContinue();
  }
  const SheetLayout layout = currentLayout();
  const int page = CorrectPage(pageEdit->value(), layout.pages);
  if (page != pageEdit->value()) pageEdit->setValue(page);
  return true;
}

// Reads the remembered position only when the format changes, a print ends or the tab shows,
// not on every repaint of the preview.
void PrintPanel::refreshContinue() {
  const PaperFormat* fmt = selected_ ? selected_() : nullptr;
  continueButton->setEnabled(fmt && RecallNextPosition(paperFile_, *fmt).has_value());
}

void PrintPanel::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  refreshContinue();  // another run of the program may have printed meanwhile
}

SheetLayout PrintPanel::currentLayout() const {
  return LayoutFor(*selected_(), selectedDetails(), usedEdit->value(), marked_, jobCopies());
}

void PrintPanel::setCopyFields(CopyFields* fields, ObjectTable* objects) {
  fields_ = fields;
  objects_ = objects;
  mergeButton->setEnabled(fields_ != nullptr);
  refreshMerge();
}

int32_t PrintPanel::jobCopies() const {
  return fields_ ? fields_->copiesFor(copiesEdit->value()) : copiesEdit->value();
}

void PrintPanel::chooseMerge() {
  if (!fields_) return;
  MergeDialog dialog(*fields_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  dialog.apply(*fields_);
  refreshMerge();
  emit previewChanged();
}

void PrintPanel::refreshMerge() {
  const MergeTable* merge = fields_ ? fields_->merge() : nullptr;
  copiesEdit->setEnabled(!merge);
  mergeLabel->setVisible(merge != nullptr);
  if (merge)
    mergeLabel->setText(
        QCoreApplication::translate("PrintPanel", "%1: a copy for each of its %2 lines")
            .arg(QString::fromStdString(std::filesystem::path(fields_->mergeFile()).filename()))
            .arg(merge->lines.size()));
}

void PrintPanel::setMarkedPositions(std::vector<int32_t> marked) {
  marked_ = std::move(marked);
  emit previewChanged();
}

void PrintPanel::toggleUsed(int32_t k) {
  if (k < usedEdit->value()) return;
  const auto at = std::find(marked_.begin(), marked_.end(), k);
  if (at == marked_.end())
    marked_.push_back(k);
  else
    marked_.erase(at);
  emit previewChanged();
}

void PrintPanel::continueLastPrint() {
  const PaperFormat* fmt = selected_ ? selected_() : nullptr;
  if (!fmt) return;
  std::string damage;
  const std::optional<NextPosition> next = RecallNextPosition(paperFile_, *fmt, &damage);
  if (!damage.empty()) ShowError(damage);
  if (!next) return;
  marked_ = next->marked;
  markedFormat_ = *fmt;
  usedEdit->setValue(next->used);
  pageEdit->setValue(1);
  emit previewChanged();
}

// Unlike the other image buttons, Go stays pressed while it prints and is released after.
void PrintPanel::printCovers() {
  if (!correctInputs()) {
    CurrentDialogs().messageBox(Translate("PrintPanel", kNoFormat), "", MsgButtons::Ok,
                                MsgIcon::Error);
    return;
  }
  JobChoices choices;
  choices.format = *selected_();
  choices.details = selectedDetails();
  choices.used = usedEdit->value();
  choices.marked = marked_;
  choices.copies = jobCopies();
  if (fields_ && objects_)
    if (const std::string unknown = fields_->check(*objects_); !unknown.empty()) {
      ShowError(unknown);
      return;
    }
  if (!pagesEdit->text().trimmed().isEmpty()) choices.pages = pagesEdit->text().toStdString();
  choices.outlines = outlinesBox->isChecked();
  choices.cropMarks = cropMarksBox->isChecked();
  PrintJobPlan plan(choices);
  if (!plan.pagesError().empty()) {
    ShowError(Translate("PrintPanel", "Pages: ") + plan.pagesError() + ".");
    return;
  }
  std::string pdf;
  if (!target_(pdf)) return;
  PrintRequest& request = plan.request();
  request.calibration = calibrationDialog_->calibrationFor(JobPrinterKey(choice_, pdf));
  PrinterChoice choice = choice_;
  if (request.details.printableDisc && !readyDisc(request, choice, pdf)) return;
  PartPrint job{request, cover_ ? cover_() : CoverJob{}, {}};
  job.cover.objects = objects_;
  job.cover.fields = fields_;
  if (cover_ && parts_.place)
    if (const std::string error = parts_.place(job); !error.empty()) return ShowError(error);
  auto printer = MakeJobPrinter(choice, pdf);
  printer->setJpegPictures(jpegBox->isChecked());
  UseSheetSize(*printer, request.details);
  const PrintResult r =
      cover_ ? PrintParts(*printer, {job}) : PrintSheets(*printer, request, render_);
  if (!r.ok) ShowError(r.error);
  if (const std::string error = plan.finish(r.ok, paperFile_); !error.empty()) ShowError(error);
  if (r.ok) refreshContinue();
  emit previewChanged();
}

void PrintPanel::setParts(PanelParts parts) {
  parts_ = std::move(parts);
  refreshParts();
}

void PrintPanel::refreshParts() {
  allPartsButton->setVisible(parts_.count && parts_.all && parts_.count() > 1);
}

// Whole sheets of every part: the used and marked positions and the pages are the current
// part's alone.
void PrintPanel::printAllParts() {
  if (!parts_.all) return;
  JobChoices shared;
  shared.copies = jobCopies();
  shared.outlines = outlinesBox->isChecked();
  shared.cropMarks = cropMarksBox->isChecked();
  std::vector<PartPrint> jobs;
  std::shared_ptr<void> held;
  if (const std::string error = parts_.all(shared, jobs, held); !error.empty())
    return ShowError(error);
  std::string pdf;
  if (jobs.empty() || !target_(pdf)) return;
  const Calibration calibration = calibrationDialog_->calibrationFor(JobPrinterKey(choice_, pdf));
  for (PartPrint& job : jobs) job.request.calibration = calibration;
  auto printer = MakeJobPrinter(choice_, pdf);
  printer->setJpegPictures(jpegBox->isChecked());
  UseSheetSize(*printer, jobs.front().request.details);
  if (const PrintResult r = PrintParts(*printer, jobs); !r.ok) ShowError(r.error);
}

bool PrintPanel::readyDisc(PrintRequest& request, PrinterChoice& choice, const std::string& pdf) {
  const std::string queue = pdf.empty() ? JobPrinterKey(choice_).queue : std::string();
  DiscPrepared disc = PrepareDiscJob(request, choice, queue, false, calibrationFile_);
  if (!disc.refusal.empty()) {
    const MsgResult answer = CurrentDialogs().messageBox(
        disc.refusal + "\n\n" +
            Translate("PrintPanel", "Print the same page on plain paper as a dry run?"),
        "", MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes) return false;
    disc = PrepareDiscJob(request, choice, queue, true, calibrationFile_);
  }
  if (!disc.notes.empty()) ShowError(disc.notes);
  return true;
}

void PrintPanel::setUpPrinter() {
  setupButton->release();
  emit printerPageChanged(::ChoosePrinter(choice_));
}

void PrintPanel::calibratePrinter() {
  calibrationDialog_->showPrinter(JobPrinterKey(choice_));
  calibrationDialog_->exec();
  calibrationDialog_->saveValues();  // however the dialog was closed
}
