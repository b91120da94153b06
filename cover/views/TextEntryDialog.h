#pragma once
// "Enter texts...": the line editor for the text of a text object.
#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

class TextEntryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TextEntryDialog(QWidget* parent = nullptr);
  // Fills the field with the lines (Windows-1252 bytes).
  void load(const std::vector<std::string>& lines);
  // The field's lines as Windows-1252 bytes; empty lines at the end are not lines.
  std::vector<std::string> lines() const;

  QPlainTextEdit* textEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;

 public slots:
  // OK: refused with a message while the text is longer than a design can hold.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;
};
