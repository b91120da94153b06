// Feeds arbitrary bytes to the BMP reader: it must refuse or decode them without faults.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/PictureLimit.h"
#include "platform/codecs/PictureCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LimitFuzzPictures();
  Dib dib;
  std::string error;
  ReadBmp(ByteView{data, size}, dib, error);
  FreeDib(dib);
  return 0;
}
