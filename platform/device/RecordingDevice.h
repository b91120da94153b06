#pragma once
// A device that records the calls it gets and can be told to refuse any of them; for tests.
#include <set>
#include <string>
#include <vector>

#include "platform/device/Device.h"

class RecordingDevice : public Device {
 public:
  struct Call {
    std::string name;
    std::vector<long long> args;
    std::string text;          // TextOut / DrawText text, font face
    std::vector<uint8_t> row;  // first row of the bits handed over (DIB transfers)
    const uint8_t* bits = nullptr;
  };

  // Device caps answered by GetDeviceCaps.
  int technology = DT_RASDISPLAY;
  int rasterCaps = RC_BITBLT | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
  int dpiX = 96, dpiY = 96;
  int width = 1000, height = 1000, bitsPerPixel = 24;
  // Answered by GetClipBox (not recorded); reaches everywhere unless a test narrows it.
  RECT clipBox{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

  // Names of calls that fail ("StretchDIBits", "SetDIBitsToDevice", "CreateCompatibleBitmap",
  // "CreateCompatibleDC", "SetDIBits", "GetDIBits", "StretchBlt").
  std::set<std::string> refuse;

  std::vector<Call> calls;
  // Memory devices made by CreateCompatibleDC record into the same list.
  RecordingDevice* log = this;

  std::vector<Call> named(const std::string& name) const;
  int count(const std::string& name) const;
  std::vector<std::string> names() const;

  // Current state, as the setters left it.
  COLORREF penColor = 0, brushColor = 0xFFFFFF, textColor = 0;
  int penWidth = 1, bkMode = OPAQUE, stretchMode = BLACKONWHITE;
  uint32_t textAlign = TA_LEFT_TOP;
  BrushStyle brushStyle = BrushStyle::Solid;
  LogFont font;
  HPALETTE palette = nullptr;

  int GetDeviceCaps(int index) override;
  RECT GetClipBox() override { return clipBox; }
  int SetStretchBltMode(int mode) override;
  int StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc,
                    int hSrc, const uint8_t* bits, const BITMAPINFO* info, uint32_t rop) override;
  int SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc, int startScan,
                        int lines, const uint8_t* bits, const BITMAPINFO* info) override;
  std::unique_ptr<CompatibleBitmap> CreateCompatibleBitmap(int w, int h) override;
  std::unique_ptr<Device> CreateCompatibleDC() override;
  CompatibleBitmap* SelectBitmap(CompatibleBitmap* bitmap) override;
  int SetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, const uint8_t* bits,
                const BITMAPINFO* info) override;
  int GetDIBits(CompatibleBitmap& bitmap, int startScan, int lines, uint8_t* bits,
                BITMAPINFO* info) override;
  bool StretchBlt(int xDest, int yDest, int wDest, int hDest, Device& src, int xSrc, int ySrc,
                  int wSrc, int hSrc, uint32_t rop) override;
  HPALETTE SelectPalette(HPALETTE palette, bool forceBackground) override;
  int RealizePalette() override;
  void SetPenColor(COLORREF color) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(COLORREF color) override;
  void SetBrushStyle(BrushStyle style) override;
  COLORREF SetTextColor(COLORREF color) override;
  int SetBkMode(int mode) override;
  uint32_t SetTextAlign(uint32_t align) override;
  LogFont SelectFont(const LogFont& font) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int w, int h) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& text) override;
  int DrawText(const std::string& text, const RECT& rect, uint32_t format) override;
  // Recorded with every pixel in `row`; refused like the transfers when named in `refuse`.
  bool DrawAlphaImage(int x, int y, int w, int h, const uint8_t* bgra) override;

 private:
  Call& record(const std::string& name, std::vector<long long> args);
  CompatibleBitmap* selected_ = nullptr;
};
