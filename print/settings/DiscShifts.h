#pragma once
// The centring of each printer's disc tray, kept beside options.dat: how far its disc prints
// land right and down of the disc's centre, undone on every printable disc printed on it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeptFiles.h"
#include "print/DiscTray.h"

struct PrinterDiscShift {
  std::string queue;
  DiscShift shift;
  bool operator==(const PrinterDiscShift&) const = default;
};

constexpr int32_t kDiscShiftsMagic = 0x53445851;  // "QXDS"
constexpr int32_t kDiscShiftsVersion = 1;
constexpr int32_t kMaxDiscShifts = 1000;

struct DiscShiftsLoad {
  std::vector<PrinterDiscShift> entries;  // those before any damage
  std::string message;                    // what the user must hear of the file, else empty
  bool newer = false;                     // a later version wrote it: no entries are known
};

DiscShiftsLoad ParseDiscShifts(const std::vector<uint8_t>& bytes, const std::string& name);
std::vector<uint8_t> EncodeDiscShifts(const std::vector<PrinterDiscShift>& entries);
DiscShiftsLoad LoadDiscShifts(const std::string& path);
// Replaces the file as KeptFiles allows; removes it when no entry is left.
KeptWrite SaveDiscShifts(const std::string& path, const std::vector<PrinterDiscShift>& entries);
// The file beside an options.dat.
std::string DiscShiftsFileFor(const std::string& optionsFile);
// The printer's shift, none for an unknown printer or a PDF file (empty queue).
DiscShift DiscShiftFor(const std::vector<PrinterDiscShift>& entries, const std::string& queue);
// Sets the printer's shift; a zero shift removes its entry.
void SetDiscShift(std::vector<PrinterDiscShift>& entries, const std::string& queue,
                  const DiscShift& shift);
bool DiscShiftInRange(const DiscShift& s);
