#include "cover/views/TextEntryDialog.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/AnsiText.h"

TTxtForm::TTxtForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Enter texts...");
  setFixedSize(417, 240);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(8, 16, 401, 169);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(0, 198, 417, 2);
  okButton = new QPushButton("OK", this);
  okButton->setGeometry(112, 208, 97, 25);
  okButton->setAutoDefault(false);
  cancelButton = new QPushButton("Cancel", this);
  cancelButton->setGeometry(216, 208, 89, 25);
  cancelButton->setAutoDefault(false);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TTxtForm::load(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& l : lines) shown << QString::fromStdString(AnsiToUtf8(l));
  Memo1->clear();
  Memo1->setPlainText(shown.join('\n'));
}

std::vector<std::string> TTxtForm::lines() const {
  const QString text = Memo1->toPlainText();
  if (text.isEmpty()) return {};
  std::vector<std::string> out;
  for (const QString& l : text.split('\n')) out.push_back(Utf8ToAnsi(l.toStdString()));
  return out;
}

void TTxtForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Memo1->setFocus();
}
