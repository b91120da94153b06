#pragma once
// "Effects": border and shadow of a text object, with the dialog's own two colours.
#include <QDialog>

#include "cover/CoverDialogs.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

class TEffektForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEffektForm(QWidget* parent = nullptr);
  void load(const TextEffects& effects);
  TextEffects effects() const;

  QCheckBox* UmrCheck;
  QCheckBox* SchattCheck;
  QPushButton* borderColorButton;
  QPushButton* shadowColorButton;
  QSpinBox* SchattED1;
  QSpinBox* SchattEd2;
  QPushButton* okButton;
  QPushButton* cancelButton;
  uint32_t BorderColor = 0;
  uint32_t ShadowColor = 0;
};
