#pragma once
// The Center tab's controls: the paper format catalogue with New, Edit and Delete, the zoom,
// and the cover's size and displacement inside the element.
#include <QWidget>
#include <string>
#include <vector>

#include "print/SheetLayout.h"
#include "print/views/PaperFormatDialog.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

class PaperFormatPanel : public QWidget {
  Q_OBJECT
 public:
  explicit PaperFormatPanel(QWidget* parent = nullptr);

  // Reads the catalogue from `userFile` (a starter catalogue when it does not exist yet),
  // fills the list and selects the first format. Changes are saved to `userFile`.
  void LoadEttTypes(const std::string& userFile, const std::vector<std::string>& starterFiles);
  void UpdateEttTypes();
  void NewBtnClick();
  void EditBtnClick();
  void DelBtnClick();

  const std::vector<TEttType>& EttTypes() const { return EttTypes_; }
  // The selected format, nullptr when none.
  const TEttType* selectedFormat() const;
  int selectedIndex() const;
  CoverSettings coverSettings() const;
  int zoom() const;

  TNewETypForm* editForm() const { return form_; }
  QComboBox* ComboBox1 = nullptr;
  QPushButton *NewBtn = nullptr, *EditBtn = nullptr, *DelBtn = nullptr;
  QSpinBox *ZoomEd3 = nullptr, *BreitEd = nullptr;
  QDoubleSpinBox *LinksEdin = nullptr, *ObenEdin = nullptr;

 signals:
  // The centering view must be drawn again (format, zoom, size or displacement changed).
  void viewChanged();

 private:
  void SaveEttTypes();

  std::vector<TEttType> EttTypes_;
  std::string file_;
  bool keepDamaged_ = false;  // copy the damaged file aside before replacing it
  TNewETypForm* form_ = nullptr;
};

// Where a starter paper.dat is installed, relative to the program.
std::vector<std::string> StarterPaperFiles();
