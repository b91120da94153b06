// Printer calibration bytes: never crash, only values inside the dialog's ranges.
#include <cstdlib>

#include "print/Calibration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CalibrationLoad r = ParseCalibration(std::vector<uint8_t>(data, data + size), "options.dat");
  const TCalibration& c = r.values;
  if (!(c.kalL >= 0 && c.kalL <= 10 && c.kalT >= 0 && c.kalT <= 10 && c.kalW >= 70 &&
        c.kalW <= 130 && c.kalH >= 70 && c.kalH <= 130))
    std::abort();
  return 0;
}
