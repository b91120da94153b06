// Label template files: never crash, every template read makes a valid format; read as the
// catalogue reads the database, every printable template does, and the others carry a reason.
#include <cstdlib>

#include "print/templates/LabelTemplate.h"

namespace {
void CheckUsable(const LabelTemplate& t) {
  PaperFormat back;
  if (!CheckDetails(t.record, t.details).empty() ||
      !DecodePaperFormat(EncodePaperFormat(t.record).data(), back))
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  LabelTemplateReader reader;
  const bool ok = reader.read(bytes);
  if (ok == reader.templates().empty()) std::abort();
  for (const LabelTemplate& t : reader.templates()) CheckUsable(t);
  TemplateContext database;
  database.keepUnusable = true;
  database.paperSizes["A4"] = {210, 297};
  LabelTemplateReader all;
  if (all.read(bytes, database) == all.templates().empty()) std::abort();
  if (ok && all.templates().size() != reader.templates().size()) std::abort();
  for (const LabelTemplate& t : all.templates())
    if (t.product.unusable.empty()) CheckUsable(t);
  return 0;
}
