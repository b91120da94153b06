#pragma once
// The picture record exchanged with the graphics library: a device-independent bitmap in the
// Windows layout (bottom-up rows padded to 4 bytes, 24-bit pixels as blue, green, red).
#include <cstdint>

struct BITMAPINFOHEADER {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

struct RGBQUAD {
  uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};

// The library always allocates room for 256 colour-table entries behind the header.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

struct PALETTEENTRY {
  uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
};

struct LOGPALETTE256 {
  uint16_t palVersion = 0x300;
  uint16_t palNumEntries = 0;
  PALETTEENTRY palPalEntry[256];
};

// A logical palette object; devices read its entries when it is selected.
struct PaletteObject {
  uint16_t count = 0;
  PALETTEENTRY entries[256];
};
using HPALETTE = PaletteObject*;

HPALETTE CreatePalette(const LOGPALETTE256& pal);
void DeletePalette(HPALETTE pal);

struct Dib {
  BITMAPINFO* Info = nullptr;
  void* LibReserved1 = nullptr;
  void* LibReserved2 = nullptr;
  uint8_t* Bits = nullptr;
  int32_t BytesPerLine = 0;
  uint8_t HasPalette = 0;
  uint8_t Unused = 0;
  LOGPALETTE256 LogPal;
  HPALETTE Palette = nullptr;
  uint8_t LibReserved3[28] = {};
};

// Size limits of every picture the program creates or reads.
constexpr int32_t kMaxDibSide = 30000;
constexpr uint64_t kMaxDibBytes = uint64_t(1) << 30;

// Bytes per row for a width and depth, or 0 when it would exceed the limits.
int32_t DibStride(int32_t width, int bitCount);
// True when NewDib would accept this size and depth.
bool DibSizeAllowed(int32_t width, int32_t height, int bitCount);

// Creates a bottom-up picture; copies `colors` entries of `srcInfo`'s colour table when given.
// On failure (bad depth, size zero, negative or over the limits, no memory) Bits is null.
// Pixel memory starts zeroed.
void NewDib(Dib& dib, int32_t width, int32_t height, int bitCount, const BITMAPINFO* srcInfo,
            int colors);
// The same, with pixel memory left as it is: only for callers that write every byte of it
// (rows with their padding), such as the cover file reader.
void NewDibForOverwrite(Dib& dib, int32_t width, int32_t height, int bitCount,
                        const BITMAPINFO* srcInfo, int colors);
// Frees pixels, header and palette; the record is left empty.
void FreeDib(Dib& dib);
// Colour index for palette pictures; 0x00RRGGBB for 24 bits. Outside the picture: 0.
uint32_t GetDibPixel(const Dib& dib, int32_t x, int32_t y);
// Stores a value read with GetDibPixel; outside the picture nothing happens.
void SetDibPixel(const Dib& dib, int32_t x, int32_t y, uint32_t value);

int32_t DibWidth(const Dib& dib);
int32_t DibHeight(const Dib& dib);
uint16_t DibBitCount(const Dib& dib);
uint32_t PowerOfTwo(int n);
uint32_t DibColorCount(const Dib& dib);
// Colour-table entries of a depth: 1 -> 2, 4 -> 16, 8 -> 256, other -> 0.
int PaletteEntryCount(int bitCount);

// First byte of row y counted from the top.
inline uint8_t* DibRow(const Dib& dib, int32_t y) {
  return dib.Bits + static_cast<intptr_t>(DibHeight(dib) - 1 - y) * dib.BytesPerLine;
}

// Writes one colour into LogPal and the colour table; recreates Palette when asked.
void SetDibColor(Dib& dib, int index, uint8_t red, uint8_t green, uint8_t blue,
                 bool recreatePalette = true);
// Replaces Palette by a new palette made from LogPal.
void RecreatePalette(Dib& dib);
// A fresh 24-bit picture whose pixels are all 255 (white); Bits null on failure.
void NewWhiteDib(Dib& dib, int32_t width, int32_t height);
// An independent copy of pixels, colour table and palette; Bits null on failure.
void CopyDib(Dib& out, const Dib& src);

// Keeps freed picture memory in the process for the next picture instead of handing it back to
// the system at once, so that opening, scanning and retouching reuse pages rather than fault in
// fresh ones. Called once at the program's start.
void KeepPictureMemory();
