// Feeds arbitrary bytes to the readers that keep alpha (PNG, TIFF, TGA): each must refuse or
// decode them without faults, and a decoded picture has one alpha byte a pixel.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/PictureLimit.h"
#include "platform/codecs/PictureAlpha.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LimitFuzzPictures();
  for (auto read : {ReadPngWithAlpha, ReadTiffWithAlpha, ReadTgaWithAlpha}) {
    Dib dib;
    std::vector<uint8_t> alpha;
    std::string error;
    if (read(ByteView{data, size}, dib, alpha, error) &&
        alpha.size() != size_t(DibWidth(dib)) * size_t(DibHeight(dib)))
      __builtin_trap();
    FreeDib(dib);
  }
  return 0;
}
