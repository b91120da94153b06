// The "Advanced" part of "Select the scanner": every option of the chosen scanner.
#include <QCoreApplication>
#include <QGroupBox>
#include <QVBoxLayout>

#include "platform/scanner/views/ScannerDialog.h"
#include "platform/scanner/views/ScannerOptionsPanel.h"

QWidget* ScannerDialog::buildAdvancedPart(QWidget* page) {
  advancedBox_ =
      new QGroupBox(QCoreApplication::translate("ScannerDialogAdvanced", "Advanced"), page);
  auto* layout = new QVBoxLayout(advancedBox_);
  advanced_ = new ScannerOptionsPanel(advancedBox_);
  layout->addWidget(advanced_);
  connect(advanced_, &ScannerOptionsPanel::notice, this,
          [this](const QString& text) { showNotice(text); });
  connect(advanced_, &ScannerOptionsPanel::choicesChanged, this, [this] {
    if (devices_->currentItem())
      options_[devices_->currentItem()->data(Qt::UserRole).toString().toStdString()] =
          advanced_->choices();
  });
  advancedBox_->setEnabled(!scanRunning_);
  if (scanRunning_)
    advancedBox_->setToolTip(QCoreApplication::translate(
        "ScannerDialogAdvanced", "A scan is running; the options are shown when it has ended."));
  return advancedBox_;
}

void ScannerDialog::reloadAdvanced() {
  if (!advanced_) return;             // the part is built after the controls that call this
  if (previewJob_.running()) return;  // the part is greyed until the preview ends
  if (scanRunning_ || !devices_->currentItem()) {
    advanced_->clear();
    return;
  }
  const ScanSettings s = settings();
  const auto kept = s.options.find(s.device);
  advanced_->load(s, kept == s.options.end() ? OptionChoices{} : kept->second);
}
