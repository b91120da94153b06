#include "cover/views/TextEntryDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "cover/text/TextLines.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

TextEntryDialog::TextEntryDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("TextEntryDialog", "Enter texts..."));
  setFixedSize(417, 240);
  textEdit = new QPlainTextEdit(this);
  textEdit->setObjectName("textEdit");
  textEdit->setGeometry(8, 16, 401, 169);
  textEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
  textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(0, 198, 417, 2);
  okButton = new QPushButton("OK", this);
  okButton->setGeometry(112, 208, 97, 25);
  okButton->setAutoDefault(false);
  cancelButton = new QPushButton(QCoreApplication::translate("TextEntryDialog", "Cancel"), this);
  cancelButton->setGeometry(216, 208, 89, 25);
  cancelButton->setAutoDefault(false);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TextEntryDialog::load(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& l : lines) shown << QString::fromStdString(AnsiToUtf8(l));
  textEdit->clear();
  textEdit->setPlainText(shown.join('\n'));
}

std::vector<std::string> TextEntryDialog::lines() const {
  const QString text = textEdit->toPlainText();
  if (text.isEmpty()) return {};
  std::vector<std::string> out;
  for (QString l : text.split('\n')) out.push_back(Utf8ToAnsi(l.remove(QChar(0)).toStdString()));
  while (!out.empty() && out.back().empty()) out.pop_back();  // a trailing line break adds no line
  return out;
}

void TextEntryDialog::accept() {
  if (EnteredText(lines()).size() > kMaxObjectTextBytes) {
    ShowError(
        Translate("TextLines", kTextTooLongMessage));  // the field keeps the text, to be shortened
    return;
  }
  QDialog::accept();
}

void TextEntryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  textEdit->setFocus();
}
