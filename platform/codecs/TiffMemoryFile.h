#pragma once
// libtiff reading from and writing to memory, with errors collected instead of printed.
#include <tiffio.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/codecs/ByteSink.h"
#include "platform/codecs/PictureSource.h"

// The bytes libtiff works on: a file held in memory or read from a source as libtiff asks, a
// growing output buffer, or a sink whose earlier bytes are patched when libtiff goes back.
struct TiffMemoryFile {
  const uint8_t* data = nullptr;
  size_t size = 0;
  PictureSource* in = nullptr;          // when set, read instead of `data`
  std::vector<uint8_t>* out = nullptr;  // set when writing into memory
  ByteSink* sink = nullptr;             // set when writing on into a sink (nothing read back)
  size_t pos = 0;
  std::string firstError;
  bool damaged = false;  // a decoder warned that it filled in data the file lacks
};

// Opens `f` with libtiff ("r" or "w"); allocations above the picture limit are refused.
TIFF* OpenTiffMemory(TiffMemoryFile& f, const char* mode);
// The fallback reason, followed by libtiff's first error when there was one.
std::string TiffReason(const TiffMemoryFile& f, const char* fallback);
