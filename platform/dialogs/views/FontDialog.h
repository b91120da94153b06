#pragma once
// The font dialog with effects: scalable families, size, style, underline, strikeout and colour.
#include <QDialog>

#include "platform/dialogs/Dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class FontDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FontDialog(QWidget* parent = nullptr);
  // Presets every control; a family the system lacks is still shown by name.
  void load(const FontSpec& font);
  // The chosen font; the height follows the size at the dialog's pixels per inch.
  FontSpec font() const;
  int dpi() const;

  QComboBox* family;
  QSpinBox* size;
  QCheckBox* bold;
  QCheckBox* italic;
  QCheckBox* underline;
  QCheckBox* strikeOut;
  QPushButton* colorButton;
  QLabel* sample;
  QPushButton* okButton;
  QPushButton* cancelButton;

 public slots:
  // OK: refused with a message while the typed font name is longer than a design can hold.
  void accept() override;

 private:
  void updateSample();
  FontSpec loaded_;
  uint32_t color_ = 0;
};
