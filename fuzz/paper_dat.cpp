// Paper format catalogue bytes: never crash, never keep an invalid record.
#include <cstdlib>

#include "print/settings/PaperFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PaperLoadResult r = ParsePaperFormats(std::vector<uint8_t>(data, data + size), "paper.dat");
  for (const PaperFormat& t : r.formats) {
    if (t.columns < 1 || t.columns > 50 || t.rows < 1 || t.rows > 50 || t.name.size() > 50)
      std::abort();
    PaperFormat back;
    if (!DecodePaperFormat(EncodePaperFormat(t).data(), back) || !(back == t)) std::abort();
  }
  return 0;
}
