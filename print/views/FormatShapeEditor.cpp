#include "print/views/FormatShapeEditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
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
constexpr Sheet kSheets[] = {{QT_TRANSLATE_NOOP("FormatShapeEditor", "Printer's page"), 0, 0},
                             {"A4", 210, 297},
                             {QT_TRANSLATE_NOOP("FormatShapeEditor", "US Letter"), 215.9, 279.4},
                             {QT_TRANSLATE_NOOP("FormatShapeEditor", "Custom"), -1, -1}};

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

constexpr int kElementColumn = 6;  // shown, not edited: kept as the item's data

QVariantList ElementData(const GridElement& e) {
  return {e.width,
          e.height,
          int(e.shape.kind),
          e.shape.cornerRadius,
          e.shape.outerDiameter,
          e.shape.holeDiameter};
}

std::optional<GridElement> ElementOf(const QTableWidgetItem* item) {
  const QVariantList v = item ? item->data(Qt::UserRole).toList() : QVariantList();
  if (v.size() != 6) return std::nullopt;
  return GridElement{
      v[0].toDouble(),
      v[1].toDouble(),
      {static_cast<ShapeKind>(v[2].toInt()), v[3].toDouble(), v[4].toDouble(), v[5].toDouble()}};
}
}  // namespace

SheetDrawing::SheetDrawing(QWidget* parent) : QWidget(parent) {
  setMinimumSize(150, 200);
}

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
  p.setClipRect(QRectF(0, 0, sw * scale, sh * scale));  // elements too large fill the sheet
  p.setBrush(QColor(150, 190, 230));
  int drawn = 0;
  for (const LabelGrid& g : AllGrids(fmt_, details_)) {
    const PaperFormat element = WithGrid(fmt_, g);
    for (int row = 0; row < g.down && drawn < 2500; ++row)
      for (int col = 0; col < g.across && drawn < 2500; ++col, ++drawn) {
        const QRectF box((g.left + g.stepH * col) * scale, (g.top + g.stepV * row) * scale,
                         element.width * scale, element.height * scale);
        p.drawPath(ShapePath(element, GridShape(details_, g), box));
        if (!g.element) DrawGuides(p, fmt_, details_, box, Qt::darkBlue, 0, Qt::SolidLine);
      }
  }
}

FormatShapeEditor::FormatShapeEditor(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* shape = new QGroupBox(
      QCoreApplication::translate("FormatShapeEditor", "Shape of the elements"), this);
  auto* sf = new QFormLayout(shape);
  kindBox = new QComboBox(shape);
  kindBox->addItems({QCoreApplication::translate("FormatShapeEditor", "Label sheet"),
                     QCoreApplication::translate("FormatShapeEditor", "Printable disc")});
  shapeBox = new QComboBox(shape);
  shapeBox->addItems({QCoreApplication::translate("FormatShapeEditor", "Rectangle"),
                      QCoreApplication::translate("FormatShapeEditor", "Round"),
                      QCoreApplication::translate("FormatShapeEditor", "Ellipse"),
                      QCoreApplication::translate("FormatShapeEditor", "Disc")});
  cornerEdit = Mm(500, shape);
  outerEdit = Mm(1000, shape);
  holeEdit = Mm(1000, shape);
  bleedEdit = Mm(100, shape);
  bleedYEdit = Mm(100, shape);
  auto* bleedRow = new QHBoxLayout;
  bleedRow->addWidget(bleedEdit);
  bleedRow->addWidget(
      new QLabel(QCoreApplication::translate("FormatShapeEditor", "left and right"), shape));
  bleedRow->addWidget(bleedYEdit);
  bleedRow->addWidget(
      new QLabel(QCoreApplication::translate("FormatShapeEditor", "top and bottom"), shape));
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Kind:"), kindBox);
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Shape:"), shapeBox);
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Corner radius:"), cornerEdit);
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Disc diameter:"), outerEdit);
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Hole diameter:"), holeEdit);
  sf->addRow(QCoreApplication::translate("FormatShapeEditor", "Bleed:"), bleedRow);
  layout->addWidget(shape);

  auto* sheet = new QGroupBox(QCoreApplication::translate("FormatShapeEditor", "Sheet"), this);
  auto* shf = new QFormLayout(sheet);
  sheetBox = new QComboBox(sheet);
  for (const Sheet& s : kSheets)
    sheetBox->addItem(QCoreApplication::translate("FormatShapeEditor", s.name));
  sheetWidthEdit = Mm(2000, sheet);
  sheetHeightEdit = Mm(2000, sheet);
  shf->addRow(QCoreApplication::translate("FormatShapeEditor", "Size:"), sheetBox);
  shf->addRow(QCoreApplication::translate("FormatShapeEditor", "Width:"), sheetWidthEdit);
  shf->addRow(QCoreApplication::translate("FormatShapeEditor", "Height:"), sheetHeightEdit);
  layout->addWidget(sheet);

  auto* grids = new QGroupBox(
      QCoreApplication::translate("FormatShapeEditor", "More grids of elements (mm)"), this);
  auto* gl = new QVBoxLayout(grids);
  gridTable = new QTableWidget(0, 7, grids);
  gridTable->setHorizontalHeaderLabels(
      {QCoreApplication::translate("FormatShapeEditor", "Left"),
       QCoreApplication::translate("FormatShapeEditor", "Top"),
       QCoreApplication::translate("FormatShapeEditor", "Step across"),
       QCoreApplication::translate("FormatShapeEditor", "Step down"),
       QCoreApplication::translate("FormatShapeEditor", "Across"),
       QCoreApplication::translate("FormatShapeEditor", "Down"),
       QCoreApplication::translate("FormatShapeEditor", "Element")});
  gridTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  gridTable->setMinimumHeight(90);
  gl->addWidget(gridTable);
  auto* gb = new QHBoxLayout;
  addGridButton =
      new QPushButton(QCoreApplication::translate("FormatShapeEditor", "Add grid"), grids);
  removeGridButton =
      new QPushButton(QCoreApplication::translate("FormatShapeEditor", "Remove grid"), grids);
  gb->addWidget(addGridButton);
  gb->addWidget(removeGridButton);
  gb->addStretch(1);
  gl->addLayout(gb);
  layout->addWidget(grids);

  auto* guides =
      new QGroupBox(QCoreApplication::translate("FormatShapeEditor", "Guides (mm)"), this);
  auto* gul = new QVBoxLayout(guides);
  guideTable = new QTableWidget(0, 5, guides);
  guideTable->setHorizontalHeaderLabels({QCoreApplication::translate("FormatShapeEditor", "Guide"),
                                         QStringLiteral("X"), QStringLiteral("Y"),
                                         QCoreApplication::translate("FormatShapeEditor", "To X"),
                                         QCoreApplication::translate("FormatShapeEditor", "To Y")});
  guideTable->setToolTip(QCoreApplication::translate(
      "FormatShapeEditor",
      "Lines drawn over the element, never printed but with the outlines: a line from X, Y to "
      "To X, To Y; a margin X wide inside the outline; a circle around X, Y with the radius To X"));
  guideTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  guideTable->setMinimumHeight(90);
  gul->addWidget(guideTable);
  auto* gub = new QHBoxLayout;
  addGuideButton =
      new QPushButton(QCoreApplication::translate("FormatShapeEditor", "Add guide"), guides);
  removeGuideButton =
      new QPushButton(QCoreApplication::translate("FormatShapeEditor", "Remove guide"), guides);
  gub->addWidget(addGuideButton);
  gub->addWidget(removeGuideButton);
  gub->addStretch(1);
  gul->addLayout(gub);
  guidesGroup = guides;

  connect(shapeBox, &QComboBox::currentIndexChanged, this, [this] {
    enableFields();
    emit changed();
  });
  connect(sheetBox, &QComboBox::currentIndexChanged, this, &FormatShapeEditor::onSheetChosen);
  connect(kindBox, &QComboBox::currentIndexChanged, this, &FormatShapeEditor::onKindChosen);
  for (QDoubleSpinBox* s :
       {cornerEdit, outerEdit, holeEdit, bleedEdit, bleedYEdit, sheetWidthEdit, sheetHeightEdit})
    connect(s, &QDoubleSpinBox::valueChanged, this, &FormatShapeEditor::changed);
  connect(gridTable, &QTableWidget::cellChanged, this, &FormatShapeEditor::changed);
  connect(addGridButton, &QPushButton::clicked, this, [this] {
    addGrid({});
    emit changed();
  });
  connect(removeGridButton, &QPushButton::clicked, this, [this] {
    const int row =
        gridTable->currentRow() >= 0 ? gridTable->currentRow() : gridTable->rowCount() - 1;
    if (row >= 0) gridTable->removeRow(row);
    emit changed();
  });
  connect(guideTable, &QTableWidget::cellChanged, this, &FormatShapeEditor::changed);
  connect(addGuideButton, &QPushButton::clicked, this, [this] {
    if (guideTable->rowCount() >= kMaxGuides) return;
    addGuide({});
    emit changed();
  });
  connect(removeGuideButton, &QPushButton::clicked, this, [this] {
    const int row =
        guideTable->currentRow() >= 0 ? guideTable->currentRow() : guideTable->rowCount() - 1;
    if (row >= 0) guideTable->removeRow(row);
    emit changed();
  });
  enableFields();
  onSheetChosen();
}

void FormatShapeEditor::addGuide(const FormatGuide& g) {
  const QSignalBlocker block(guideTable);
  const int row = guideTable->rowCount();
  guideTable->insertRow(row);
  auto* kind = new QComboBox(guideTable);
  kind->addItems({QCoreApplication::translate("FormatShapeEditor", "Line"),
                  QCoreApplication::translate("FormatShapeEditor", "Margin"),
                  QCoreApplication::translate("FormatShapeEditor", "Circle")});
  kind->setCurrentIndex(std::clamp(static_cast<int>(g.kind), 0, 2));
  connect(kind, &QComboBox::currentIndexChanged, this, &FormatShapeEditor::changed);
  guideTable->setCellWidget(row, 0, kind);
  const double values[] = {g.x1, g.y1, g.x2, g.y2};
  for (int c = 0; c < 4; ++c)
    guideTable->setItem(row, c + 1, new QTableWidgetItem(QString::number(values[c])));
}

void FormatShapeEditor::onKindChosen() {
  if (kindBox->currentIndex() == 1) {  // a disc of the usual size on its disc page
    const QSignalBlocker block(this);
    shapeBox->setCurrentIndex(static_cast<int>(ShapeKind::Disc));
    if (outerEdit->value() < kDiscOuterMin || outerEdit->value() > kDiscOuterMax)
      outerEdit->setValue(kDiscOuterDefault);
    if (holeEdit->value() <= 0 || holeEdit->value() > kDiscHubMax)
      holeEdit->setValue(kDiscHubDefault);
    sheetBox->setCurrentIndex(3);
    sheetWidthEdit->setValue(kDiscOuterMax);
    sheetHeightEdit->setValue(kDiscOuterMax);
    bleedEdit->setValue(0);
    bleedYEdit->setValue(0);
    gridTable->setRowCount(0);
  }
  enableFields();
  emit changed();
}

void FormatShapeEditor::enableFields() {
  const bool disc = kindBox->currentIndex() == 1;
  shapeBox->setEnabled(!disc);
  addGridButton->setEnabled(!disc);
  removeGridButton->setEnabled(!disc);
  gridTable->setEnabled(!disc);
  const auto kind = static_cast<ShapeKind>(shapeBox->currentIndex());
  cornerEdit->setEnabled(kind == ShapeKind::Rectangle);
  outerEdit->setEnabled(kind == ShapeKind::Disc);
  holeEdit->setEnabled(kind == ShapeKind::Disc);
}

void FormatShapeEditor::onSheetChosen() {
  const Sheet& s = kSheets[std::max(sheetBox->currentIndex(), 0)];
  const bool custom = s.w < 0;
  sheetWidthEdit->setEnabled(custom);
  sheetHeightEdit->setEnabled(custom);
  if (!custom) {
    const QSignalBlocker bw(sheetWidthEdit), bh(sheetHeightEdit);
    sheetWidthEdit->setValue(s.w);
    sheetHeightEdit->setValue(s.h);
  }
  emit changed();
}

void FormatShapeEditor::addGrid(const LabelGrid& g) {
  const QSignalBlocker block(gridTable);
  const int row = gridTable->rowCount();
  gridTable->insertRow(row);
  const double values[] = {g.left, g.top, g.stepH, g.stepV, double(g.across), double(g.down)};
  for (int c = 0; c < 6; ++c)
    gridTable->setItem(row, c, new QTableWidgetItem(QString::number(values[c])));
  // A grid's own element size and shape come from a template; the dialog shows and keeps them.
  auto* element = new QTableWidgetItem(
      g.element ? QCoreApplication::translate("FormatShapeEditor", "%1 x %2, %3")
                      .arg(g.element->width)
                      .arg(g.element->height)
                      .arg(shapeBox->itemText(static_cast<int>(g.element->shape.kind) & 3))
                : QCoreApplication::translate("FormatShapeEditor", "as the first grid"));
  element->setFlags(element->flags() & ~Qt::ItemIsEditable);
  if (g.element) element->setData(Qt::UserRole, ElementData(*g.element));
  gridTable->setItem(row, kElementColumn, element);
}

void FormatShapeEditor::setDetails(const FormatDetails& d) {
  const QSignalBlocker block(this);
  {
    const QSignalBlocker kind(kindBox);
    kindBox->setCurrentIndex(d.printableDisc ? 1 : 0);
  }
  shapeBox->setCurrentIndex(static_cast<int>(d.shape.kind));
  cornerEdit->setValue(d.shape.cornerRadius);
  outerEdit->setValue(d.shape.outerDiameter);
  holeEdit->setValue(d.shape.holeDiameter);
  bleedEdit->setValue(d.bleedX);
  bleedYEdit->setValue(d.bleedY);
  int sheet = 3;
  for (int i = 0; i < 3; ++i)
    if (std::abs(kSheets[i].w - d.sheetWidth) < 0.05 &&
        std::abs(kSheets[i].h - d.sheetHeight) < 0.05)
      sheet = i;
  sheetBox->setCurrentIndex(sheet);
  sheetWidthEdit->setValue(d.sheetWidth);
  sheetHeightEdit->setValue(d.sheetHeight);
  gridTable->setRowCount(0);
  for (const LabelGrid& g : d.moreGrids) addGrid(g);
  guideTable->setRowCount(0);
  for (const FormatGuide& g : d.guides) addGuide(g);
  enableFields();
  onSheetChosen();
}

FormatDetails FormatShapeEditor::details() const {
  FormatDetails d;
  d.printableDisc = kindBox->currentIndex() == 1;
  d.shape.kind = static_cast<ShapeKind>(std::max(shapeBox->currentIndex(), 0));
  if (d.shape.kind == ShapeKind::Rectangle) d.shape.cornerRadius = cornerEdit->value();
  if (d.shape.kind == ShapeKind::Disc) {
    d.shape.outerDiameter = outerEdit->value();
    d.shape.holeDiameter = holeEdit->value();
  }
  d.bleedX = bleedEdit->value();
  d.bleedY = bleedYEdit->value();
  d.sheetWidth = sheetWidthEdit->value();
  d.sheetHeight = sheetHeightEdit->value();
  for (int row = 0; row < gridTable->rowCount() && row + 1 < kMaxGrids; ++row) {
    LabelGrid g{Cell(gridTable, row, 0),
                Cell(gridTable, row, 1),
                Cell(gridTable, row, 2),
                Cell(gridTable, row, 3),
                static_cast<int32_t>(Cell(gridTable, row, 4)),
                static_cast<int32_t>(Cell(gridTable, row, 5)),
                ElementOf(gridTable->item(row, kElementColumn))};
    g.across = std::clamp(g.across, kPaperCountMin, kPaperCountMax);
    g.down = std::clamp(g.down, kPaperCountMin, kPaperCountMax);
    d.moreGrids.push_back(g);
  }
  for (int row = 0; row < guideTable->rowCount() && row < kMaxGuides; ++row) {
    const auto* kind = qobject_cast<const QComboBox*>(guideTable->cellWidget(row, 0));
    d.guides.push_back({static_cast<GuideKind>(kind ? std::max(kind->currentIndex(), 0) : 0),
                        Cell(guideTable, row, 1), Cell(guideTable, row, 2),
                        Cell(guideTable, row, 3), Cell(guideTable, row, 4)});
  }
  return d;
}
