#include "tests/retouch/TestPictures.h"

#include <cstring>

void RandomDib(Dib& dib, int32_t w, int32_t h, int bpp, uint32_t seed) {
  std::mt19937 rng(seed);
  BITMAPINFO colours{};
  for (auto& q : colours.bmiColors) q = RGBQUAD{uint8_t(rng()), uint8_t(rng()), uint8_t(rng()), 0};
  NewDib(dib, w, h, bpp, &colours, PaletteEntryCount(bpp));
  if (!dib.Bits) return;
  const uint32_t mask = bpp == 24 ? 0xFFFFFFu : (1u << bpp) - 1;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) SetDibPixel(dib, x, y, rng() & mask);
}

void UniformDib(Dib& dib, int32_t w, int32_t h, uint8_t blue, uint8_t green, uint8_t red) {
  NewDib(dib, w, h, 24, nullptr, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      SetDibPixel(dib, x, y, uint32_t(blue) | uint32_t(green) << 8 | uint32_t(red) << 16);
}

std::vector<uint32_t> Pixels(const Dib& dib) {
  std::vector<uint32_t> v;
  for (int32_t y = 0; y < DibHeight(dib); ++y)
    for (int32_t x = 0; x < DibWidth(dib); ++x) v.push_back(GetDibPixel(dib, x, y));
  return v;
}

std::string ColourTable(const Dib& dib) {
  const int n = PaletteEntryCount(DibBitCount(dib));
  return n ? std::string(reinterpret_cast<const char*>(dib.Info->bmiColors),
                         sizeof(RGBQUAD) * size_t(n))
           : std::string();
}

std::string Fingerprint(const Dib& dib) {
  if (!dib.Bits) return "empty";
  std::string s(reinterpret_cast<const char*>(dib.Info), sizeof(BITMAPINFO));
  s.append(reinterpret_cast<const char*>(dib.Bits), dib.Info->bmiHeader.biSizeImage);
  s.append(reinterpret_cast<const char*>(&dib.LogPal), sizeof dib.LogPal);
  s += char(dib.HasPalette);
  if (dib.Palette) {
    s.append(reinterpret_cast<const char*>(&dib.Palette->count), sizeof dib.Palette->count);
    s.append(reinterpret_cast<const char*>(dib.Palette->entries), sizeof dib.Palette->entries);
  }
  return s;
}
