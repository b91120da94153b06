#pragma once
// The "Edit paper format" dialog; made once and reused, so it keeps the values last shown.
#include <QDialog>

#include "print/PaperFormat.h"

class QDoubleSpinBox;
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

  QLineEdit* NameED = nullptr;
  QDoubleSpinBox *RLED = nullptr, *ROED = nullptr, *BrED = nullptr, *HoED = nullptr;
  QDoubleSpinBox *AHED = nullptr, *AVED = nullptr;
  QSpinBox *AnzHED = nullptr, *AnzVED = nullptr;
  QPushButton *OkBitBtn1 = nullptr, *CancelBtn = nullptr;
};
