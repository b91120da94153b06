#pragma once
// "Copy to parts...": the other parts of the design to copy the selected objects into.
#include <QDialog>
#include <QListWidget>
#include <vector>

#include "app/DesignParts.h"

class CopyToPartsDialog : public QDialog {
  Q_OBJECT
 public:
  // Every part but the current one, all chosen.
  explicit CopyToPartsDialog(const DesignParts& parts, QWidget* parent = nullptr);
  // The parts chosen, by their index in the design.
  std::vector<size_t> chosen() const;
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};
