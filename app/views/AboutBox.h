#pragma once
// The "Info" box: the program's picture, what it is for, the maker's web page and OK.
#include <QDialog>

class QLabel;
class QPushButton;

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* owner);
  QLabel* copyrightLabel() const { return copyright_; }
  QPushButton* webButton() const { return web_; }
  QPushButton* okButton() const { return ok_; }

 private:
  QLabel* copyright_ = nullptr;
  QPushButton* web_ = nullptr;
  QPushButton* ok_ = nullptr;
};
