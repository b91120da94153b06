#pragma once
// Test pictures, colour comparison and PPM exchange with outside tools for the format tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/Dib.h"
#include "tests/support/TestFiles.h"

// Owns a picture for the length of a test.
struct OwnedDib {
  Dib dib;
  OwnedDib() = default;
  OwnedDib(const OwnedDib&) = delete;
  OwnedDib& operator=(const OwnedDib&) = delete;
  ~OwnedDib() { FreeDib(dib); }
};

// A picture of the given depth with distinct colours and a pattern that defeats plain runs.
inline void MakeTestPicture(Dib& dib, int bpp, int w, int h) {
  NewDib(dib, w, h, bpp, nullptr, 0);
  const int colours = PaletteEntryCount(bpp);
  for (int i = 0; i < colours; ++i)
    SetDibColor(dib, i, uint8_t(i * 37 + 11), uint8_t(255 - i * 53), uint8_t(i * 101 + 7), false);
  if (colours) RecreatePalette(dib);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Runs of equal pixels on the left half, noise on the right.
      const uint32_t v = x < w / 2 ? uint32_t(y * 7 + x / 4) : uint32_t(x * 31 + y * 17 + x * y);
      SetDibPixel(dib, x, y, bpp == 24 ? (v * 2654435761u) & 0xFFFFFF : v % uint32_t(colours));
    }
}

// The colour shown at a pixel as 0xRRGGBB.
inline uint32_t ColourAt(const Dib& dib, int x, int y) {
  const uint32_t v = GetDibPixel(dib, x, y);
  if (DibBitCount(dib) == 24) return v;
  const RGBQUAD& q = dib.Info->bmiColors[v & 255];
  return uint32_t(q.rgbRed) << 16 | uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
}

struct RgbPicture {
  int w = 0, h = 0;
  std::vector<uint32_t> px;  // 0xRRGGBB, rows from the top
};

inline RgbPicture Colours(const Dib& dib) {
  RgbPicture p{DibWidth(dib), DibHeight(dib), {}};
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) p.px.push_back(ColourAt(dib, x, y));
  return p;
}

// Same size and every colour component within `tolerance`.
inline ::testing::AssertionResult SamePixels(const RgbPicture& a, const RgbPicture& b,
                                             int tolerance = 0) {
  if (a.w != b.w || a.h != b.h)
    return ::testing::AssertionFailure()
           << "size " << a.w << "x" << a.h << " vs " << b.w << "x" << b.h;
  for (size_t i = 0; i < a.px.size(); ++i)
    for (int s = 0; s < 24; s += 8) {
      const int d = int(a.px[i] >> s & 255) - int(b.px[i] >> s & 255);
      if (d > tolerance || -d > tolerance) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "pixel (%d,%d): %06X vs %06X", int(i) % a.w, int(i) / a.w,
                      a.px[i], b.px[i]);
        return ::testing::AssertionFailure() << buf;
      }
    }
  return ::testing::AssertionSuccess();
}

// Reads a binary PBM, PGM or PPM file of maxval 255 (P4, P5, P6).
inline bool ReadPnm(const std::string& path, RgbPicture& pic) {
  const std::vector<uint8_t> b = ReadBytes(path);
  size_t pos = 0;
  auto skipSpace = [&] {
    while (pos < b.size() && (std::isspace(b[pos]) || b[pos] == '#')) {
      if (b[pos] == '#')
        while (pos < b.size() && b[pos] != '\n') ++pos;
      else
        ++pos;
    }
  };
  auto number = [&] {
    skipSpace();
    int v = 0;
    while (pos < b.size() && std::isdigit(b[pos])) v = v * 10 + (b[pos++] - '0');
    return v;
  };
  if (b.size() < 3 || b[0] != 'P') return false;
  const char kind = char(b[1]);
  pos = 2;
  pic.w = number();
  pic.h = number();
  const int maxval = kind == '4' ? 1 : number();
  ++pos;
  if (maxval != 255 && kind != '4') return false;
  pic.px.clear();
  const size_t bitRow = (size_t(pic.w) + 7) / 8;
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) {
      uint32_t c = 0;
      if (kind == '6') {
        if (pos + 3 > b.size()) return false;
        c = uint32_t(b[pos]) << 16 | uint32_t(b[pos + 1]) << 8 | b[pos + 2];
        pos += 3;
      } else if (kind == '5') {
        if (pos >= b.size()) return false;
        c = b[pos++] * 0x010101u;
      } else if (kind == '4') {
        const size_t at = pos + size_t(y) * bitRow + size_t(x) / 8;
        if (at >= b.size()) return false;
        c = (b[at] >> (7 - x % 8) & 1) ? 0 : 0xFFFFFF;
      } else {
        return false;
      }
      pic.px.push_back(c);
    }
  return true;
}

inline void WritePpm(const std::string& path, const RgbPicture& pic) {
  std::vector<uint8_t> b;
  const std::string head = "P6\n" + std::to_string(pic.w) + " " + std::to_string(pic.h) + "\n255\n";
  b.insert(b.end(), head.begin(), head.end());
  for (uint32_t c : pic.px)
    b.push_back(uint8_t(c >> 16)), b.push_back(uint8_t(c >> 8)), b.push_back(uint8_t(c));
  WriteBytes(path, b);
}

inline bool HaveTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command quietly; true when it exits with 0.
inline bool Run(const std::string& command) {
  return std::system(("(" + command + ") 2>/dev/null").c_str()) == 0;
}

// Reads a file with one of our readers.
inline bool ReadFile(PictureReader reader, const std::string& path, Dib& dib, std::string& error) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  return reader(ByteView{bytes.data(), bytes.size()}, dib, error);
}
