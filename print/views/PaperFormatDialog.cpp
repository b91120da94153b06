#include "print/views/PaperFormatDialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

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
  setWindowTitle(QStringLiteral("Edit paper format"));
  const PaperFormatFields d;
  auto* layout = new QVBoxLayout(this);

  auto* nameGroup = new QGroupBox(QStringLiteral("Description of the paper format"), this);
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
  auto* grid = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  left->addWidget(Group(QStringLiteral("Margins in inch"), QStringLiteral("Left:"), leftMarginEdit,
                        QStringLiteral("Top:"), topMarginEdit, this));
  left->addWidget(Group(QStringLiteral("Extents in inch"), QStringLiteral("Width:"), widthEdit,
                        QStringLiteral("Height:"), heightEdit, this));
  right->addWidget(Group(QStringLiteral("Space between the elements"),
                         QStringLiteral("Horizontal:"), spaceAcrossEdit,
                         QStringLiteral("Vertical:"), spaceDownEdit, this));
  right->addWidget(Group(QStringLiteral("Number of elements per Sheet"),
                         QStringLiteral("Horizontal:"), columnsEdit, QStringLiteral("Vertical:"),
                         rowsEdit, this));
  grid->addLayout(left);
  grid->addLayout(right);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  okButton = new QPushButton(QStringLiteral("Ok"), this);
  okButton->setDefault(true);
  cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PaperFormatDialog::setValues(const PaperFormatFields& v) {
  nameEdit->setText(QString::fromStdString(v.name));
  leftMarginEdit->setValue(v.left);
  topMarginEdit->setValue(v.top);
  widthEdit->setValue(v.width);
  heightEdit->setValue(v.height);
  spaceAcrossEdit->setValue(v.spaceH);
  spaceDownEdit->setValue(v.spaceV);
  columnsEdit->setValue(static_cast<int>(v.countH));
  rowsEdit->setValue(static_cast<int>(v.countV));
}

PaperFormatFields PaperFormatDialog::values() const {
  PaperFormatFields v;
  v.name = nameEdit->text().toStdString();
  v.left = leftMarginEdit->value();
  v.top = topMarginEdit->value();
  v.width = widthEdit->value();
  v.height = heightEdit->value();
  v.spaceH = spaceAcrossEdit->value();
  v.spaceV = spaceDownEdit->value();
  v.countH = columnsEdit->value();
  v.countV = rowsEdit->value();
  return v;
}

void PaperFormatDialog::setName(const QString& name) {
  nameEdit->setText(name);
}
