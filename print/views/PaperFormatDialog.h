#pragma once
// The "Edit paper format" dialog; made once and reused, so it keeps the values last shown.
#include <QDialog>

#include "print/PaperFormat.h"

class QDoubleSpinBox;
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

  QLineEdit* nameEdit = nullptr;
  QDoubleSpinBox *leftMarginEdit = nullptr, *topMarginEdit = nullptr, *widthEdit = nullptr,
                 *heightEdit = nullptr;
  QDoubleSpinBox *spaceAcrossEdit = nullptr, *spaceDownEdit = nullptr;
  QSpinBox *columnsEdit = nullptr, *rowsEdit = nullptr;
  QPushButton *okButton = nullptr, *cancelButton = nullptr;
};
