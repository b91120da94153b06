#pragma once
// Scanning through SANE: settings applied to a device, a whole scan into a picture, and the
// scan thread with progress, cancellation and a done call.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/dib/Dib.h"
#include "platform/scanner/SaneDevice.h"
#include "platform/scanner/ScanSettings.h"

// The device's mode string for a scan mode (empty when it offers none).
std::string ChooseModeString(ScanMode mode, const std::vector<std::string>& offered);

// What the device actually took.
struct AppliedSettings {
  std::string modeString;
  int depth = 0;
  double resolution = 0;
  ScanArea area;
  bool thresholdLineArt = false;   // no line-art mode: grey is turned into black and white
  std::vector<std::string> notes;  // settings the device adjusted
};

// Sets mode, depth, resolution and area on an open device, in that order.
bool ApplyScanSettings(SaneDevice& device, const ScanSettings& settings, AppliedSettings& applied,
                       std::string& error);
// The whole area the device can scan, in millimetres (empty when it has no geometry options).
std::optional<ScanArea> ScannerBed(const SaneDevice& device);

struct ScanRequest {
  ScanSettings settings;
  bool preview = false;     // whole bed at a low resolution, in colour when possible
  double stallSeconds = 0;  // no data for this long fails the scan; 0: wait as long as it takes
};

struct ScanResult {
  ScanResult() = default;
  ~ScanResult() { FreeDib(dib); }
  ScanResult(const ScanResult&) = delete;
  ScanResult& operator=(const ScanResult&) = delete;
  // Moves the picture to `out` (Bits null when there is none).
  void takePicture(Dib& out) {
    out = dib;
    dib = Dib{};
  }

  Dib dib;
  std::string error;  // empty on success
  bool cancelled = false;
  AppliedSettings applied;
};

constexpr int kPreviewLongSide = 500;  // pixels of the preview's longer side

// Runs a whole scan on the calling thread; `cancel` is looked at between reads.
void RunScan(const ScanRequest& request, const std::atomic<bool>& cancel,
             const std::function<void(int)>& progress, ScanResult& out);

// One scan at a time on its own thread. The destructor cancels and joins.
class ScanJob {
 public:
  using Progress = std::function<void(int percent)>;
  using Done = std::function<void()>;
  ScanJob() = default;
  ~ScanJob();
  ScanJob(const ScanJob&) = delete;
  ScanJob& operator=(const ScanJob&) = delete;

  // Starts the scan; `progress` and `done` run on the scan thread. False while one runs.
  bool start(const ScanRequest& request, Progress progress, Done done);
  void cancel() { cancel_ = true; }
  bool running() const { return thread_.joinable() && !finished_; }
  // Joins the thread and hands over its result (null when no scan was started).
  std::unique_ptr<ScanResult> finish();

 private:
  std::thread thread_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> finished_{false};
  std::unique_ptr<ScanResult> result_;
};
