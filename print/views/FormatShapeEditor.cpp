#include "print/views/FormatShapeEditor.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "print/views/ShapePainter.h"

namespace {
struct Sheet {
  const char* name;
  double w, h;
};
constexpr Sheet kSheets[] = {{"Printer's page", 0, 0}, {"A4", 210, 297}, {"US Letter", 215.9, 279.4}, {"Custom", -1, -1}};

QDoubleSpinBox* Mm(double max, QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setRange(0, max);
  s->setDecimals(3);
  s->setSingleStep(0.5);
  s->setSuffix(QStringLiteral(" mm"));
  return s;
}

double Cell(const QTableWidget* t, int row, int col) {
  const QTableWidgetItem* item = t->item(row, col);
  return item ? item->text().toDouble() : 0;
}
}  // namespace

SheetDrawing::SheetDrawing(QWidget* parent) : QWidget(parent) { setMinimumSize(150, 200); }

void SheetDrawing::setFormat(const PaperFormat& fmt, const FormatDetails& d) {
  fmt_ = fmt;
  details_ = d;
  update();
}

void SheetDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const double sw = details_.sheetWidth > 0 ? details_.sheetWidth : 210;
  const double sh = details_.sheetHeight > 0 ? details_.sheetHeight : 297;
  const double scale = std::min((width() - 8) / sw, (height() - 8) / sh);
  p.translate(4, 4);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::darkGray, 0));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0, 0, sw * scale, sh * scale));
  p.setBrush(QColor(150, 190, 230));
  int drawn = 0;
  for (const LabelGrid& g : AllGrids(fmt_, details_))
    for (int row = 0; row < g.down && drawn < 2500; ++row)
      for (int col = 0; col < g.across && drawn < 2500; ++col, ++drawn) {
        const QRectF box((g.left + g.stepH * col) * scale, (g.top + g.stepV * row) * scale,
                         fmt_.width * scale, fmt_.height * scale);
        p.drawPath(ShapePath(fmt_, details_.shape, box));
      }
}

FormatShapeEditor::FormatShapeEditor(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* shape = new QGroupBox(QStringLiteral("Shape of the elements"), this);
  auto* sf = new QFormLayout(shape);
  ShapeBox = new QComboBox(shape);
  ShapeBox->addItems({QStringLiteral("Rectangle"), QStringLiteral("Round"), QStringLiteral("Ellipse"),
                      QStringLiteral("Disc")});
  CornerED = Mm(500, shape);
  OuterED = Mm(1000, shape);
  HoleED = Mm(1000, shape);
  BleedED = Mm(100, shape);
  sf->addRow(QStringLiteral("Shape:"), ShapeBox);
  sf->addRow(QStringLiteral("Corner radius:"), CornerED);
  sf->addRow(QStringLiteral("Disc diameter:"), OuterED);
  sf->addRow(QStringLiteral("Hole diameter:"), HoleED);
  sf->addRow(QStringLiteral("Bleed:"), BleedED);
  layout->addWidget(shape);

  auto* sheet = new QGroupBox(QStringLiteral("Sheet"), this);
  auto* shf = new QFormLayout(sheet);
  SheetBox = new QComboBox(sheet);
  for (const Sheet& s : kSheets) SheetBox->addItem(QString::fromLatin1(s.name));
  SheetWidthED = Mm(2000, sheet);
  SheetHeightED = Mm(2000, sheet);
  shf->addRow(QStringLiteral("Size:"), SheetBox);
  shf->addRow(QStringLiteral("Width:"), SheetWidthED);
  shf->addRow(QStringLiteral("Height:"), SheetHeightED);
  layout->addWidget(sheet);

  auto* grids = new QGroupBox(QStringLiteral("More grids of elements (mm)"), this);
  auto* gl = new QVBoxLayout(grids);
  GridTable = new QTableWidget(0, 6, grids);
  GridTable->setHorizontalHeaderLabels({QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Step across"),
                                        QStringLiteral("Step down"), QStringLiteral("Across"), QStringLiteral("Down")});
  GridTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  GridTable->setMinimumHeight(90);
  gl->addWidget(GridTable);
  auto* gb = new QHBoxLayout;
  AddGridBtn = new QPushButton(QStringLiteral("Add grid"), grids);
  RemoveGridBtn = new QPushButton(QStringLiteral("Remove grid"), grids);
  gb->addWidget(AddGridBtn);
  gb->addWidget(RemoveGridBtn);
  gb->addStretch(1);
  gl->addLayout(gb);
  layout->addWidget(grids);

  connect(ShapeBox, &QComboBox::currentIndexChanged, this, [this] { EnableFields(); emit changed(); });
  connect(SheetBox, &QComboBox::currentIndexChanged, this, &FormatShapeEditor::SheetBoxChange);
  for (QDoubleSpinBox* s : {CornerED, OuterED, HoleED, BleedED, SheetWidthED, SheetHeightED})
    connect(s, &QDoubleSpinBox::valueChanged, this, &FormatShapeEditor::changed);
  connect(GridTable, &QTableWidget::cellChanged, this, &FormatShapeEditor::changed);
  connect(AddGridBtn, &QPushButton::clicked, this, [this] { AddGrid({}); emit changed(); });
  connect(RemoveGridBtn, &QPushButton::clicked, this, [this] {
    const int row = GridTable->currentRow() >= 0 ? GridTable->currentRow() : GridTable->rowCount() - 1;
    if (row >= 0) GridTable->removeRow(row);
    emit changed();
  });
  EnableFields();
  SheetBoxChange();
}

void FormatShapeEditor::EnableFields() {
  const auto kind = static_cast<ShapeKind>(ShapeBox->currentIndex());
  CornerED->setEnabled(kind == ShapeKind::Rectangle);
  OuterED->setEnabled(kind == ShapeKind::Disc);
  HoleED->setEnabled(kind == ShapeKind::Disc);
}

void FormatShapeEditor::SheetBoxChange() {
  const Sheet& s = kSheets[std::max(SheetBox->currentIndex(), 0)];
  const bool custom = s.w < 0;
  SheetWidthED->setEnabled(custom);
  SheetHeightED->setEnabled(custom);
  if (!custom) {
    const QSignalBlocker bw(SheetWidthED), bh(SheetHeightED);
    SheetWidthED->setValue(s.w);
    SheetHeightED->setValue(s.h);
  }
  emit changed();
}

void FormatShapeEditor::AddGrid(const LabelGrid& g) {
  const QSignalBlocker block(GridTable);
  const int row = GridTable->rowCount();
  GridTable->insertRow(row);
  const double values[] = {g.left, g.top, g.stepH, g.stepV, double(g.across), double(g.down)};
  for (int c = 0; c < 6; ++c) GridTable->setItem(row, c, new QTableWidgetItem(QString::number(values[c])));
}

void FormatShapeEditor::setDetails(const FormatDetails& d) {
  const QSignalBlocker block(this);
  ShapeBox->setCurrentIndex(static_cast<int>(d.shape.kind));
  CornerED->setValue(d.shape.cornerRadius);
  OuterED->setValue(d.shape.outerDiameter);
  HoleED->setValue(d.shape.holeDiameter);
  BleedED->setValue(d.bleed);
  int sheet = 3;
  for (int i = 0; i < 3; ++i)
    if (std::abs(kSheets[i].w - d.sheetWidth) < 0.05 && std::abs(kSheets[i].h - d.sheetHeight) < 0.05) sheet = i;
  SheetBox->setCurrentIndex(sheet);
  SheetWidthED->setValue(d.sheetWidth);
  SheetHeightED->setValue(d.sheetHeight);
  GridTable->setRowCount(0);
  for (const LabelGrid& g : d.moreGrids) AddGrid(g);
  EnableFields();
  SheetBoxChange();
}

FormatDetails FormatShapeEditor::details() const {
  FormatDetails d;
  d.shape.kind = static_cast<ShapeKind>(std::max(ShapeBox->currentIndex(), 0));
  if (d.shape.kind == ShapeKind::Rectangle) d.shape.cornerRadius = CornerED->value();
  if (d.shape.kind == ShapeKind::Disc) {
    d.shape.outerDiameter = OuterED->value();
    d.shape.holeDiameter = HoleED->value();
  }
  d.bleed = BleedED->value();
  d.sheetWidth = SheetWidthED->value();
  d.sheetHeight = SheetHeightED->value();
  for (int row = 0; row < GridTable->rowCount() && row + 1 < kMaxGrids; ++row) {
    LabelGrid g{Cell(GridTable, row, 0), Cell(GridTable, row, 1), Cell(GridTable, row, 2),
                Cell(GridTable, row, 3), static_cast<int32_t>(Cell(GridTable, row, 4)),
                static_cast<int32_t>(Cell(GridTable, row, 5))};
    g.across = std::clamp(g.across, kPaperCountMin, kPaperCountMax);
    g.down = std::clamp(g.down, kPaperCountMin, kPaperCountMax);
    d.moreGrids.push_back(g);
  }
  return d;
}
