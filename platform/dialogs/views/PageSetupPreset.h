#pragma once
// Qt's printer dialog builds its page set-up on the printer's default paper; this shows the
// chosen paper there instead, and keeps it when the user never opened the page set-up.
#include <QObject>
#include <QPageSize>
#include <QPointer>

class QPrintDialog;
class QPrinter;

class PageSetupPreset : public QObject {
 public:
  // Watches `dialog`, which sets up `printer`, for its page set-up being shown.
  PageSetupPreset(QPrintDialog& dialog, QPrinter& printer);
  ~PageSetupPreset() override;
  // After the dialog was confirmed: back to the paper it started with unless the user saw the
  // page set-up or chose another printer.
  void restoreUnseenPaper();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void preset(QWidget* pageSetup);

  QPointer<QPrintDialog> dialog_;
  QPrinter& printer_;
  QString printerName_;
  QPageSize paper_;
  bool seen_ = false;
};
