#pragma once
// Small pieces shared by our own picture readers and writers: creating the result picture by
// the depth rules (palette kept, greyscale 8 bits, everything else 24 bits) and pixel packing.
#include <QtGlobal>
#include <cstdint>
#include <string>

#include "platform/dib/Dib.h"

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

inline constexpr const char* kTruncatedFile =
    QT_TRANSLATE_NOOP("PictureBuild", "the file is truncated");
inline constexpr const char* kPictureTooLarge =
    QT_TRANSLATE_NOOP("PictureBuild", "the picture is too large");
inline constexpr const char* kRunPastEnd =
    QT_TRANSLATE_NOOP("PictureBuild", "the run-length data runs past the end of the picture");
inline constexpr const char* kIndexOutsideTable =
    QT_TRANSLATE_NOOP("PictureBuild", "a pixel refers to a colour the colour table does not hold");

// 1 bit for up to 2 colours, 4 bits for up to 16, else 8 bits.
int PaletteDepthFor(int colours);
// A palette picture of the depth that holds `count` colours (at most 256), colours set.
bool NewPalettePicture(Dib& out, int32_t width, int32_t height, const Rgb* colours, int count,
                       std::string& error);
// A palette picture of the depth the file stores (1 bit; 2 or 4 bits as 4; else 8), with `count`
// colours set and the rest of its table black.
bool NewPalettePictureOfDepth(Dib& out, int32_t width, int32_t height, int fileBits,
                              const Rgb* colours, int count, std::string& error);
// An 8-bit picture with a grey ramp as its colour table.
bool NewGreyPicture(Dib& out, int32_t width, int32_t height, std::string& error);
bool NewTruecolourPicture(Dib& out, int32_t width, int32_t height, std::string& error);
// A picture the writers can encode: pixels present and a depth of 1, 4, 8 or 24.
bool CheckWritable(const Dib& dib, std::string& error);
// Colour-table entry i of a palette picture.
Rgb DibColour(const Dib& dib, int index);

// Index x of a row packed most significant bits first, for 1, 2, 4 and 8 bits per pixel.
inline uint32_t GetPacked(const uint8_t* row, int bpp, uint32_t x) {
  switch (bpp) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 2:
      return (row[x >> 2] >> (6 - 2 * (x & 3))) & 3u;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    default:
      return row[x];
  }
}

// Stores an index into a 1, 4 or 8-bit row; an index the depth cannot hold becomes 0.
inline void PutIndex(uint8_t* row, int bpp, uint32_t x, uint32_t index) {
  if (index >= (1u << bpp)) index = 0;
  switch (bpp) {
    case 1:
      if (index)
        row[x >> 3] |= uint8_t(0x80u >> (x & 7));
      else
        row[x >> 3] &= uint8_t(~(0x80u >> (x & 7)));
      break;
    case 4: {
      uint8_t& b = row[x >> 1];
      b = (x & 1) ? uint8_t((b & 0xF0) | index) : uint8_t((b & 0x0F) | (index << 4));
      break;
    }
    default:
      row[x] = uint8_t(index);
      break;
  }
}

inline void PutRgb(uint8_t* row, uint32_t x, uint8_t r, uint8_t g, uint8_t b) {
  uint8_t* p = row + size_t(x) * 3;
  p[0] = b;
  p[1] = g;
  p[2] = r;
}

// A colour component with coverage `alpha` laid over white.
inline uint8_t OverWhite(uint8_t c, uint8_t alpha) {
  return uint8_t((uint32_t(c) * alpha + 255u * (255u - alpha) + 127u) / 255u);
}

// A value of `bits` bits (1 to 8) stretched to 0..255.
inline uint8_t ScaleTo8(uint32_t v, int bits) {
  if (bits >= 8) return uint8_t(v >> (bits - 8));
  if (bits <= 0) return 0;
  const uint32_t max = (1u << bits) - 1;
  return uint8_t((v * 255u + max / 2) / max);
}
