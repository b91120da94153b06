#include "platform/dib/Dib.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

HPALETTE CreatePalette(const LOGPALETTE256& pal) {
  auto* p = new (std::nothrow) PaletteObject;
  if (!p) return nullptr;
  p->count = pal.palNumEntries > 256 ? 256 : pal.palNumEntries;
  std::memcpy(p->entries, pal.palPalEntry, sizeof p->entries);
  return p;
}

void DeletePalette(HPALETTE pal) {
  delete pal;
}

int32_t DibStride(int32_t width, int bitCount) {
  if (width <= 0 || width > kMaxDibSide) return 0;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return 0;
  const int64_t bits = int64_t(width) * bitCount;
  return static_cast<int32_t>(((bits + 31) / 32) * 4);
}

bool DibSizeAllowed(int32_t width, int32_t height, int bitCount) {
  if (height <= 0 || height > kMaxDibSide) return false;
  const int32_t stride = DibStride(width, bitCount);
  return stride > 0 && uint64_t(stride) * uint64_t(height) <= kMaxDibBytes;
}

int PaletteEntryCount(int bitCount) {
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

namespace {
void MakeDib(Dib& dib, int32_t width, int32_t height, int bitCount, const BITMAPINFO* srcInfo,
             int colors, bool zeroed) {
  dib = Dib{};
  if (!DibSizeAllowed(width, height, bitCount)) return;
  const int32_t stride = DibStride(width, bitCount);
  const size_t size = size_t(stride) * size_t(height);
  auto* info = static_cast<BITMAPINFO*>(std::calloc(1, sizeof(BITMAPINFO)));
  auto* bits = static_cast<uint8_t*>(zeroed ? std::calloc(1, size) : std::malloc(size));
  if (!info || !bits) {
    std::free(info);
    std::free(bits);
    return;
  }
  const int entries = PaletteEntryCount(bitCount);
  info->bmiHeader = BITMAPINFOHEADER{};
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = height;
  info->bmiHeader.biBitCount = static_cast<uint16_t>(bitCount);
  info->bmiHeader.biSizeImage = static_cast<uint32_t>(size);
  info->bmiHeader.biClrUsed = static_cast<uint32_t>(entries);
  if (srcInfo && colors > 0) {
    const int n = colors < entries ? colors : entries;
    std::memcpy(info->bmiColors, srcInfo->bmiColors, sizeof(RGBQUAD) * size_t(n));
  }
  dib.Info = info;
  dib.Bits = bits;
  dib.BytesPerLine = stride;
  dib.HasPalette = entries > 0 ? 1 : 0;
  dib.LogPal.palVersion = 0x300;
  dib.LogPal.palNumEntries = static_cast<uint16_t>(entries);
  for (int i = 0; i < entries; ++i) {
    const RGBQUAD& q = info->bmiColors[i];
    dib.LogPal.palPalEntry[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
  }
  if (entries > 0) dib.Palette = CreatePalette(dib.LogPal);
}

}  // namespace

void NewDib(Dib& dib, int32_t width, int32_t height, int bitCount, const BITMAPINFO* srcInfo,
            int colors) {
  MakeDib(dib, width, height, bitCount, srcInfo, colors, true);
}

void NewDibForOverwrite(Dib& dib, int32_t width, int32_t height, int bitCount,
                        const BITMAPINFO* srcInfo, int colors) {
  MakeDib(dib, width, height, bitCount, srcInfo, colors, false);
}

void FreeDib(Dib& dib) {
  std::free(dib.Bits);
  std::free(dib.Info);
  DeletePalette(dib.Palette);
  dib = Dib{};
}

int32_t DibWidth(const Dib& dib) {
  return dib.Info ? dib.Info->bmiHeader.biWidth : 0;
}
int32_t DibHeight(const Dib& dib) {
  return dib.Info ? dib.Info->bmiHeader.biHeight : 0;
}
uint16_t DibBitCount(const Dib& dib) {
  return dib.Info ? dib.Info->bmiHeader.biBitCount : 0;
}

uint32_t PowerOfTwo(int n) {
  uint64_t v = 1;
  for (int i = 0; i < n && i < 32; ++i) v *= 2;
  return static_cast<uint32_t>(v > 0xFFFFFFFFu ? 0xFFFFFFFFu : v);
}

uint32_t DibColorCount(const Dib& dib) {
  return PowerOfTwo(DibBitCount(dib));
}

static bool Inside(const Dib& dib, int32_t x, int32_t y) {
  return dib.Bits && x >= 0 && y >= 0 && x < DibWidth(dib) && y < DibHeight(dib);
}

uint32_t GetDibPixel(const Dib& dib, int32_t x, int32_t y) {
  if (!Inside(dib, x, y)) return 0;
  const uint8_t* row = DibRow(dib, y);
  switch (DibBitCount(dib)) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    case 8:
      return row[x];
    case 24: {
      const uint8_t* p = row + size_t(x) * 3;
      return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
    }
    default:
      return 0;
  }
}

void SetDibPixel(const Dib& dib, int32_t x, int32_t y, uint32_t value) {
  if (!Inside(dib, x, y)) return;
  uint8_t* row = DibRow(dib, y);
  switch (DibBitCount(dib)) {
    case 1: {
      const uint8_t mask = uint8_t(0x80u >> (x & 7));
      row[x >> 3] = (value & 1u) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask);
      break;
    }
    case 4: {
      uint8_t& b = row[x >> 1];
      b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0x0F))
                  : uint8_t((b & 0x0F) | ((value & 0x0F) << 4));
      break;
    }
    case 8:
      row[x] = uint8_t(value);
      break;
    case 24: {
      uint8_t* p = row + size_t(x) * 3;
      p[0] = uint8_t(value);
      p[1] = uint8_t(value >> 8);
      p[2] = uint8_t(value >> 16);
      break;
    }
    default:
      break;
  }
}

void RecreatePalette(Dib& dib) {
  DeletePalette(dib.Palette);
  dib.Palette = CreatePalette(dib.LogPal);
}

void SetDibColor(Dib& dib, int index, uint8_t red, uint8_t green, uint8_t blue,
                 bool recreatePalette) {
  if (!dib.Info || index < 0 || index >= PaletteEntryCount(DibBitCount(dib))) return;
  dib.LogPal.palPalEntry[index] = PALETTEENTRY{red, green, blue, 0};
  dib.Info->bmiColors[index] = RGBQUAD{blue, green, red, 0};
  if (recreatePalette) RecreatePalette(dib);
}

void NewWhiteDib(Dib& dib, int32_t width, int32_t height) {
  NewDib(dib, width, height, 24, nullptr, 0);
  if (dib.Bits) std::memset(dib.Bits, 255, dib.Info->bmiHeader.biSizeImage);
}

void CopyDib(Dib& out, const Dib& src) {
  const int bpp = DibBitCount(src);
  NewDib(out, DibWidth(src), DibHeight(src), bpp, src.Info, PaletteEntryCount(bpp));
  if (!out.Bits) return;
  std::memcpy(out.Bits, src.Bits, src.Info->bmiHeader.biSizeImage);
  out.LogPal = src.LogPal;
  if (out.HasPalette) RecreatePalette(out);
}

void KeepPictureMemory() {
  constexpr int kLargestKept = 1 << 30;  // the largest picture NewDib makes
  mallopt(M_MMAP_THRESHOLD, kLargestKept);
  mallopt(M_TRIM_THRESHOLD, kLargestKept);
}
