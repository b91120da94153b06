#include "tests/platform/codecs/PictureSamples.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/dib/DibRows.h"
#include "tests/support/TestFiles.h"

namespace gfxtest {

void MakeSample(Dib& dib, int bits, int32_t width, int32_t height, bool grey) {
  NewDib(dib, width, height, bits, nullptr, 0);
  if (!dib.Bits) return;
  const int entries = PaletteEntryCount(bits);
  if (grey)
    SetGreyColors(dib);
  else
    for (int i = 0; i < entries; ++i)
      SetDibColor(dib, i, uint8_t(i * 37 + 11), uint8_t(255 - i * 13), uint8_t(i * 91 + 7), false);
  if (entries) RecreatePalette(dib);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      if (bits == 24)
        SetDibPixel(dib, x, y,
                    uint32_t((x * 255 / width) << 16 | (y * 255 / height) << 8 | ((x * y) & 255)));
      else
        SetDibPixel(dib, x, y, uint32_t((x + 3 * y + x * y / 5) % entries));
    }
}

Rgb PixelsOf(const Dib& dib) {
  Rgb r{DibWidth(dib), DibHeight(dib), {}};
  r.pixels.resize(size_t(r.width) * size_t(r.height) * 3);
  for (int32_t y = 0; y < r.height; ++y)
    LoadRgbRow(dib, y, &r.pixels[size_t(y) * size_t(r.width) * 3]);
  return r;
}

int MaxDifference(const Rgb& a, const Rgb& b) {
  if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) return -1;
  int worst = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    worst = std::max(worst, std::abs(a.pixels[i] - b.pixels[i]));
  return worst;
}

bool HaveTool(const std::string& name) {
  return RunShell("command -v " + name + " >/dev/null 2>&1");
}

bool RunShell(const std::string& command) {
  return std::system(("(" + command + ") 2>/dev/null").c_str()) == 0;
}

Rgb ReadPnm(const std::string& path) {
  Rgb r;
  const std::vector<uint8_t> bytes = ReadBytes(path);
  size_t pos = 0;
  // Header tokens, skipping comments; one whitespace byte follows the last.
  auto token = [&]() {
    std::string t;
    while (pos < bytes.size()) {
      const char c = char(bytes[pos]);
      if (c == '#') {
        while (pos < bytes.size() && bytes[pos] != '\n') ++pos;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        if (!t.empty()) break;
        ++pos;
      } else {
        t += c;
        ++pos;
      }
    }
    return t;
  };
  const std::string magic = token();
  r.width = std::atoi(token().c_str());
  r.height = std::atoi(token().c_str());
  const int maxval = std::atoi(token().c_str());
  const size_t start = pos + 1;
  if ((magic != "P6" && magic != "P5") || maxval != 255 || r.width <= 0 || r.height <= 0)
    return Rgb{};
  const size_t n = size_t(r.width) * size_t(r.height);
  const size_t channels = magic == "P6" ? 3 : 1;
  if (bytes.size() < start + n * channels) return Rgb{};
  r.pixels.resize(n * 3);
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < 3; ++k)
      r.pixels[3 * i + k] = bytes[start + i * channels + (channels == 3 ? k : 0)];
  return r;
}

void WritePnm(const std::string& path, const Rgb& rgb, const std::vector<uint8_t>& alpha) {
  std::ostringstream head;
  if (alpha.empty())
    head << "P6\n" << rgb.width << " " << rgb.height << "\n255\n";
  else
    head << "P7\nWIDTH " << rgb.width << "\nHEIGHT " << rgb.height
         << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  const std::string h = head.str();
  std::vector<uint8_t> bytes(h.begin(), h.end());
  const size_t n = size_t(rgb.width) * size_t(rgb.height);
  for (size_t i = 0; i < n; ++i) {
    bytes.insert(bytes.end(), rgb.pixels.begin() + long(3 * i),
                 rgb.pixels.begin() + long(3 * i + 3));
    if (!alpha.empty()) bytes.push_back(alpha[i]);
  }
  WriteBytes(path, bytes);
}

Rgb MagickPixels(const std::string& path) {
  const std::string out = path + ".ref.ppm";
  if (!RunShell("convert '" + path +
                "[0]' -background white -alpha remove -alpha off -depth 8 'ppm:" + out + "'"))
    return Rgb{};
  return ReadPnm(out);
}

Rgb Pattern(int32_t width, int32_t height, int colors) {
  Rgb r{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      uint8_t* p = &r.pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
      if (colors > 0) {
        const int i = (x / 3 + y / 2 * 5) % colors;
        p[0] = uint8_t(i * 47 + 20), p[1] = uint8_t(i * 101 + 3), p[2] = uint8_t(250 - i * 29);
      } else {
        p[0] = uint8_t(x * 255 / std::max(1, width - 1));
        p[1] = uint8_t(y * 255 / std::max(1, height - 1));
        p[2] = uint8_t((x * 7 + y * 13) & 255);
      }
    }
  return r;
}

}  // namespace gfxtest
