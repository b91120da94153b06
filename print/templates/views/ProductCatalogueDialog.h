#pragma once
// The catalogue of label and cover products: search as you type, filters for category, paper
// and shape, a drawing of the chosen sheet with its sizes, and "Add" to copy it into the list.
#include <QDialog>
#include <vector>

#include "print/templates/ProductCatalogue.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SheetDrawing;

class ProductCatalogueDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProductCatalogueDialog(const ProductCatalogue& catalogue, QWidget* parent = nullptr);
  // The product chosen when the dialog closed with "Add"; nullptr otherwise.
  const LabelTemplate* chosen() const;
  // The products listed now, as indexes into the catalogue.
  const std::vector<size_t>& listed() const { return listed_; }

  QLineEdit* searchEdit = nullptr;
  QComboBox *categoryBox = nullptr, *paperBox = nullptr, *shapeBox = nullptr;
  QListWidget* productList = nullptr;
  SheetDrawing* drawing = nullptr;
  QLabel *sizesLabel = nullptr, *messageLabel = nullptr;
  QPushButton *addButton = nullptr, *closeButton = nullptr;

 private:
  void onFilterChanged();
  void onProductChosen();
  const LabelTemplate* current() const;

  const ProductCatalogue& catalogue_;
  std::vector<size_t> listed_;
};

// The sizes of a product as the dialog shows them beside its drawing, in mm.
std::string ProductSizesText(const ProductCatalogue& catalogue, const LabelTemplate& t);
