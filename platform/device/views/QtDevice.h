#pragma once
// The drawing device on a QPainter: widgets in their paint event, off-screen QImages and
// printers. Palette pictures show the colours of their own colour table.
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/device/Device.h"

// A compatible bitmap: an RGB32 image.
class QtBitmap : public CompatibleBitmap {
 public:
  explicit QtBitmap(QImage img) : image(std::move(img)) {}
  int width() const override { return image.width(); }
  int height() const override { return image.height(); }
  QImage image;
};

class QtDevice : public Device {
 public:
  // Draws with the caller's active painter (paint events, print jobs).
  explicit QtDevice(QPainter& painter);
  // Opens its own painter on `device` for its lifetime (off-screen images).
  explicit QtDevice(QPaintDevice& device);
  ~QtDevice() override;
  QtDevice(const QtDevice&) = delete;
  QtDevice& operator=(const QtDevice&) = delete;

  QPainter* painter() const { return painter_; }
  // The selected bitmap of a memory device, else nullptr.
  QtBitmap* selectedBitmap() const { return selected_; }

  int GetDeviceCaps(int index) override;
  RECT GetClipBox() override;
  int SetStretchBltMode(int mode) override;
  int StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc,
                    int hSrc, const uint8_t* bits, const BITMAPINFO* info, uint32_t rop) override;
  int SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc, int startScan,
                        int lines, const uint8_t* bits, const BITMAPINFO* info) override;
  bool GetDirectPixels(DirectPixels& pixels) override;
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
  bool SetTextOutline(int width) override;
  bool DrawAlphaImage(int x, int y, int w, int h, const uint8_t* bgra) override;
  FontMetrics GetFontMetrics(const LogFont& font) override;
  std::vector<double> GetCharWidths(const LogFont& font, const std::string& text) override;

 private:
  QtDevice(int technology, int dpiX, int dpiY);  // a memory device
  void ApplyState();
  QFont MakeFont(const LogFont& f) const;
  // The image drawn on when pixels can be written into it directly, with the device offset.
  QImage* DirectImage(QPoint& offset, QRect& bounds) const;
  bool ClippedAway(const QRect& deviceRect) const;
  void SetRop(uint32_t rop);

  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_ = nullptr;
  QtBitmap* selected_ = nullptr;
  bool memory_ = false;
  int technology_ = DT_RASDISPLAY, dpiX_ = 96, dpiY_ = 96;
  int stretchMode_ = BLACKONWHITE;
  HPALETTE palette_ = nullptr;
  COLORREF penColor_ = 0, brushColor_ = 0xFFFFFF, textColor_ = 0, bkColor_ = 0xFFFFFF;
  int penWidth_ = 1, bkMode_ = OPAQUE;
  uint32_t textAlign_ = TA_LEFT_TOP;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  LogFont logFont_;
  QFont font_;
  bool fontMade_ = false;  // font_ was made from logFont_
  // The glyphs of single letters in font_, so that letters drawn one by one skip text layout.
  QHash<QChar, QGlyphRun> letterGlyphs_;
  const QGlyphRun& LetterGlyph(QChar c);
  int textOutline_ = 0;
  // The text outline of `path` in the text colour (see SetTextOutline).
  void DrawOutline(const QPainterPath& path);
};
