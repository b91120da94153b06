// Feeds arbitrary bytes to the JPEG reader.
#include <cstdint>
#include <string>

#include "fuzz/PictureLimit.h"
#include "platform/codecs/PictureCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LimitFuzzPictures();
  Dib dib;
  std::string error;
  if (ReadJpeg(ByteView{data, size}, dib, error)) FreeDib(dib);
  return 0;
}
