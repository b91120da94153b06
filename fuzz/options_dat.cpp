// Printer calibration bytes: never crash, only values inside the dialog's ranges.
#include <cstdlib>

#include "print/settings/Calibration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CalibrationLoad r =
      ParseCalibration(std::vector<uint8_t>(data, data + size), "options.dat");
  const Calibration& c = r.values;
  if (!(c.left >= 0 && c.left <= 10 && c.top >= 0 && c.top <= 10 && c.width >= 70 &&
        c.width <= 130 && c.height >= 70 && c.height <= 130))
    std::abort();
  return 0;
}
