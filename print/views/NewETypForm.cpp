#include "print/views/NewETypForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/Units.h"
#include "print/SettingsFile.h"
#include "print/views/FormatShapeEditor.h"

namespace {
QDoubleSpinBox* Inches(double max, double value, QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setRange(0, max);
  s->setSingleStep(0.1);
  s->setDecimals(4);
  s->setValue(value);
  return s;
}

QSpinBox* Count(int value, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setRange(kEttCountMin, kEttCountMax);
  s->setValue(value);
  return s;
}

QGroupBox* Group(const QString& title, const QString& l1, QWidget* w1, const QString& l2,
                 QWidget* w2, QWidget* parent) {
  auto* g = new QGroupBox(title, parent);
  auto* form = new QFormLayout(g);
  form->addRow(l1, w1);
  form->addRow(l2, w2);
  return g;
}
}  // namespace

TNewETypForm::TNewETypForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edit paper format"));
  const EttDialogValues d;
  auto* layout = new QVBoxLayout(this);

  auto* nameGroup = new QGroupBox(QStringLiteral("Description of the paper format"), this);
  auto* nameLayout = new QVBoxLayout(nameGroup);
  NameED = new QLineEdit(QString::fromStdString(d.name), nameGroup);
  NameED->setMaxLength(kEttNameMax);
  nameLayout->addWidget(NameED);
  layout->addWidget(nameGroup);

  RLED = Inches(3000, d.left, this);
  ROED = Inches(1000, d.top, this);
  BrED = Inches(3000, d.width, this);
  HoED = Inches(1000, d.height, this);
  AHED = Inches(3000, d.spaceH, this);
  AVED = Inches(1000, d.spaceV, this);
  AnzHED = Count(static_cast<int>(d.countH), this);
  AnzVED = Count(static_cast<int>(d.countV), this);
  auto* grid = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  marginsGroup_ = Group(QStringLiteral("Margins in inch"), QStringLiteral("Left:"), RLED,
                        QStringLiteral("Top:"), ROED, this);
  extentsGroup_ = Group(QStringLiteral("Extents in inch"), QStringLiteral("Width:"), BrED,
                        QStringLiteral("Height:"), HoED, this);
  left->addWidget(marginsGroup_);
  left->addWidget(extentsGroup_);
  right->addWidget(Group(QStringLiteral("Space between the elements"),
                         QStringLiteral("Horizontal:"), AHED, QStringLiteral("Vertical:"), AVED, this));
  right->addWidget(Group(QStringLiteral("Number of elements per Sheet"),
                         QStringLiteral("Horizontal:"), AnzHED, QStringLiteral("Vertical:"), AnzVED,
                         this));
  UnitBox = new QComboBox(this);
  UnitBox->addItems({QStringLiteral("inch"), QStringLiteral("mm")});
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(new QLabel(QStringLiteral("Units:"), this));
  unitRow->addWidget(UnitBox);
  right->addLayout(unitRow);
  right->addStretch(1);
  ShapeEditor = new FormatShapeEditor(this);
  Drawing = new SheetDrawing(this);
  grid->addLayout(left);
  grid->addLayout(right);
  grid->addWidget(Drawing);
  layout->addLayout(grid);
  layout->addWidget(ShapeEditor);
  connect(UnitBox, &QComboBox::currentIndexChanged, this, [this](int i) { setMillimetres(i == 1); });
  connect(ShapeEditor, &FormatShapeEditor::changed, this, &TNewETypForm::UpdateDrawing);
  for (QDoubleSpinBox* s : {RLED, ROED, BrED, HoED, AHED, AVED})
    connect(s, &QDoubleSpinBox::valueChanged, this, &TNewETypForm::UpdateDrawing);
  for (QSpinBox* s : {AnzHED, AnzVED}) connect(s, &QSpinBox::valueChanged, this, &TNewETypForm::UpdateDrawing);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
  OkBitBtn1->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  buttons->addWidget(OkBitBtn1);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);
  connect(OkBitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNewETypForm::setValues(const EttDialogValues& v) {
  NameED->setText(QString::fromStdString(v.name));
  const double u = mm_ ? kMmPerInch : 1;
  RLED->setValue(v.left * u);
  ROED->setValue(v.top * u);
  BrED->setValue(v.width * u);
  HoED->setValue(v.height * u);
  AHED->setValue(v.spaceH * u);
  AVED->setValue(v.spaceV * u);
  AnzHED->setValue(static_cast<int>(v.countH));
  AnzVED->setValue(static_cast<int>(v.countV));
}

EttDialogValues TNewETypForm::values() const {
  EttDialogValues v;
  v.name = NameED->text().toStdString();
  const double u = mm_ ? kMmPerInch : 1;
  v.left = RLED->value() / u;
  v.top = ROED->value() / u;
  v.width = BrED->value() / u;
  v.height = HoED->value() / u;
  v.spaceH = AHED->value() / u;
  v.spaceV = AVED->value() / u;
  v.countH = AnzHED->value();
  v.countV = AnzVED->value();
  return v;
}

void TNewETypForm::setName(const QString& name) { NameED->setText(name); }

void TNewETypForm::setDetails(const FormatDetails& d) {
  ShapeEditor->setDetails(d);
  UpdateDrawing();
}

FormatDetails TNewETypForm::details() const { return ShapeEditor->details(); }

void TNewETypForm::setMillimetres(bool mm) {
  if (mm != mm_) {
    const EttDialogValues v = values();
    mm_ = mm;
    for (QDoubleSpinBox* s : {RLED, ROED, BrED, HoED, AHED, AVED}) {
      s->setMaximum(s->maximum() * (mm ? kMmPerInch : 1 / kMmPerInch));
      s->setSingleStep(mm ? 1 : 0.1);
    }
    setValues(v);
    const QString unit = mm ? QStringLiteral("mm") : QStringLiteral("inch");
    marginsGroup_->setTitle(QStringLiteral("Margins in ") + unit);
    extentsGroup_->setTitle(QStringLiteral("Extents in ") + unit);
    if (!unitsFile_.empty()) {
      const std::string text = mm ? "mm\n" : "inch\n";
      (void)ReplaceFileAtomically(unitsFile_, std::vector<uint8_t>(text.begin(), text.end()));
    }
  }
  const QSignalBlocker block(UnitBox);
  UnitBox->setCurrentIndex(mm ? 1 : 0);
}

void TNewETypForm::setUnitsFile(const std::string& path) {
  unitsFile_.clear();  // reading the choice must not write it back
  const auto bytes = ReadFileLimited(path, 16);
  setMillimetres(bytes && std::string(bytes->begin(), bytes->end()).rfind("mm", 0) == 0);
  unitsFile_ = path;
}

void TNewETypForm::UpdateDrawing() {
  if (Drawing && ShapeEditor) Drawing->setFormat(EttFromDialog(values()), ShapeEditor->details());
}
