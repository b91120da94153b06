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
  left->addWidget(Group(QStringLiteral("Margins in inch"), QStringLiteral("Left:"), RLED,
                        QStringLiteral("Top:"), ROED, this));
  left->addWidget(Group(QStringLiteral("Extents in inch"), QStringLiteral("Width:"), BrED,
                        QStringLiteral("Height:"), HoED, this));
  right->addWidget(Group(QStringLiteral("Space between the elements"),
                         QStringLiteral("Horizontal:"), AHED, QStringLiteral("Vertical:"), AVED, this));
  right->addWidget(Group(QStringLiteral("Number of elements per Sheet"),
                         QStringLiteral("Horizontal:"), AnzHED, QStringLiteral("Vertical:"), AnzVED,
                         this));
  grid->addLayout(left);
  grid->addLayout(right);
  layout->addLayout(grid);

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
  RLED->setValue(v.left);
  ROED->setValue(v.top);
  BrED->setValue(v.width);
  HoED->setValue(v.height);
  AHED->setValue(v.spaceH);
  AVED->setValue(v.spaceV);
  AnzHED->setValue(static_cast<int>(v.countH));
  AnzVED->setValue(static_cast<int>(v.countV));
}

EttDialogValues TNewETypForm::values() const {
  EttDialogValues v;
  v.name = NameED->text().toStdString();
  v.left = RLED->value();
  v.top = ROED->value();
  v.width = BrED->value();
  v.height = HoED->value();
  v.spaceH = AHED->value();
  v.spaceV = AVED->value();
  v.countH = AnzHED->value();
  v.countV = AnzVED->value();
  return v;
}

void TNewETypForm::setName(const QString& name) { NameED->setText(name); }
