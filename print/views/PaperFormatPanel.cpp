#include "print/views/PaperFormatPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/AnsiText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/SettingsDir.h"
#include "print/StarterPaper.h"

namespace {
QSpinBox* Percent(QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setRange(10, 500);
  s->setSingleStep(10);
  s->setValue(100);
  s->setSuffix(QStringLiteral(" %"));
  return s;
}

QDoubleSpinBox* Inch(QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setRange(-1000, 1000);
  s->setSingleStep(0.1);
  s->setDecimals(2);
  s->setValue(0);
  s->setSuffix(QStringLiteral(" inch"));
  return s;
}
}  // namespace

std::vector<std::string> StarterPaperFiles() {
  const auto dir = ProgramDir();
  return {(dir.parent_path() / "share" / "quendrix" / "paper.dat").string(),
          "/usr/share/quendrix/paper.dat"};
}

PaperFormatPanel::PaperFormatPanel(QWidget* parent) : QWidget(parent) {
  form_ = new TNewETypForm(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* group = new QGroupBox(QStringLiteral("Paper format"), this);
  auto* g = new QVBoxLayout(group);
  g->addWidget(new QLabel(QStringLiteral("Selection:"), group));
  ComboBox1 = new QComboBox(group);
  ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboBox1->setMinimumContentsLength(8);
  g->addWidget(ComboBox1);
  auto* buttons = new QHBoxLayout;
  NewBtn = new QPushButton(QStringLiteral("New"), group);
  EditBtn = new QPushButton(QStringLiteral("Edit"), group);
  DelBtn = new QPushButton(QStringLiteral("Delete"), group);
  buttons->setSpacing(2);
  for (QPushButton* b : {NewBtn, EditBtn, DelBtn}) {
    b->setMinimumWidth(0);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // share the narrow panel
    buttons->addWidget(b);
  }
  g->addLayout(buttons);
  layout->addWidget(group);

  ZoomEd3 = Percent(this);
  BreitEd = Percent(this);
  LinksEdin = Inch(this);
  ObenEdin = Inch(this);
  const std::pair<const char*, QWidget*> rows[] = {
      {"Zoom:", ZoomEd3}, {"Size:", BreitEd},
      {"Displacement left/right:", LinksEdin}, {"Displacement top/bottom:", ObenEdin}};
  for (const auto& [label, control] : rows) {
    layout->addWidget(new QLabel(QString::fromLatin1(label), this));
    layout->addWidget(control);
  }

  connect(NewBtn, &QPushButton::clicked, this, &PaperFormatPanel::NewBtnClick);
  connect(EditBtn, &QPushButton::clicked, this, &PaperFormatPanel::EditBtnClick);
  connect(DelBtn, &QPushButton::clicked, this, &PaperFormatPanel::DelBtnClick);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &PaperFormatPanel::viewChanged);
  for (QSpinBox* s : {ZoomEd3, BreitEd})
    connect(s, &QSpinBox::valueChanged, this, &PaperFormatPanel::viewChanged);
  for (QDoubleSpinBox* s : {LinksEdin, ObenEdin})
    connect(s, &QDoubleSpinBox::valueChanged, this, &PaperFormatPanel::viewChanged);
}

void PaperFormatPanel::LoadEttTypes(const std::string& userFile,
                                    const std::vector<std::string>& starterFiles) {
  file_ = userFile;
  EttLoadResult r = LoadCatalogueAtStart(userFile, starterFiles);
  EttTypes_ = std::move(r.formats);
  UpdateEttTypes();
  keepDamaged_ = r.status == EttLoadResult::Damaged;
  if (keepDamaged_)
    ShowError(r.message + "\nThe file is kept as " + file_ + ".damaged when the list is saved.");
}

void PaperFormatPanel::UpdateEttTypes() {
  {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const TEttType& t : EttTypes_) ComboBox1->addItem(QString::fromStdString(AnsiToUtf8(t.Name)));
    if (ComboBox1->currentIndex() < 0 && ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
  }
  emit viewChanged();
}

const TEttType* PaperFormatPanel::selectedFormat() const {
  const int i = selectedIndex();
  return i >= 0 ? &EttTypes_[static_cast<size_t>(i)] : nullptr;
}

int PaperFormatPanel::selectedIndex() const {
  const int i = ComboBox1->currentIndex();
  return i >= 0 && static_cast<size_t>(i) < EttTypes_.size() ? i : -1;
}

CoverSettings PaperFormatPanel::coverSettings() const {
  return {static_cast<double>(BreitEd->value()), LinksEdin->value(), ObenEdin->value()};
}

int PaperFormatPanel::zoom() const { return ZoomEd3->value(); }

void PaperFormatPanel::SaveEttTypes() {
  if (file_.empty()) return;
  if (keepDamaged_ && std::filesystem::exists(file_)) {
    std::error_code ec;
    std::filesystem::copy_file(file_, file_ + ".damaged",
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
      ShowError("The damaged file " + file_ + " cannot be kept aside; the list is not saved.");
      return;
    }
  }
  keepDamaged_ = false;
  const std::string error = ::SaveEttTypes(file_, EttTypes_);
  if (!error.empty()) ShowError(error + "\nThe change is kept until the program ends.");
}

void PaperFormatPanel::NewBtnClick() {
  form_->setName(QStringLiteral("No name%1").arg(EttTypes_.size()));
  if (form_->exec() != QDialog::Accepted) return;
  EttTypes_.push_back(EttFromDialog(form_->values()));
  UpdateEttTypes();
  SaveEttTypes();
  ComboBox1->setCurrentIndex(static_cast<int>(EttTypes_.size()) - 1);
}

void PaperFormatPanel::EditBtnClick() {
  const int i = selectedIndex();
  if (i < 0) return;
  form_->setValues(EttToDialog(EttTypes_[static_cast<size_t>(i)]));
  if (form_->exec() != QDialog::Accepted) return;
  EttTypes_[static_cast<size_t>(i)] = EttFromDialog(form_->values());
  UpdateEttTypes();
  SaveEttTypes();
  ComboBox1->setCurrentIndex(i);
}

void PaperFormatPanel::DelBtnClick() {
  const int i = selectedIndex();
  if (i < 0) return;
  if (CurrentDialogs().messageBox("Do you want to remove this paper format?", "Hint",
                                  MsgButtons::OkCancel, MsgIcon::Error) != MsgResult::Ok)
    return;
  EttTypes_.erase(EttTypes_.begin() + i);
  UpdateEttTypes();
  SaveEttTypes();
}
