#pragma once
// The "Edit paper format" dialog; made once and reused, so it keeps the values last shown.
#include <QDialog>

#include "print/FormatDetails.h"

class FormatShapeEditor;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class SheetDrawing;
class QLineEdit;
class QPushButton;
class QSpinBox;

class PaperFormatDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PaperFormatDialog(QWidget* parent = nullptr);

  void setValues(const PaperFormatFields& v);
  PaperFormatFields values() const;
  void setName(const QString& name);
  // The shape, bleed, sheet and more grids.
  void setDetails(const FormatDetails& d);
  FormatDetails details() const;
  // Margins, extents and spaces in millimetres instead of inches; the choice is kept in
  // `unitsFile` once one is set.
  void setMillimetres(bool mm);
  bool millimetres() const { return mm_; }
  // What the user must hear of a damaged or unreadable file, else empty.
  std::string setUnitsFile(const std::string& path);

  QLineEdit* nameEdit = nullptr;
  QDoubleSpinBox *leftMarginEdit = nullptr, *topMarginEdit = nullptr, *widthEdit = nullptr,
                 *heightEdit = nullptr;
  QDoubleSpinBox *spaceAcrossEdit = nullptr, *spaceDownEdit = nullptr;
  QSpinBox *columnsEdit = nullptr, *rowsEdit = nullptr;
  QPushButton *okButton = nullptr, *cancelButton = nullptr;
  QComboBox* unitBox = nullptr;
  FormatShapeEditor* shapeEditor = nullptr;
  SheetDrawing* drawing = nullptr;

 private:
  void updateDrawing();
  // A printable disc's record follows its details: one disc centred on the disc page.
  void followDiscTray();
  bool mm_ = false;
  std::string unitsFile_;
  QGroupBox *marginsGroup_ = nullptr, *extentsGroup_ = nullptr;
};
