#include "print/templates/views/ProductCatalogueDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Translate.h"
#include "print/views/FormatShapeEditor.h"

namespace {
QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// A length with up to two decimals, as the language writes numbers.
std::string Mm(double v) {
  std::string s = LocaleNumber(v, 2);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.' || s.back() == ',') s.pop_back();
  return s;
}

constexpr ShapeKind kShapes[] = {ShapeKind::Rectangle, ShapeKind::Round, ShapeKind::Ellipse,
                                 ShapeKind::Disc};
}  // namespace

std::string ProductSizesText(const ProductCatalogue& catalogue, const LabelTemplate& t) {
  std::string text = t.product.brand + " " + t.product.part + "\n" + t.product.description + "\n";
  text += FillIn(Translate("ProductCatalogueDialog", "Paper: %1"), {catalogue.paperName(t)});
  if (t.details.sheetWidth > 0)
    text += FillIn(Translate("ProductCatalogueDialog", " (%1 x %2 mm)"),
                   {Mm(t.details.sheetWidth), Mm(t.details.sheetHeight)});
  if (!t.product.unusable.empty())
    return text + FillIn(Translate("ProductCatalogueDialog", "\nCannot be added: %1."),
                         {t.product.unusable});
  const LabelShape& s = t.details.shape;
  text += FillIn(Translate("ProductCatalogueDialog", "\nElement: %1 x %2 mm, %3"),
                 {Mm(t.record.width), Mm(t.record.height), ShapeText(t)});
  if (s.kind == ShapeKind::Rectangle && s.cornerRadius > 0)
    text += FillIn(Translate("ProductCatalogueDialog", ", corners %1 mm"), {Mm(s.cornerRadius)});
  if (s.kind == ShapeKind::Disc) {
    const double outer = DiscDiameter(t.record, s);
    if (outer > std::max(t.record.width, t.record.height) + 1e-6)
      text +=
          FillIn(Translate("ProductCatalogueDialog", ", cut from a disc of %1 mm"), {Mm(outer)});
    if (s.holeDiameter > 0)
      text += FillIn(Translate("ProductCatalogueDialog", ", hole %1 mm"), {Mm(s.holeDiameter)});
  }
  const std::vector<LabelGrid> grids = AllGrids(t.record, t.details);
  text += FillIn(Translate("ProductCatalogueDialog", "\nPer sheet: %1"),
                 {std::to_string(PositionsPerSheet(t.record, t.details))});
  if (grids.size() > 1)
    text += FillIn(Translate("ProductCatalogueDialog", " in %1 groups"),
                   {std::to_string(grids.size())});
  if (!t.product.joins.empty()) {
    std::string parts;
    for (const std::string& part : t.product.joins) parts += (parts.empty() ? "" : ", ") + part;
    text += FillIn(Translate("ProductCatalogueDialog", "\nThe parts of one sheet: %1"), {parts});
  }
  text += FillIn(Translate("ProductCatalogueDialog",
                           "\nFirst element: %1 mm from the left, %2 mm from the top"),
                 {Mm(grids[0].left), Mm(grids[0].top)});
  if (grids[0].across > 1 || grids[0].down > 1)
    text += FillIn(Translate("ProductCatalogueDialog", "\nSteps: %1 mm across, %2 mm down"),
                   {Mm(grids[0].stepH), Mm(grids[0].stepV)});
  if (const std::string note = TrayNote(t); !note.empty())
    text += FillIn(Translate("ProductCatalogueDialog", "\nNote: %1."), {note});
  if (const std::string url = catalogue.vendorUrl(t.product.brand); !url.empty())
    text += "\n" + url;
  return text;
}

ProductCatalogueDialog::ProductCatalogueDialog(const ProductCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
  setWindowTitle(QCoreApplication::translate("ProductCatalogueDialog",
                                             "Catalogue of label and cover products"));
  auto* layout = new QVBoxLayout(this);
  messageLabel = new QLabel(Q(catalogue.message()).trimmed(), this);
  messageLabel->setWordWrap(true);
  messageLabel->setVisible(!catalogue.message().empty());
  layout->addWidget(messageLabel);

  auto* filters = new QHBoxLayout;
  searchEdit = new QLineEdit(this);
  searchEdit->setPlaceholderText(
      QCoreApplication::translate("ProductCatalogueDialog", "Maker, part number or description"));
  searchEdit->setClearButtonEnabled(true);
  categoryBox = new QComboBox(this);
  categoryBox->addItem(QCoreApplication::translate("ProductCatalogueDialog", "Any category"),
                       QString());
  for (const CatalogueCategory& c : catalogue.categories())
    categoryBox->addItem(Q(c.name), Q(c.id));
  paperBox = new QComboBox(this);
  paperBox->addItems({QCoreApplication::translate("ProductCatalogueDialog", "Any paper"),
                      QStringLiteral("A4"),
                      QCoreApplication::translate("ProductCatalogueDialog", "US Letter"),
                      QCoreApplication::translate("ProductCatalogueDialog", "Other")});
  shapeBox = new QComboBox(this);
  shapeBox->addItems({QCoreApplication::translate("ProductCatalogueDialog", "Any shape"),
                      QCoreApplication::translate("ProductCatalogueDialog", "Rectangle"),
                      QCoreApplication::translate("ProductCatalogueDialog", "Round"),
                      QCoreApplication::translate("ProductCatalogueDialog", "Ellipse"),
                      QCoreApplication::translate("ProductCatalogueDialog", "Disc")});
  filters->addWidget(
      new QLabel(QCoreApplication::translate("ProductCatalogueDialog", "Search:"), this));
  filters->addWidget(searchEdit, 1);
  for (QComboBox* box : {categoryBox, paperBox, shapeBox}) filters->addWidget(box);
  layout->addLayout(filters);

  auto* body = new QHBoxLayout;
  productList = new QListWidget(this);
  productList->setUniformItemSizes(true);  // fast filling with a thousand lines
  body->addWidget(productList, 3);
  auto* side = new QVBoxLayout;
  drawing = new SheetDrawing(this);
  sizesLabel = new QLabel(this);
  sizesLabel->setWordWrap(true);
  sizesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  side->addWidget(drawing, 1);
  side->addWidget(sizesLabel);
  body->addLayout(side, 2);
  layout->addLayout(body, 1);

  auto* buttons = new QHBoxLayout;
  addButton = new QPushButton(QCoreApplication::translate("ProductCatalogueDialog", "Add"), this);
  closeButton =
      new QPushButton(QCoreApplication::translate("ProductCatalogueDialog", "Close"), this);
  addButton->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(addButton);
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  resize(820, 520);

  connect(searchEdit, &QLineEdit::textChanged, this, &ProductCatalogueDialog::onFilterChanged);
  for (QComboBox* box : {categoryBox, paperBox, shapeBox})
    connect(box, &QComboBox::currentIndexChanged, this, &ProductCatalogueDialog::onFilterChanged);
  connect(productList, &QListWidget::currentRowChanged, this,
          &ProductCatalogueDialog::onProductChosen);
  connect(productList, &QListWidget::itemDoubleClicked, addButton, &QPushButton::click);
  connect(addButton, &QPushButton::clicked, this, [this] {
    if (const LabelTemplate* t = current(); t && t->product.unusable.empty()) accept();
  });
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  onFilterChanged();
}

void ProductCatalogueDialog::onFilterChanged() {
  CatalogueFilter f;
  f.text = searchEdit->text().toStdString();
  f.category = categoryBox->currentData().toString().toStdString();
  f.paper = static_cast<PaperClass>(std::max(paperBox->currentIndex(), 0));
  if (shapeBox->currentIndex() > 0) f.shape = kShapes[shapeBox->currentIndex() - 1];
  listed_ = catalogue_.search(f);
  const QSignalBlocker block(productList);
  productList->clear();
  for (size_t i : listed_) {
    const LabelTemplate& t = catalogue_.products()[i];
    QString line = Q(t.product.brand + " " + t.product.part + " - " + t.product.description);
    if (!t.product.unusable.empty())
      line += QCoreApplication::translate("ProductCatalogueDialog", " (cannot be printed)");
    auto* item = new QListWidgetItem(line, productList);
    if (!t.product.unusable.empty())
      item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  if (!listed_.empty()) productList->setCurrentRow(0);
  onProductChosen();
}

void ProductCatalogueDialog::onProductChosen() {
  const LabelTemplate* t = current();
  addButton->setEnabled(t && t->product.unusable.empty());
  drawing->setFormat(t ? t->record : PaperFormat{}, t ? t->details : FormatDetails{});
  sizesLabel->setText(
      t ? Q(ProductSizesText(catalogue_, *t))
        : QCoreApplication::translate("ProductCatalogueDialog", "No product matches."));
}

const LabelTemplate* ProductCatalogueDialog::current() const {
  const int row = productList->currentRow();
  if (row < 0 || static_cast<size_t>(row) >= listed_.size()) return nullptr;
  return &catalogue_.products()[listed_[static_cast<size_t>(row)]];
}

const LabelTemplate* ProductCatalogueDialog::chosen() const {
  return result() == QDialog::Accepted ? current() : nullptr;
}
