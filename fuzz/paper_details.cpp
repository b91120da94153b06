// Paper format details bytes: never crash, keep only entries whose values make a format.
#include <cstdlib>

#include "print/settings/DetailsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DetailsParse r = ParseDetailsFile(std::vector<uint8_t>(data, data + size));
  for (const DetailsEntry& e : r.entries) {
    PaperFormat t;
    if (!DecodePaperFormat(e.record.data(), t) || !CheckDetails(t, e.details).empty()) std::abort();
  }
  return 0;
}
