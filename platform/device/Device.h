#pragma once
// A small GDI-style drawing device: device caps, DIB transfer, palettes, pens, brushes, fonts,
// shapes and text. The Qt implementation serves widgets, off-screen images and printers; the
// recording device serves tests. Coordinates are device pixels; rectangles exclude right/bottom.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dib/Dib.h"

using COLORREF = uint32_t;  // 0x00BBGGRR
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
  return COLORREF(r) | COLORREF(g) << 8 | COLORREF(b) << 16;
}

struct RECT {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const RECT&) const = default;
};

// GetDeviceCaps indices and values.
enum : int {
  TECHNOLOGY = 2,
  HORZRES = 8,
  VERTRES = 10,
  BITSPIXEL = 12,
  RASTERCAPS = 38,
  LOGPIXELSX = 88,
  LOGPIXELSY = 90
};
enum : int { DT_RASDISPLAY = 1, DT_RASPRINTER = 2 };
enum : int {
  RC_BITBLT = 0x0001,
  RC_PALETTE = 0x0100,
  RC_DIBTODEV = 0x0200,
  RC_STRETCHBLT = 0x0800,
  RC_STRETCHDIB = 0x2000
};
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr int GDI_ERROR = -1;
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
// DrawText flags.
enum : uint32_t {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_WORDBREAK = 0x10,
  DT_NOCLIP = 0x100,
  DT_NOPREFIX = 0x800
};
// Text alignment for TextOut.
enum : uint32_t { TA_LEFT_TOP = 0x0, TA_BASELINE = 0x18 };

enum class BrushStyle { Solid, Clear };

struct LogFont {
  int32_t height = 0;                       // negative: character height without internal leading
  int32_t escapement = 0, orientation = 0;  // tenths of a degree, counter-clockwise
  int32_t weight = 400;
  bool italic = false, underline = false, strikeOut = false;
  std::string faceName;
  bool operator==(const LogFont&) const = default;
};

// Ascent and descent of a font in device pixels, as its text metrics give them.
struct FontMetrics {
  double ascent = 0, descent = 0;
};

class Device;
// A device-dependent bitmap made by CreateCompatibleBitmap; freed by its owner with delete.
class CompatibleBitmap {
 public:
  virtual ~CompatibleBitmap() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
};

// Opaque 32-bit pixels (0xFFRRGGBB) a device shows as they are written, row after row.
struct DirectPixels {
  uint32_t* bits = nullptr;
  int64_t pixelsPerRow = 0;
  int32_t offsetX = 0, offsetY = 0;  // where a drawing position lies in the rows
  RECT bounds;                       // the pixels that may be written, in the rows' coordinates
};

class Device {
 public:
  virtual ~Device() = default;

  virtual int GetDeviceCaps(int index) = 0;
  // Bounding rectangle of the part drawing can reach; work outside it may be skipped.
  virtual RECT GetClipBox() { return RECT{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}; }
  virtual int SetStretchBltMode(int mode) = 0;  // returns the previous mode

  // DIB transfer (source rows in DIB order: ySrc counts from the bottom). Return the number of
  // scan lines drawn, GDI_ERROR (StretchDIBits) or 0 (SetDIBitsToDevice) on failure.
  virtual int StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc,
                            int wSrc, int hSrc, const uint8_t* bits, const BITMAPINFO* info,
                            uint32_t rop) = 0;
  virtual int SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc,
                                int startScan, int lines, const uint8_t* bits,
                                const BITMAPINFO* info) = 0;
  // Where 24-bit rows may be written straight, as SetDIBitsToDevice would write them, by
  // several threads at once for rows that do not overlap; false when it must be called.
  virtual bool GetDirectPixels(DirectPixels& pixels) {
    (void)pixels;
    return false;
  }

  // Compatible bitmaps and memory devices; nullptr when the device cannot make them.
  virtual std::unique_ptr<CompatibleBitmap> CreateCompatibleBitmap(int w, int h) = 0;
  virtual std::unique_ptr<Device> CreateCompatibleDC() = 0;
  // Memory devices: selects the bitmap to draw on (nullptr: none); returns the previous one.
  virtual CompatibleBitmap* SelectBitmap(CompatibleBitmap* bitmap) = 0;
  // Lines set into / read from a compatible bitmap; 0 on failure.
  virtual int SetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, const uint8_t* bits,
                        const BITMAPINFO* info) = 0;
  virtual int GetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, uint8_t* bits,
                        BITMAPINFO* info) = 0;
  // Copies from a memory device's selected bitmap; false on failure.
  virtual bool StretchBlt(int xDest, int yDest, int wDest, int hDest, Device& src, int xSrc,
                          int ySrc, int wSrc, int hSrc, uint32_t rop) = 0;

  // Palettes: the selected palette maps the colour indices of palette DIBs.
  virtual HPALETTE SelectPalette(HPALETTE palette, bool forceBackground) = 0;
  virtual int RealizePalette() = 0;

  // Drawing state; each setter changes one attribute of the current pen, brush or text.
  virtual void SetPenColor(COLORREF color) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetBrushColor(COLORREF color) = 0;
  virtual void SetBrushStyle(BrushStyle style) = 0;
  virtual COLORREF SetTextColor(COLORREF color) = 0;
  virtual int SetBkMode(int mode) = 0;
  virtual uint32_t SetTextAlign(uint32_t align) = 0;
  // Selects a font made from `font`; returns the font selected before.
  virtual LogFont SelectFont(const LogFont& font) = 0;

  // Shapes, drawn with the current pen and filled with the current brush.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  virtual void RoundRect(int left, int top, int right, int bottom, int w, int h) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;  // excludes the end point
  // Text in the Windows-1252 code page, in the current font and text colour.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Formatted text into a rectangle (DT_ flags); returns the height of the text drawn.
  virtual int DrawText(const std::string& text, const RECT& rect, uint32_t format) = 0;
  // From now on TextOut and DrawText draw the text grown by `width` pixels on every side, in one
  // go; 0 draws plain text again. False when the device cannot: the caller then draws the text
  // at every offset up to `width` itself.
  virtual bool SetTextOutline(int width) {
    (void)width;
    return false;
  }

  // Lays `w` x `h` premultiplied pixels (blue, green, red, alpha; rows from the top) over what
  // is drawn. False when the device cannot: the caller then draws them over white itself.
  virtual bool DrawAlphaImage(int x, int y, int w, int h, const uint8_t* bgra) {
    (void)x, (void)y, (void)w, (void)h, (void)bgra;
    return false;
  }
  // Measuring a font without selecting it: its metrics and the advance width of each character
  // of `text`, in fractions of a pixel. The defaults estimate from the character height alone.
  virtual FontMetrics GetFontMetrics(const LogFont& font) {
    const double h = font.height < 0 ? -font.height : font.height;
    return {h, h / 4};
  }
  virtual std::vector<double> GetCharWidths(const LogFont& font, const std::string& text) {
    const double h = font.height < 0 ? -font.height : font.height;
    return std::vector<double>(text.size(), h / 2);
  }
};
