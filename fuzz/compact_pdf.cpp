// A PDF whose images are stored again, with and without later pages repeating the first: never
// crash; a file given back is whole PDF.
#include <cstdlib>
#include <string_view>

#include "print/PdfImages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const RepeatedPages& repeats : {RepeatedPages{}, RepeatedPages{{2, 1}, {3, 1}}}) {
    std::vector<uint8_t> out;
    ByteSink sink(out);
    if (StorePdfImages({data, size}, nullptr, sink, repeats) != PdfStored::Stored) continue;
    const std::string_view text(reinterpret_cast<const char*>(out.data()), out.size());
    if (!text.starts_with("%PDF-") || !text.ends_with("%%EOF\n")) std::abort();
  }
  return 0;
}
