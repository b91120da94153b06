#pragma once
// Sample pictures, pixel comparison and outside tools for the picture file tests.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/Dib.h"

namespace gfxtest {

// Frees its picture at the end of the scope.
struct OwnedDib {
  Dib dib;
  OwnedDib() = default;
  OwnedDib(const OwnedDib&) = delete;
  OwnedDib& operator=(const OwnedDib&) = delete;
  ~OwnedDib() { FreeDib(dib); }
};

// Pixels as red, green, blue triples, row by row from the top.
struct Rgb {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> pixels;
};

// A picture of the given depth with a varied pattern; palette pictures use `colors` entries
// of a distinct colour table (8 bits with grey = true gets the grey ramp).
void MakeSample(Dib& dib, int bits, int32_t width, int32_t height, bool grey = false);
Rgb PixelsOf(const Dib& dib);
// Largest difference of any channel; -1 when the sizes differ.
int MaxDifference(const Rgb& a, const Rgb& b);

inline ByteView View(const std::vector<uint8_t>& bytes) {
  return {bytes.data(), bytes.size()};
}

// Outside tools (ImageMagick, netpbm).
bool HaveTool(const std::string& name);
// Runs a shell command line; true when it exits with 0.
bool RunShell(const std::string& command);
// Reads a binary PPM (P6) or PGM (P5) file of maxval 255 as RGB.
Rgb ReadPnm(const std::string& path);
// Writes RGB as P6, or a P7 RGB_ALPHA file when `alpha` holds one value per pixel.
void WritePnm(const std::string& path, const Rgb& rgb, const std::vector<uint8_t>& alpha = {});
// ImageMagick's reading of a file, flattened on white, as 8-bit RGB.
Rgb MagickPixels(const std::string& path);
// A varied RGB test pattern.
Rgb Pattern(int32_t width, int32_t height, int colors = 0);

}  // namespace gfxtest
