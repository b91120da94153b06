#include "print/views/MergeDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

namespace {
constexpr int kPreviewLines = 5;

QString Shown(const std::string& coverText) {
  return QString::fromStdString(AnsiToUtf8(coverText)).replace(QChar('\r'), QChar(0x21b5));
}
}  // namespace

MergeDialog::MergeDialog(const CopyFields& fields, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("MergeDialog", "Merge"));
  resize(560, 360);
  auto* layout = new QVBoxLayout(this);
  auto* fileRow = new QHBoxLayout;
  fileEdit = new QLineEdit(this);
  fileEdit->setReadOnly(true);
  fileEdit->setPlaceholderText(QCoreApplication::translate(
      "MergeDialog", "No table: the copies are numbered, every one with the same texts"));
  chooseButton = new QPushButton(QCoreApplication::translate("MergeDialog", "Table..."), this);
  noMergeButton = new QPushButton(QCoreApplication::translate("MergeDialog", "No table"), this);
  fileRow->addWidget(fileEdit, 1);
  for (QPushButton* b : {chooseButton, noMergeButton}) {
    b->setAutoDefault(false);
    fileRow->addWidget(b);
  }
  layout->addLayout(fileRow);
  preview = new QTableWidget(this);
  preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(preview, 1);
  unheldLabel = new QLabel(this);
  unheldLabel->setWordWrap(true);
  layout->addWidget(unheldLabel);
  auto* form = new QFormLayout;
  firstNumberEdit = new QSpinBox(this);
  firstNumberEdit->setRange(0, 999999);
  firstNumberEdit->setValue(static_cast<int>(fields.firstNumber()));
  firstNumberEdit->setToolTip(QCoreApplication::translate(
      "MergeDialog", "The number {n} has on the first copy; {N} is the number of copies"));
  form->addRow(QCoreApplication::translate("MergeDialog", "First number:"), firstNumberEdit);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  okButton = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  cancelButton = buttons->addButton(QCoreApplication::translate("MergeDialog", "Cancel"),
                                    QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(chooseButton, &QPushButton::clicked, this, &MergeDialog::chooseTable);
  connect(noMergeButton, &QPushButton::clicked, this, [this] { showTable(nullptr, {}); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  showTable(fields.merge() ? std::make_shared<MergeTable>(*fields.merge()) : nullptr,
            fields.mergeFile());
}

bool MergeDialog::chooseTable() {
  FileRequest request{Translate("MergeDialog", "Open merge table"),
                      Translate("MergeDialog", "Tables (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt"),
                      "csv", file_};
  const auto file = CurrentDialogs().openFile(request);
  return file && load(file->path);
}

bool MergeDialog::load(const std::string& path) {
  auto table = std::make_shared<MergeTable>();
  std::string error;
  if (!ReadMergeTable(path, *table, error)) {
    CurrentDialogs().messageBox(path + ": " + error, Translate("MergeDialog", "Merge"),
                                MsgButtons::Ok, MsgIcon::Error);
    return false;
  }
  showTable(std::move(table), path);
  return true;
}

void MergeDialog::apply(CopyFields& fields) const {
  fields.setMerge(table_, file_);
  fields.setFirstNumber(firstNumberEdit->value());
}

void MergeDialog::showTable(std::shared_ptr<const MergeTable> table, const std::string& file) {
  table_ = std::move(table);
  file_ = table_ ? file : std::string();
  fileEdit->setText(QString::fromStdString(file_));
  preview->clear();
  const int columns = table_ ? static_cast<int>(table_->columns.size()) : 0;
  const int lines =
      table_ ? static_cast<int>(std::min<size_t>(table_->lines.size(), kPreviewLines)) : 0;
  preview->setColumnCount(columns);
  preview->setRowCount(lines);
  for (int c = 0; c < columns; ++c) {
    preview->setHorizontalHeaderItem(c, new QTableWidgetItem(Shown(table_->columns[c])));
    for (int r = 0; r < lines; ++r)
      preview->setItem(r, c, new QTableWidgetItem(Shown(table_->lines[r][c])));
  }
  CopyFields shown;
  shown.setMerge(table_, file_);
  QString note = QString::fromStdString(shown.replacedNote());
  if (table_)
    note.prepend(QCoreApplication::translate("MergeDialog", "%1 lines, one copy each. ")
                     .arg(table_->lines.size()));
  unheldLabel->setText(note);
}
