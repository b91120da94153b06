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

class TNewETypForm : public QDialog {
  Q_OBJECT
 public:
  explicit TNewETypForm(QWidget* parent = nullptr);

  void setValues(const EttDialogValues& v);
  EttDialogValues values() const;
  void setName(const QString& name);
  // The shape, bleed, sheet and more grids.
  void setDetails(const FormatDetails& d);
  FormatDetails details() const;
  // Margins, extents and spaces in millimetres instead of inches; the choice is kept in
  // `unitsFile` once one is set.
  void setMillimetres(bool mm);
  bool millimetres() const { return mm_; }
  void setUnitsFile(const std::string& path);

  QLineEdit* NameED = nullptr;
  QDoubleSpinBox *RLED = nullptr, *ROED = nullptr, *BrED = nullptr, *HoED = nullptr;
  QDoubleSpinBox *AHED = nullptr, *AVED = nullptr;
  QSpinBox *AnzHED = nullptr, *AnzVED = nullptr;
  QPushButton *OkBitBtn1 = nullptr, *CancelBtn = nullptr;
  QComboBox* UnitBox = nullptr;
  FormatShapeEditor* ShapeEditor = nullptr;
  SheetDrawing* Drawing = nullptr;

 private:
  void UpdateDrawing();
  bool mm_ = false;
  std::string unitsFile_;
  QGroupBox *marginsGroup_ = nullptr, *extentsGroup_ = nullptr;
};
