// A PDF whose images are stored again: never crash; a file given back is whole PDF.
#include <cstdlib>
#include <string_view>

#include "print/PdfImages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> out = CompactPdfImages({data, size});
  const std::string_view text(reinterpret_cast<const char*>(out.data()), out.size());
  if (!out.empty() && (!text.starts_with("%PDF-") || !text.ends_with("%%EOF\n"))) std::abort();
  return 0;
}
