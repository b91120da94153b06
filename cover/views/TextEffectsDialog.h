#pragma once
// "Effects": border and shadow of a text object, with the dialog's own two colours.
#include <QDialog>

#include "cover/CoverDialogs.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

class TextEffectsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TextEffectsDialog(QWidget* parent = nullptr);
  void load(const TextEffects& effects);
  TextEffects effects() const;

  QCheckBox* borderCheck;
  QCheckBox* shadowCheck;
  QPushButton* borderColorButton;
  QPushButton* shadowColorButton;
  QSpinBox* shadowDxEdit;
  QSpinBox* shadowDyEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;
  uint32_t BorderColor = 0;
  uint32_t ShadowColor = 0;
};
