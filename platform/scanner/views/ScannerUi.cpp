#include "platform/scanner/views/ScannerUi.h"

#include <QCoreApplication>
#include <QPointer>
#include <map>
#include <memory>

#include "platform/dialogs/Dialogs.h"
#include "platform/scanner/Scanner.h"
#include "platform/scanner/views/ScannerDialog.h"
#include "platform/views/WindowMessages.h"

namespace {
// The scanner layer's state on the UI thread; the scan thread only posts events.
struct ScanService {
  ~ScanService() { stop(); }
  void stop() {
    job.cancel();
    if (auto r = job.finish()) pending[currentId] = std::move(r);
  }
  void load() {
    if (loaded) return;
    loaded = true;
    if (path.empty()) path = ScanSettingsPath();
    LoadScanSettings(path, settings, loadError);  // keeps what could be read
  }

  ScanJob job;
  intptr_t currentId = 0;
  intptr_t nextId = 1;
  std::map<intptr_t, std::unique_ptr<ScanResult>> pending;
  QPointer<QObject> watchedWindow;
  ScanSettings settings;
  std::string path, loadError;
  bool loaded = false;
};

ScanService& Service() {
  static ScanService service;
  return service;
}
}  // namespace

void scanner::selectScanner(QWidget* owner) {
  ScanService& s = Service();
  s.load();
  ScannerDialog dialog(s.settings, s.job.running(), owner);
  if (!s.loadError.empty()) dialog.showNotice(QString::fromStdString(s.loadError));
  if (dialog.exec() != QDialog::Accepted) return;
  std::string error;
  if (!SetScannerChoice(dialog.settings(), error) && !error.empty()) ShowError(error);  // else told
}

void scanner::startScan(QObject* window) {
  ScanService& s = Service();
  if (!window || s.job.running()) return;
  s.load();
  if (auto previous = s.job.finish()) s.pending[s.currentId] = std::move(previous);
  if (s.watchedWindow != window) {
    s.watchedWindow = window;
    // A window that goes away first stops the scan, so no event is posted to it afterwards.
    QObject::connect(window, &QObject::destroyed, [] { Service().stop(); });
  }
  const intptr_t id = s.nextId++;
  s.currentId = id;
  s.job.start(
      {s.settings, false},
      [window](int percent) {
        QCoreApplication::postEvent(window, new WindowMessage(WM_USER, percent));
      },
      [window, id] { QCoreApplication::postEvent(window, new WindowMessage(WM_USER + 1, id)); });
}

void scanner::takeScannedPicture(Dib& out, intptr_t id, ScanProblem* problem) {
  out = Dib{};
  ScanService& s = Service();
  std::unique_ptr<ScanResult> result;
  if (id == s.currentId && !s.job.running()) {
    result = s.job.finish();
  }
  if (!result) {
    auto it = s.pending.find(id);
    if (it != s.pending.end()) {
      result = std::move(it->second);
      s.pending.erase(it);
    }
  }
  if (!result) {
    if (problem) *problem = {};  // not a scan of ours: nothing to report
    return;
  }
  result->takePicture(out);
  if (problem) *problem = {result->error, result->cancelled};
}

void scanner::cancelScan() {
  Service().job.cancel();
}

bool scanner::scanRunning() {
  return Service().job.running();
}

ScanSettings CurrentScannerChoice() {
  Service().load();
  return Service().settings;
}

bool SetScannerChoice(const ScanSettings& settings, std::string& error) {
  ScanService& s = Service();
  s.load();
  s.settings = settings;
  s.loadError.clear();
  return SaveScanSettings(s.path, settings, error);
}

void UseScannerSettingsFile(const std::string& path) {
  ScanService& s = Service();
  s.path = path;
  s.loaded = false;
  s.load();
}
