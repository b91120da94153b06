// Feeds arbitrary bytes to the PNG reader. Chunk checksums are repaired first, so that mutations
// reach the decoder instead of stopping at the checksum test.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/PictureLimit.h"
#include "platform/codecs/PictureCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LimitFuzzPictures();
  std::vector<uint8_t> bytes(data, data + size);
  for (size_t i = 8; i + 12 <= bytes.size();) {
    const size_t len = size_t(bytes[i]) << 24 | size_t(bytes[i + 1]) << 16 |
                       size_t(bytes[i + 2]) << 8 | bytes[i + 3];
    if (len > bytes.size() - i - 12) break;
    const uLong crc = crc32(0, bytes.data() + i + 4, uInt(len + 4));
    for (int k = 0; k < 4; ++k) bytes[i + 8 + len + size_t(k)] = uint8_t(crc >> (24 - 8 * k));
    i += 12 + len;
  }
  Dib dib;
  std::string error;
  if (ReadPng(ByteView{bytes.data(), bytes.size()}, dib, error)) FreeDib(dib);
  return 0;
}
