#pragma once
// The program's three scanning calls, with SANE underneath: choose the scanner in a dialog,
// scan on the scanner thread (progress as message 0x400, the end as message 0x401 posted to
// the window), and hand the picture over.
#include <QObject>
#include <QWidget>
#include <cstdint>
#include <string>

#include "platform/dib/Dib.h"
#include "platform/scanner/ScanSettings.h"

// Why a scan brought no picture.
struct ScanProblem {
  std::string text;
  bool cancelled = false;
};

namespace scanner {
// Shows "Select the scanner" owned by `owner`; an accepted choice is kept and saved.
void selectScanner(QWidget* owner);
// Starts a scan with the kept choice and returns at once; `window` receives 0x400 progress and
// then 0x401 with the scan's id. Nothing happens while a scan is running.
void startScan(QObject* window);
// Hands over the picture of scan `id` (Bits null when it failed or was cancelled; `problem`
// then says why). The picture belongs to the caller from then on.
void takeScannedPicture(Dib& out, intptr_t id, ScanProblem* problem = nullptr);

// Asks the running scan to stop; its 0x401 message still arrives.
void cancelScan();
bool scanRunning();
}  // namespace scanner

// The kept choice, read from the settings file at first use.
ScanSettings CurrentScannerChoice();
// Keeps `settings` and saves them; false with a reason when the file cannot be written.
bool SetScannerChoice(const ScanSettings& settings, std::string& error);
// Reads and writes the choice in `path` from now on (tests use a scratch file).
void UseScannerSettingsFile(const std::string& path);
