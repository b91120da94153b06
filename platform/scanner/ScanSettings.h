#pragma once
// The scanner chosen by the user and its settings, kept in a small text file between runs.
#include <string>

#include "platform/scanner/OptionChoices.h"

enum class ScanMode { Color, Gray, LineArt };

// A scan area in millimetres from the top-left corner of the scanner's glass.
struct ScanArea {
  double left = 0, top = 0, width = 120, height = 120;
  bool operator==(const ScanArea&) const = default;
};

struct ScanSettings {
  std::string device;  // SANE device name; empty: the first device found
  int resolution = 300;
  ScanMode mode = ScanMode::Color;
  ScanArea area;
  DeviceOptionChoices options;  // further scanner options, per device
  bool operator==(const ScanSettings&) const = default;
};

constexpr ScanArea kCdBookletArea{0, 0, 120, 120};
constexpr ScanArea kUnfoldedBookletArea{0, 0, 240, 120};
constexpr int kMinScanResolution = 10;
constexpr int kMaxScanResolution = 9600;

const char* ScanModeName(ScanMode mode);  // "color", "gray", "lineart"
bool ParseScanMode(const std::string& text, ScanMode& mode);

// Reads the settings file and the options file beside it; a missing file gives the defaults.
// False with the first fault in `error` when one is damaged or unreadable; `out` then keeps
// what could be read of both, and the defaults for the rest.
bool LoadScanSettings(const std::string& path, ScanSettings& out, std::string& error);
// Writes both files as KeptFiles allows; false with `error` (empty when told before) when one
// was not written.
bool SaveScanSettings(const std::string& path, const ScanSettings& settings, std::string& error);
// The file beside the settings file that keeps the further options of each device.
std::string ScanOptionsPath(const std::string& settingsPath);
// scanner.dat in the settings folder.
std::string ScanSettingsPath();
