#pragma once
// Row helpers shared by the picture file readers and writers: checked creation of the output
// picture, colour tables, and packing or unpacking of one row at any of the four depths.
#include <cstdint>
#include <string>

#include "platform/Progress.h"
#include "platform/dib/Dib.h"

// Most pixels a picture file may open to. The program keeps every picture NewDib allows; the fuzz
// targets lower it so that each input decodes in milliseconds.
uint64_t PictureReadLimit();
void SetPictureReadLimit(uint64_t pixels);
// True when a picture read from a file may have this size.
bool PictureReadAllowed(int64_t width, int64_t height);

// Creates `out` after checking the size against the picture limits; says why on failure.
bool NewDibChecked(Dib& out, int64_t width, int64_t height, int bitCount, std::string& error);
// Writes `count` colours given as red, green, blue triples, then recreates the palette.
void SetDibColors(Dib& dib, const uint8_t* rgb, int count);
// The 256-entry grey ramp of an 8-bit greyscale picture.
void SetGreyColors(Dib& dib);
// True when every colour-table entry of an 8-bit picture is the grey of its own index.
bool HasGreyColors(const Dib& dib);

// Stores one colour index per pixel into row y (from the top), packed at the picture's depth.
void StoreIndexRow(const Dib& dib, int32_t y, const uint8_t* indices);
// Reads row y of a palette picture as one colour index per pixel.
void LoadIndexRow(const Dib& dib, int32_t y, uint8_t* indices);
// Reads row y of any depth as red, green, blue triples.
void LoadRgbRow(const Dib& dib, int32_t y, uint8_t* rgb);
// Reports the percentage of rows done, only when it changes; trivially destructible, so it may
// live in frames that libjpeg or libpng leave by longjmp.
class RowReporter {
 public:
  explicit RowReporter(int64_t count) : count_(count) {}
  void row(int64_t index);

 private:
  int64_t count_;
  int last_ = -1;
};

// Blends a colour with coverage `alpha` over white.
inline uint8_t BlendOverWhite(uint32_t value, uint32_t alpha) {
  return static_cast<uint8_t>((value * alpha + 255u * (255u - alpha) + 127u) / 255u);
}
