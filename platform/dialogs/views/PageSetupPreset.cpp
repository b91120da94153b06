#include "platform/dialogs/views/PageSetupPreset.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPrintDialog>
#include <QPrinter>

PageSetupPreset::PageSetupPreset(QPrintDialog& dialog, QPrinter& printer)
    : dialog_(&dialog),
      printer_(printer),
      printerName_(printer.printerName()),
      paper_(printer.pageLayout().pageSize()) {
  qApp->installEventFilter(this);
}

PageSetupPreset::~PageSetupPreset() {
  qApp->removeEventFilter(this);
}

bool PageSetupPreset::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Show && dialog_ && qobject_cast<QDialog*>(watched)) {
    auto* w = static_cast<QWidget*>(watched);
    bool ours = false;  // the page set-up is a window of its own inside the printer dialog
    for (QWidget* p = w->parentWidget(); p && !ours; p = p->parentWidget()) ours = p == dialog_;
    if (ours && w->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))) {
      seen_ = true;
      preset(w);
    }
  }
  return QObject::eventFilter(watched, event);
}

void PageSetupPreset::preset(QWidget* pageSetup) {
  if (printer_.printerName() != printerName_) return;  // another printer: its own default
  auto* sizes = pageSetup->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
  for (int i = 0; i < sizes->count(); ++i) {
    const QPageSize s = sizes->itemData(i).value<QPageSize>();
    if (s.isValid() && s.id() != QPageSize::Custom && s.key() == paper_.key()) {
      sizes->setCurrentIndex(i);
      return;
    }
  }
  const int custom = sizes->findData(QVariant());  // the entry without a size: "Custom"
  auto* units = pageSetup->findChild<QComboBox*>(QStringLiteral("unitCombo"));
  auto* width = pageSetup->findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
  auto* height = pageSetup->findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
  if (custom < 0 || !units || !width || !height) return;
  sizes->setCurrentIndex(custom);
  const auto unit = units->currentData().value<QPageLayout::Unit>();
  QSizeF s = paper_.size(static_cast<QPageSize::Unit>(unit));
  if (printer_.pageLayout().orientation() == QPageLayout::Landscape) s.transpose();
  width->setValue(s.width());
  height->setValue(s.height());
}

void PageSetupPreset::restoreUnseenPaper() {
  if (seen_ || printer_.printerName() != printerName_ || !paper_.isValid()) return;
  printer_.setPageSize(paper_);
}
