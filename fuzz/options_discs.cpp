// Disc tray centring bytes: never crash, only named printers with shifts inside their range.
#include <cstdlib>

#include "print/settings/DiscShifts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DiscShiftsLoad r =
      ParseDiscShifts(std::vector<uint8_t>(data, data + size), "options-discs.dat");
  for (const PrinterDiscShift& e : r.entries)
    if (e.queue.empty() || !DiscShiftInRange(e.shift)) std::abort();
  return 0;
}
