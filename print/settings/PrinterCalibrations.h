#pragma once
// Calibrations of single printers, kept beside options.dat; a printer without one of its own
// prints with the calibration of options.dat.
#include <cstdint>
#include <string>
#include <vector>

#include "print/settings/Calibration.h"

struct PrinterKey {
  std::string queue;   // the printer's queue name
  int resolution = 0;  // dots per inch where the printer offers several, else 0
  bool operator==(const PrinterKey&) const = default;
};

struct PrinterCalibration {
  PrinterKey printer;
  Calibration values;
  bool operator==(const PrinterCalibration&) const = default;
};

constexpr int32_t kPrinterCalibrationsMagic = 0x43505851;  // "QXPC"
constexpr int32_t kPrinterCalibrationsVersion = 1;
constexpr int32_t kMaxPrinterCalibrations = 1000;
constexpr size_t kMaxQueueNameBytes = 255;

struct PrinterCalibrationsLoad {
  std::vector<PrinterCalibration> entries;  // those before any damage; none when missing
  std::string message;                      // what the user must hear of the file, else empty
  bool newer = false;                       // a later version wrote it: no entries are known
};

// A damaged file (wrong magic, counts, lengths or values outside the dialog's ranges) gives the
// entries before the damage; it is kept as .damaged before it is written again.
PrinterCalibrationsLoad ParsePrinterCalibrations(const std::vector<uint8_t>& bytes,
                                                 const std::string& name);
std::vector<uint8_t> EncodePrinterCalibrations(const std::vector<PrinterCalibration>& entries);
PrinterCalibrationsLoad LoadPrinterCalibrations(const std::string& path);
// Replaces the file as KeptFiles allows; removes it when no entry is left.
KeptWrite SavePrinterCalibrations(const std::string& path,
                                  const std::vector<PrinterCalibration>& entries);
// The file beside an options.dat.
std::string PrinterCalibrationsFileFor(const std::string& optionsFile);

// The entry of `printer`, or nullptr.
const PrinterCalibration* FindPrinterCalibration(const std::vector<PrinterCalibration>& entries,
                                                 const PrinterKey& printer);
// The printer's own calibration, else `fallback`.
Calibration CalibrationFor(const std::vector<PrinterCalibration>& entries,
                           const PrinterKey& printer, const Calibration& fallback);
void SetPrinterCalibration(std::vector<PrinterCalibration>& entries, const PrinterKey& printer,
                           const Calibration& values);
// True when an entry was removed.
bool RemovePrinterCalibration(std::vector<PrinterCalibration>& entries, const PrinterKey& printer);
// Whether each value lies in the range the calibration dialog allows.
bool CalibrationInRange(const Calibration& c);
// The calibration of a job: the printer's own, else the one of options.dat; a PDF file (empty
// queue) always gets the one of options.dat. Damage is reported in `message`.
Calibration JobCalibration(const std::string& optionsFile, const PrinterKey& printer,
                           std::string* message = nullptr);
