#pragma once
// The Center tab's controls: the paper format catalogue with New, Edit and Delete, the zoom,
// and the cover's size and displacement inside the element.
#include <QWidget>
#include <string>
#include <vector>

#include "print/SheetLayout.h"
#include "print/settings/PaperFormatList.h"
#include "print/views/PaperFormatDialog.h"

class ProductCatalogue;
class ProductCatalogueDialog;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

class PaperFormatPanel : public QWidget {
  Q_OBJECT
 public:
  explicit PaperFormatPanel(QWidget* parent = nullptr);

  // Reads the catalogue from `userFile` (a starter catalogue when it does not exist yet),
  // fills the list and selects the first format. Changes are saved to `userFile`, unless it
  // exists but cannot be read: then they stay in memory.
  void loadPaperFormats(const std::string& userFile, const std::vector<std::string>& starterFiles);
  void updateFormatList();
  void newFormat();
  void editFormat();
  void deleteFormat();
  // Adds the formats of a label template file; writes the selected format to one.
  void importFormats();
  void exportFormat();
  // Opens the catalogue of products; "Add" appends the chosen one and selects it.
  void openCatalogue();
  // Appends a format, saves the list and selects the new format.
  void addFormat(const PaperFormat& record, const FormatDetails& details);
  // The catalogue "Catalogue..." opens: the shared one, read on first use, unless one is set.
  void setProductCatalogue(const ProductCatalogue* catalogue) { catalogue_ = catalogue; }
  ProductCatalogueDialog* catalogueDialog() const { return catalogueDialog_; }

  const std::vector<PaperFormat>& formats() const { return list_.formats(); }
  const PaperFormatList& list() const { return list_; }
  // The selected format, nullptr when none.
  const PaperFormat* selectedFormat() const;
  // The selected format's shape, grids, sheet and bleed (plain without a selection).
  FormatDetails selectedDetails() const;
  const std::vector<FormatDetails>& details() const { return list_.details(); }
  int selectedIndex() const;
  CoverSettings coverSettings() const;
  // Selects the format with this record; when the list lacks it, it is added with `details`,
  // and written to paper.dat only with the next change the user makes to the list.
  void selectFormat(const PaperFormat& record, const FormatDetails& details);
  void setCoverSettings(const CoverSettings& settings);
  int zoom() const;

  PaperFormatDialog* formatDialog() const { return form_; }
  QComboBox* formatBox = nullptr;
  QPushButton *newButton = nullptr, *editButton = nullptr, *deleteButton = nullptr;
  QPushButton *importButton = nullptr, *exportButton = nullptr, *catalogueButton = nullptr;
  QSpinBox *zoomEdit = nullptr, *sizeEdit = nullptr;
  QDoubleSpinBox *leftEdit = nullptr, *topEdit = nullptr;

 signals:
  // The centering view must be drawn again (format, zoom, size or displacement changed).
  void viewChanged();

 private:
  // Saves the list and shows what went wrong.
  void savePaperFormats();
  // The dialog's details when they make a format with `record`; else the reason is shown.
  bool detailsFromForm(const PaperFormat& record, FormatDetails& out);

  PaperFormatList list_;
  PaperFormatDialog* form_ = nullptr;
  const ProductCatalogue* catalogue_ = nullptr;
  ProductCatalogueDialog* catalogueDialog_ = nullptr;
};
