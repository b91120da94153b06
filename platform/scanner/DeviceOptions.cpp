#include "platform/scanner/DeviceOptions.h"

#include <sane/saneopts.h>

#include <algorithm>

#include "platform/scanner/Scanner.h"

bool IsMainScanOption(const std::string& name) {
  static const char* const kMain[] = {SANE_NAME_SCAN_MODE,         SANE_NAME_SCAN_RESOLUTION,
                                      SANE_NAME_SCAN_X_RESOLUTION, SANE_NAME_SCAN_Y_RESOLUTION,
                                      SANE_NAME_SCAN_TL_X,         SANE_NAME_SCAN_TL_Y,
                                      SANE_NAME_SCAN_BR_X,         SANE_NAME_SCAN_BR_Y};
  return std::any_of(std::begin(kMain), std::end(kMain), [&](const char* n) { return name == n; });
}

DeviceOptions ReadDeviceOptions(const ScanSettings& basics, const OptionChoices& choices) {
  DeviceOptions out;
  SaneLibrary library;
  if (!library.ok()) {
    out.error = library.error();
    return out;
  }
  SaneDevice device;
  if (!device.open(basics.device, out.error)) return out;
  AppliedSettings applied;
  if (!ApplyScanSettings(device, basics, applied, out.error)) return out;
  for (const OptionChoice& c : choices) {
    out.last = SetOptionText(device, c.name, c.value);
    if (out.last.ok)
      out.taken.push_back(c);
    else
      out.refused.push_back(out.last.error);
  }
  out.entries = ReadOptionEntries(device);
  return out;
}
