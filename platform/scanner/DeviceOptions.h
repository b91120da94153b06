#pragma once
// A scanner's options as a scan will find them: the device opened afresh, the main settings
// (mode, depth, resolution, area) applied, then the chosen options in their order. Opening
// afresh is also how the backend's own values come back, as SANE has no reset.
#include <string>
#include <vector>

#include "platform/scanner/ScanSettings.h"
#include "platform/scanner/ScannerOptions.h"

struct DeviceOptions {
  std::vector<OptionEntry> entries;
  OptionChoices taken;               // the choices the device accepted, in order
  std::vector<std::string> refused;  // why each other choice was dropped
  OptionChange last;                 // what setting the last choice did
  std::string error;                 // the device could not be opened or set up
};

// Options that the main part of the scanner dialog sets (mode, resolution, the area).
bool IsMainScanOption(const std::string& name);

// Reads the options of `basics.device` with the main settings and `choices` applied.
DeviceOptions ReadDeviceOptions(const ScanSettings& basics, const OptionChoices& choices);
