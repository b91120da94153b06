// Label template files: never crash, every template read makes a valid format.
#include <cstdlib>

#include "print/LabelTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LabelTemplateReader reader;
  const bool ok = reader.read(std::vector<uint8_t>(data, data + size));
  if (ok == reader.templates().empty()) std::abort();
  for (const LabelTemplate& t : reader.templates()) {
    PaperFormat back;
    if (!CheckDetails(t.record, t.details).empty() || !DecodePaperFormat(EncodePaperFormat(t.record).data(), back)) std::abort();
  }
  return 0;
}
