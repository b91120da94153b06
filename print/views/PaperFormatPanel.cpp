#include "print/views/PaperFormatPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/StarterPaper.h"
#include "print/templates/LabelTemplate.h"
#include "print/templates/ProductCatalogue.h"
#include "print/templates/views/ProductCatalogueDialog.h"

namespace {
QSpinBox* Percent(QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setRange(kMinCoverSizePercent, kMaxCoverSizePercent);
  s->setSingleStep(10);
  s->setValue(100);
  s->setSuffix(QStringLiteral(" %"));
  return s;
}

QDoubleSpinBox* Inch(QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setRange(-kMaxCoverShiftInch, kMaxCoverShiftInch);
  s->setSingleStep(0.1);
  s->setDecimals(2);
  s->setValue(0);
  s->setSuffix(QStringLiteral(" inch"));
  return s;
}
}  // namespace

PaperFormatPanel::PaperFormatPanel(QWidget* parent) : QWidget(parent) {
  form_ = new PaperFormatDialog(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* group =
      new QGroupBox(QCoreApplication::translate("PaperFormatPanel", "Paper format"), this);
  auto* g = new QVBoxLayout(group);
  g->addWidget(new QLabel(QCoreApplication::translate("PaperFormatPanel", "Selection:"), group));
  formatBox = new QComboBox(group);
  formatBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  formatBox->setMinimumContentsLength(8);
  g->addWidget(formatBox);
  auto* buttons = new QHBoxLayout;
  newButton = new QPushButton(QCoreApplication::translate("PaperFormatPanel", "New"), group);
  editButton = new QPushButton(QCoreApplication::translate("PaperFormatPanel", "Edit"), group);
  deleteButton = new QPushButton(QCoreApplication::translate("PaperFormatPanel", "Delete"), group);
  buttons->setSpacing(2);
  for (QPushButton* b : {newButton, editButton, deleteButton}) {
    b->setMinimumWidth(0);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // share the narrow panel
    buttons->addWidget(b);
  }
  g->addLayout(buttons);
  auto* files = new QHBoxLayout;
  importButton =
      new QPushButton(QCoreApplication::translate("PaperFormatPanel", "Import..."), group);
  exportButton =
      new QPushButton(QCoreApplication::translate("PaperFormatPanel", "Export..."), group);
  files->setSpacing(2);
  for (QPushButton* b : {importButton, exportButton}) {
    b->setMinimumWidth(0);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    files->addWidget(b);
  }
  g->addLayout(files);
  catalogueButton =
      new QPushButton(QCoreApplication::translate("PaperFormatPanel", "Catalogue..."), group);
  catalogueButton->setMinimumWidth(0);
  catalogueButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  g->addWidget(catalogueButton);
  layout->addWidget(group);

  zoomEdit = Percent(this);
  sizeEdit = Percent(this);
  leftEdit = Inch(this);
  topEdit = Inch(this);
  const std::pair<const char*, QWidget*> rows[] = {
      {QT_TRANSLATE_NOOP("PaperFormatPanel", "Zoom:"), zoomEdit},
      {QT_TRANSLATE_NOOP("PaperFormatPanel", "Size:"), sizeEdit},
      {QT_TRANSLATE_NOOP("PaperFormatPanel", "Displacement left/right:"), leftEdit},
      {QT_TRANSLATE_NOOP("PaperFormatPanel", "Displacement top/bottom:"), topEdit}};
  for (const auto& [label, control] : rows) {
    layout->addWidget(new QLabel(QCoreApplication::translate("PaperFormatPanel", label), this));
    layout->addWidget(control);
  }

  connect(newButton, &QPushButton::clicked, this, &PaperFormatPanel::newFormat);
  connect(editButton, &QPushButton::clicked, this, &PaperFormatPanel::editFormat);
  connect(deleteButton, &QPushButton::clicked, this, &PaperFormatPanel::deleteFormat);
  connect(importButton, &QPushButton::clicked, this, &PaperFormatPanel::importFormats);
  connect(exportButton, &QPushButton::clicked, this, &PaperFormatPanel::exportFormat);
  connect(catalogueButton, &QPushButton::clicked, this, &PaperFormatPanel::openCatalogue);
  connect(formatBox, &QComboBox::currentIndexChanged, this, &PaperFormatPanel::viewChanged);
  for (QSpinBox* s : {zoomEdit, sizeEdit})
    connect(s, &QSpinBox::valueChanged, this, &PaperFormatPanel::viewChanged);
  for (QDoubleSpinBox* s : {leftEdit, topEdit})
    connect(s, &QDoubleSpinBox::valueChanged, this, &PaperFormatPanel::viewChanged);
}

void PaperFormatPanel::loadPaperFormats(const std::string& userFile,
                                        const std::vector<std::string>& starterFiles) {
  std::string message = list_.load(userFile, starterFiles);
  const std::string units = form_->setUnitsFile(list_.unitsFile());
  if (!units.empty()) message += (message.empty() ? "" : "\n") + units;
  updateFormatList();
  if (!message.empty()) ShowError(message);
}

void PaperFormatPanel::updateFormatList() {
  {
    const QSignalBlocker block(formatBox);
    formatBox->clear();
    for (const PaperFormat& t : list_.formats()) {
      const QString name = QString::fromStdString(AnsiToUtf8(t.name));
      formatBox->addItem(name);
      formatBox->setItemData(formatBox->count() - 1, name, Qt::ToolTipRole);
    }
    if (formatBox->currentIndex() < 0 && formatBox->count() > 0) formatBox->setCurrentIndex(0);
    // The narrow box opens a list wide enough for every product name in whole.
    QAbstractItemView* list = formatBox->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) +
                          list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
  }
  emit viewChanged();
}

const PaperFormat* PaperFormatPanel::selectedFormat() const {
  const int i = selectedIndex();
  return i >= 0 ? &list_.formats()[static_cast<size_t>(i)] : nullptr;
}

FormatDetails PaperFormatPanel::selectedDetails() const {
  const int i = selectedIndex();
  return i >= 0 ? list_.detailsAt(static_cast<size_t>(i)) : FormatDetails{};
}

int PaperFormatPanel::selectedIndex() const {
  const int i = formatBox->currentIndex();
  return i >= 0 && static_cast<size_t>(i) < list_.formats().size() ? i : -1;
}

CoverSettings PaperFormatPanel::coverSettings() const {
  return {static_cast<double>(sizeEdit->value()), leftEdit->value(), topEdit->value()};
}

void PaperFormatPanel::selectFormat(const PaperFormat& record, const FormatDetails& details) {
  const std::vector<PaperFormat>& formats = list_.formats();
  const auto listed = std::find(formats.begin(), formats.end(), record);
  if (listed != formats.end()) {
    formatBox->setCurrentIndex(int(listed - formats.begin()));
    return;
  }
  list_.add(record, details);  // a part's own format; showing it changes no file
  updateFormatList();
  formatBox->setCurrentIndex(static_cast<int>(list_.formats().size()) - 1);
}

void PaperFormatPanel::setCoverSettings(const CoverSettings& settings) {
  sizeEdit->setValue(int(std::lround(settings.sizePercent)));
  leftEdit->setValue(settings.leftInch);
  topEdit->setValue(settings.topInch);
}

int PaperFormatPanel::zoom() const {
  return zoomEdit->value();
}

void PaperFormatPanel::savePaperFormats() {
  const PaperListSave saved = list_.save();
  if (saved.message.empty()) return;
  if (saved.outcome == PaperListSave::Unreadable)
    ShowError(saved.message +
              Translate("PaperFormatPanel", "\nThe changes are kept until the program ends."));
  else if (saved.outcome == PaperListSave::NotWritten)
    ShowError(saved.message +
              Translate("PaperFormatPanel", "\nThe change is kept until the program ends."));
  else
    ShowError(saved.message);
}

void PaperFormatPanel::newFormat() {
  form_->setName(
      QCoreApplication::translate("PaperFormatPanel", "No name%1").arg(list_.formats().size()));
  if (form_->exec() != QDialog::Accepted) return;
  const PaperFormat record = PaperFormatFromFields(form_->values());
  FormatDetails details;
  if (!detailsFromForm(record, details)) return;
  addFormat(record, details);
}

void PaperFormatPanel::editFormat() {
  const int i = selectedIndex();
  if (i < 0) return;
  const auto at = static_cast<size_t>(i);
  form_->setValues(FieldsFromPaperFormat(list_.formats()[at]));
  form_->setDetails(selectedDetails());
  const PaperFormatFields shown = form_->values();  // as the spin boxes round them
  if (form_->exec() != QDialog::Accepted) return;
  const PaperFormat record = EditedPaperFormat(list_.formats()[at], shown, form_->values());
  FormatDetails details;
  if (!detailsFromForm(record, details)) return;
  list_.replace(at, record, details);
  updateFormatList();
  savePaperFormats();
  formatBox->setCurrentIndex(i);
}

void PaperFormatPanel::deleteFormat() {
  const int i = selectedIndex();
  if (i < 0) return;
  if (CurrentDialogs().messageBox(
          Translate("PaperFormatPanel", "Do you want to remove this paper format?"),
          Translate("PaperFormatPanel", "Hint"), MsgButtons::OkCancel,
          MsgIcon::Error) != MsgResult::Ok)
    return;
  list_.remove(static_cast<size_t>(i));
  updateFormatList();
  savePaperFormats();
}

bool PaperFormatPanel::detailsFromForm(const PaperFormat& record, FormatDetails& out) {
  out = form_->details();
  const std::string why = CheckDetails(record, out);
  if (!why.empty())
    ShowError(Translate("PaperFormatPanel", "The paper format cannot be used: ") + why + ".");
  return why.empty();
}

void PaperFormatPanel::importFormats() {
  FileRequest request;
  request.title = Translate("PaperFormatPanel", "Import paper formats");
  request.filter = Translate("PaperFormatPanel",
                             "Label templates (*.xml;*.template)|*.xml;*.template|All files (*)|*");
  const auto answer = CurrentDialogs().openFile(request);
  if (!answer) return;
  const int first = static_cast<int>(list_.formats().size());
  if (const std::string error = list_.importFile(answer->path); !error.empty()) {
    ShowError(error);
    return;
  }
  updateFormatList();
  savePaperFormats();
  formatBox->setCurrentIndex(first);
}

void PaperFormatPanel::exportFormat() {
  const int i = selectedIndex();
  if (i < 0) return;
  FileRequest request;
  request.title = Translate("PaperFormatPanel", "Export the paper format");
  request.filter = Translate("PaperFormatPanel", "Label templates (*.xml)|*.xml");
  request.defaultExt = "xml";
  request.overwritePrompt = true;
  const auto answer = CurrentDialogs().saveFile(request);
  if (!answer) return;
  const std::string error = list_.exportFormat(static_cast<size_t>(i), answer->path);
  if (!error.empty()) ShowError(error);
}

void PaperFormatPanel::openCatalogue() {
  if (!catalogueDialog_) {
    if (!catalogue_) catalogue_ = &SharedCatalogue();  // read now, on first use
    catalogueDialog_ = new ProductCatalogueDialog(*catalogue_, this);
  }
  if (catalogueDialog_->exec() != QDialog::Accepted || !catalogueDialog_->chosen()) return;
  const LabelTemplate added = ProductAsFormat(*catalogueDialog_->chosen());
  addFormat(added.record, added.details);
}

void PaperFormatPanel::addFormat(const PaperFormat& record, const FormatDetails& details) {
  list_.add(record, details);
  updateFormatList();
  savePaperFormats();
  formatBox->setCurrentIndex(static_cast<int>(list_.formats().size()) - 1);
}
