#pragma once
// "Merge": chooses a CSV table whose every line prints one copy, shows its columns and first
// lines and the characters the cover cannot hold, and sets where the copies' numbers start.
#include <QDialog>
#include <memory>
#include <string>

#include "cover/merge/CopyFields.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class MergeDialog : public QDialog {
  Q_OBJECT
 public:
  // Starts with the table and first number of `fields`.
  explicit MergeDialog(const CopyFields& fields, QWidget* parent = nullptr);

  // Asks for the table through the dialog interface and reads it; false when cancelled or
  // unreadable (the reason is shown and the table before stays).
  bool chooseTable();
  bool load(const std::string& path);
  // Puts the dialog's choice into `fields`.
  void apply(CopyFields& fields) const;

  QLineEdit* fileEdit;
  QPushButton* chooseButton;
  QPushButton* noMergeButton;
  QTableWidget* preview;
  QLabel* unheldLabel;
  QSpinBox* firstNumberEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;

 private:
  void showTable(std::shared_ptr<const MergeTable> table, const std::string& file);

  std::shared_ptr<const MergeTable> table_;
  std::string file_;
};
