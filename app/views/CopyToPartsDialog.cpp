#include "app/views/CopyToPartsDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

CopyToPartsDialog::CopyToPartsDialog(const DesignParts& parts, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Copy to parts"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  for (size_t i = 0; i < parts.list.size(); ++i) {
    if (i == parts.current) continue;
    auto* item = new QListWidgetItem(QString::fromStdString(parts.list[i].name), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    item->setData(Qt::UserRole, qulonglong(i));
  }
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

std::vector<size_t> CopyToPartsDialog::chosen() const {
  std::vector<size_t> parts;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked)
      parts.push_back(size_t(list_->item(i)->data(Qt::UserRole).toULongLong()));
  return parts;
}
