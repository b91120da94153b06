// Paper format catalogue bytes: never crash, never keep an invalid record.
#include <cstdlib>

#include "print/PaperFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const EttLoadResult r = ParseEttTypes(std::vector<uint8_t>(data, data + size), "paper.dat");
  for (const TEttType& t : r.formats) {
    if (t.AnzH < 1 || t.AnzH > 50 || t.AnzV < 1 || t.AnzV > 50 || t.Name.size() > 50) std::abort();
    TEttType back;
    if (!DecodeEtt(EncodeEtt(t).data(), back) || !(back == t)) std::abort();
  }
  return 0;
}
