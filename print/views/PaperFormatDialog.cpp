#include "print/views/PaperFormatDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/Units.h"
#include "print/settings/UnitsChoice.h"
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
  s->setRange(kPaperCountMin, kPaperCountMax);
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

PaperFormatDialog::PaperFormatDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("PaperFormatDialog", "Edit paper format"));
  const PaperFormatFields d;
  auto* layout = new QVBoxLayout(this);

  auto* nameGroup = new QGroupBox(
      QCoreApplication::translate("PaperFormatDialog", "Description of the paper format"), this);
  auto* nameLayout = new QVBoxLayout(nameGroup);
  nameEdit = new QLineEdit(QString::fromStdString(d.name), nameGroup);
  nameEdit->setMaxLength(kPaperNameMax);
  nameLayout->addWidget(nameEdit);
  layout->addWidget(nameGroup);

  leftMarginEdit = Inches(3000, d.left, this);
  topMarginEdit = Inches(1000, d.top, this);
  widthEdit = Inches(3000, d.width, this);
  heightEdit = Inches(1000, d.height, this);
  spaceAcrossEdit = Inches(3000, d.spaceH, this);
  spaceDownEdit = Inches(1000, d.spaceV, this);
  columnsEdit = Count(static_cast<int>(d.countH), this);
  rowsEdit = Count(static_cast<int>(d.countV), this);
  // Side by side, so that the dialog fits a screen 768 pixels high.
  auto* grid = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  marginsGroup_ =
      Group(QCoreApplication::translate("PaperFormatDialog", "Margins in inch"),
            QCoreApplication::translate("PaperFormatDialog", "Left:"), leftMarginEdit,
            QCoreApplication::translate("PaperFormatDialog", "Top:"), topMarginEdit, this);
  extentsGroup_ =
      Group(QCoreApplication::translate("PaperFormatDialog", "Extents in inch"),
            QCoreApplication::translate("PaperFormatDialog", "Width:"), widthEdit,
            QCoreApplication::translate("PaperFormatDialog", "Height:"), heightEdit, this);
  left->addWidget(marginsGroup_);
  left->addWidget(extentsGroup_);
  left->addWidget(
      Group(QCoreApplication::translate("PaperFormatDialog", "Space between the elements"),
            QCoreApplication::translate("PaperFormatDialog", "Horizontal:"), spaceAcrossEdit,
            QCoreApplication::translate("PaperFormatDialog", "Vertical:"), spaceDownEdit, this));
  left->addWidget(
      Group(QCoreApplication::translate("PaperFormatDialog", "Number of elements per Sheet"),
            QCoreApplication::translate("PaperFormatDialog", "Horizontal:"), columnsEdit,
            QCoreApplication::translate("PaperFormatDialog", "Vertical:"), rowsEdit, this));
  unitBox = new QComboBox(this);
  unitBox->addItems(
      {QCoreApplication::translate("PaperFormatDialog", "inch"), QStringLiteral("mm")});
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(new QLabel(QCoreApplication::translate("PaperFormatDialog", "Units:"), this));
  unitRow->addWidget(unitBox);
  left->addLayout(unitRow);
  left->addStretch(1);
  shapeEditor = new FormatShapeEditor(this);
  drawing = new SheetDrawing(this);
  grid->addLayout(left);
  grid->addWidget(shapeEditor);
  auto* right = new QVBoxLayout;
  right->addWidget(drawing, 0, Qt::AlignTop);
  right->addWidget(shapeEditor->guidesGroup);
  right->addStretch(1);
  grid->addLayout(right);
  layout->addLayout(grid);
  connect(unitBox, &QComboBox::currentIndexChanged, this,
          [this](int i) { setMillimetres(i == 1); });
  connect(shapeEditor, &FormatShapeEditor::changed, this, &PaperFormatDialog::followDiscTray);
  for (QDoubleSpinBox* s :
       {leftMarginEdit, topMarginEdit, widthEdit, heightEdit, spaceAcrossEdit, spaceDownEdit})
    connect(s, &QDoubleSpinBox::valueChanged, this, &PaperFormatDialog::updateDrawing);
  for (QSpinBox* s : {columnsEdit, rowsEdit})
    connect(s, &QSpinBox::valueChanged, this, &PaperFormatDialog::updateDrawing);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  okButton = new QPushButton(QCoreApplication::translate("PaperFormatDialog", "Ok"), this);
  okButton->setDefault(true);
  cancelButton = new QPushButton(QCoreApplication::translate("PaperFormatDialog", "Cancel"), this);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  updateDrawing();
}

void PaperFormatDialog::setValues(const PaperFormatFields& v) {
  nameEdit->setText(QString::fromStdString(v.name));
  const double u = mm_ ? kMmPerInch : 1;
  leftMarginEdit->setValue(v.left * u);
  topMarginEdit->setValue(v.top * u);
  widthEdit->setValue(v.width * u);
  heightEdit->setValue(v.height * u);
  spaceAcrossEdit->setValue(v.spaceH * u);
  spaceDownEdit->setValue(v.spaceV * u);
  columnsEdit->setValue(static_cast<int>(v.countH));
  rowsEdit->setValue(static_cast<int>(v.countV));
}

PaperFormatFields PaperFormatDialog::values() const {
  PaperFormatFields v;
  v.name = nameEdit->text().toStdString();
  const double u = mm_ ? kMmPerInch : 1;
  v.left = leftMarginEdit->value() / u;
  v.top = topMarginEdit->value() / u;
  v.width = widthEdit->value() / u;
  v.height = heightEdit->value() / u;
  v.spaceH = spaceAcrossEdit->value() / u;
  v.spaceV = spaceDownEdit->value() / u;
  v.countH = columnsEdit->value();
  v.countV = rowsEdit->value();
  return v;
}

void PaperFormatDialog::setName(const QString& name) {
  nameEdit->setText(name);
}

void PaperFormatDialog::setDetails(const FormatDetails& d) {
  shapeEditor->setDetails(d);
  followDiscTray();
}

void PaperFormatDialog::followDiscTray() {
  const FormatDetails d = shapeEditor->details();
  marginsGroup_->setEnabled(!d.printableDisc);
  extentsGroup_->setEnabled(!d.printableDisc);
  if (d.printableDisc) {
    PaperFormat t =
        PrintableDiscFormat({}, d.sheetWidth, d.shape.outerDiameter, d.shape.holeDiameter).first;
    t.topMargin = (d.sheetHeight - t.height) / 2;
    PaperFormatFields v = FieldsFromPaperFormat(t);
    v.name = values().name;
    if (v != values()) setValues(v);
  }
  updateDrawing();
}

FormatDetails PaperFormatDialog::details() const {
  return shapeEditor->details();
}

void PaperFormatDialog::setMillimetres(bool mm) {
  if (mm != mm_) {
    const PaperFormatFields v = values();
    mm_ = mm;
    for (QDoubleSpinBox* s :
         {leftMarginEdit, topMarginEdit, widthEdit, heightEdit, spaceAcrossEdit, spaceDownEdit}) {
      s->setMaximum(s->maximum() * (mm ? kMmPerInch : 1 / kMmPerInch));
      s->setSingleStep(mm ? 1 : 0.1);
    }
    setValues(v);
    const QString unit =
        mm ? QStringLiteral("mm") : QCoreApplication::translate("PaperFormatDialog", "inch");
    marginsGroup_->setTitle(QCoreApplication::translate("PaperFormatDialog", "Margins in ") + unit);
    extentsGroup_->setTitle(QCoreApplication::translate("PaperFormatDialog", "Extents in ") + unit);
    if (!unitsFile_.empty()) (void)KeepUnitsChoice(unitsFile_, mm);  // a mere preference
  }
  const QSignalBlocker block(unitBox);
  unitBox->setCurrentIndex(mm ? 1 : 0);
}

std::string PaperFormatDialog::setUnitsFile(const std::string& path) {
  unitsFile_.clear();  // reading the choice must not write it back
  std::string message;
  setMillimetres(ReadUnitsChoice(path, &message));
  unitsFile_ = path;
  return message;
}

void PaperFormatDialog::updateDrawing() {
  if (drawing && shapeEditor)
    drawing->setFormat(PaperFormatFromFields(values()), shapeEditor->details());
}
