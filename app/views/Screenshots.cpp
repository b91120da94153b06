#include "app/views/Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScrollArea>
#include <QTabWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/views/AboutBox.h"
#include "app/views/MainWindow.h"
#include "cover/views/TextEffectsDialog.h"
#include "cover/views/TextEntryDialog.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dialogs/views/FontDialog.h"
#include "platform/scanner/ScanSettings.h"
#include "platform/scanner/views/ScannerDialog.h"
#include "print/settings/views/CalibrationDialog.h"
#include "print/views/PaperFormatDialog.h"

namespace {
void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget& w, const QDir& dir, const QString& name) {
  w.show();
  Settle();
  return w.grab().save(dir.filePath(name + QStringLiteral(".png")));
}

// What is taller than its scroll area is also saved whole, so every control can be seen.
int SaveScrolledPanels(QWidget& w, const QDir& dir, const QString& name) {
  int written = 0;
  for (QScrollArea* area : w.findChildren<QScrollArea*>()) {
    QWidget* panel = area->widget();
    if (!area->isVisible() || !panel || panel->height() <= area->viewport()->height()) continue;
    const QString file = name + QStringLiteral("-whole-%1.png").arg(written + 1);
    written += panel->grab().save(dir.filePath(file));
  }
  return written;
}
}  // namespace

int SaveScreenshots(const std::string& folder, const std::string& coverFile) {
  QDir dir(QString::fromStdString(folder));
  if (!dir.mkpath(QStringLiteral("."))) return -1;
  ScriptedDialogs dialogs;  // every question the program asks meanwhile gets its first answer
  ScopedDialogs scoped(dialogs);
  MainWindow form(false);
  form.show();
  if (!coverFile.empty()) form.openCoverFile(coverFile);
  int written = 0;
  const char* tabs[] = {"tab-1-scan", "tab-2-retouch", "tab-3-texts", "tab-4-center",
                        "tab-5-print"};
  for (int i = 0; i < form.tabs()->count(); ++i) {
    form.tabs()->setCurrentIndex(i);
    written += Save(form, dir, QString::fromLatin1(tabs[i]));
    written += SaveScrolledPanels(form, dir, QString::fromLatin1(tabs[i]));
  }
  const std::vector<std::pair<const char*, std::function<QDialog*()>>> boxes = {
      {"dialog-about", [&] { return new AboutBox(&form); }},
      {"dialog-scanner", [&] { return new ScannerDialog(ScanSettings{}, false, &form); }},
      {"dialog-texts", [&] { return new TextEntryDialog(&form); }},
      {"dialog-effects", [&] { return new TextEffectsDialog(&form); }},
      {"dialog-font", [&] { return new FontDialog(&form); }},
      {"dialog-paper-format", [&] { return new PaperFormatDialog(&form); }},
      {"dialog-calibration", [&] { return new CalibrationDialog(std::string(), &form); }},
  };
  for (const auto& [name, make] : boxes) {
    std::unique_ptr<QDialog> box(make());
    written += Save(*box, dir, QString::fromLatin1(name));
    box->hide();
  }
  dialogs.messageAnswers.push_back(MsgResult::Ok);
  form.close();
  return written;
}
