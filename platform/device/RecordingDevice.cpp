#include "platform/device/RecordingDevice.h"

namespace {
class RecordedBitmap : public CompatibleBitmap {
 public:
  RecordedBitmap(int w, int h) : w_(w), h_(h) {}
  int width() const override { return w_; }
  int height() const override { return h_; }

 private:
  int w_, h_;
};

std::vector<uint8_t> FirstRow(const uint8_t* bits, const BITMAPINFO* info) {
  if (!bits || !info) return {};
  const int32_t stride = DibStride(info->bmiHeader.biWidth, info->bmiHeader.biBitCount);
  return std::vector<uint8_t>(bits, bits + (stride > 0 ? stride : 0));
}
}  // namespace

RecordingDevice::Call& RecordingDevice::record(const std::string& name,
                                               std::vector<long long> args) {
  log->calls.push_back(Call{name, std::move(args), {}, {}, nullptr});
  return log->calls.back();
}

std::vector<RecordingDevice::Call> RecordingDevice::named(const std::string& name) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.name == name) out.push_back(c);
  return out;
}

int RecordingDevice::count(const std::string& name) const {
  int n = 0;
  for (const Call& c : calls) n += c.name == name;
  return n;
}

std::vector<std::string> RecordingDevice::names() const {
  std::vector<std::string> out;
  for (const Call& c : calls) out.push_back(c.name);
  return out;
}

int RecordingDevice::GetDeviceCaps(int index) {
  switch (index) {
    case TECHNOLOGY:
      return technology;
    case RASTERCAPS:
      return rasterCaps;
    case LOGPIXELSX:
      return dpiX;
    case LOGPIXELSY:
      return dpiY;
    case HORZRES:
      return width;
    case VERTRES:
      return height;
    case BITSPIXEL:
      return bitsPerPixel;
    default:
      return 0;
  }
}

int RecordingDevice::SetStretchBltMode(int mode) {
  record("SetStretchBltMode", {mode});
  const int old = stretchMode;
  stretchMode = mode;
  return old;
}

int RecordingDevice::StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc,
                                   int wSrc, int hSrc, const uint8_t* bits, const BITMAPINFO* info,
                                   uint32_t rop) {
  Call& c = record("StretchDIBits", {xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc, rop});
  c.bits = bits;
  c.row = FirstRow(bits, info);
  return refuse.count("StretchDIBits") ? GDI_ERROR : hSrc;
}

int RecordingDevice::SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc,
                                       int startScan, int lines, const uint8_t* bits,
                                       const BITMAPINFO* info) {
  Call& c = record("SetDIBitsToDevice", {xDest, yDest, w, h, xSrc, ySrc, startScan, lines});
  c.bits = bits;
  c.row = FirstRow(bits, info);
  return refuse.count("SetDIBitsToDevice") ? 0 : lines;
}

std::unique_ptr<CompatibleBitmap> RecordingDevice::CreateCompatibleBitmap(int w, int h) {
  record("CreateCompatibleBitmap", {w, h});
  if (refuse.count("CreateCompatibleBitmap")) return nullptr;
  return std::make_unique<RecordedBitmap>(w, h);
}

std::unique_ptr<Device> RecordingDevice::CreateCompatibleDC() {
  record("CreateCompatibleDC", {});
  if (refuse.count("CreateCompatibleDC")) return nullptr;
  auto dc = std::make_unique<RecordingDevice>();
  dc->log = log;
  dc->refuse = refuse;
  dc->technology = technology;
  dc->rasterCaps = rasterCaps;
  return dc;
}

CompatibleBitmap* RecordingDevice::SelectBitmap(CompatibleBitmap* bitmap) {
  record("SelectBitmap", {bitmap ? bitmap->width() : 0, bitmap ? bitmap->height() : 0});
  CompatibleBitmap* old = selected_;
  selected_ = bitmap;
  return old;
}

int RecordingDevice::SetDIBits(CompatibleBitmap&, int startScan, int lines, const uint8_t* bits,
                               const BITMAPINFO* info) {
  Call& c = record("SetDIBits", {startScan, lines});
  c.bits = bits;
  c.row = FirstRow(bits, info);
  return refuse.count("SetDIBits") ? 0 : lines;
}

int RecordingDevice::GetDIBits(CompatibleBitmap&, int startScan, int lines, uint8_t*, BITMAPINFO*) {
  record("GetDIBits", {startScan, lines});
  return refuse.count("GetDIBits") ? 0 : lines;
}

bool RecordingDevice::StretchBlt(int xDest, int yDest, int wDest, int hDest, Device&, int xSrc,
                                 int ySrc, int wSrc, int hSrc, uint32_t rop) {
  record("StretchBlt", {xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc, rop});
  return !refuse.count("StretchBlt");
}

HPALETTE RecordingDevice::SelectPalette(HPALETTE pal, bool forceBackground) {
  record("SelectPalette", {reinterpret_cast<long long>(pal), forceBackground});
  HPALETTE old = palette;
  palette = pal;
  return old;
}

int RecordingDevice::RealizePalette() {
  record("RealizePalette", {});
  return palette ? palette->count : 0;
}

void RecordingDevice::SetPenColor(COLORREF color) {
  record("SetPenColor", {color});
  penColor = color;
}

void RecordingDevice::SetPenWidth(int w) {
  record("SetPenWidth", {w});
  penWidth = w;
}

void RecordingDevice::SetBrushColor(COLORREF color) {
  record("SetBrushColor", {color});
  brushColor = color;
}

void RecordingDevice::SetBrushStyle(BrushStyle style) {
  record("SetBrushStyle", {style == BrushStyle::Solid ? 0 : 1});
  brushStyle = style;
}

COLORREF RecordingDevice::SetTextColor(COLORREF color) {
  record("SetTextColor", {color});
  const COLORREF old = textColor;
  textColor = color;
  return old;
}

int RecordingDevice::SetBkMode(int mode) {
  record("SetBkMode", {mode});
  const int old = bkMode;
  bkMode = mode;
  return old;
}

uint32_t RecordingDevice::SetTextAlign(uint32_t align) {
  record("SetTextAlign", {align});
  const uint32_t old = textAlign;
  textAlign = align;
  return old;
}

LogFont RecordingDevice::SelectFont(const LogFont& f) {
  Call& c = record("SelectFont", {f.height, f.escapement, f.orientation, f.weight, f.italic,
                                  f.underline, f.strikeOut});
  c.text = f.faceName;
  const LogFont old = font;
  font = f;
  return old;
}

void RecordingDevice::Rectangle(int l, int t, int r, int b) {
  record("Rectangle", {l, t, r, b});
}
bool RecordingDevice::DrawAlphaImage(int x, int y, int w, int h, const uint8_t* bgra) {
  Call& c = record("DrawAlphaImage", {x, y, w, h});
  if (refuse.count("DrawAlphaImage")) return false;
  c.row.assign(bgra, bgra + size_t(w) * size_t(h) * 4);
  c.bits = bgra;
  return true;
}

void RecordingDevice::Ellipse(int l, int t, int r, int b) {
  record("Ellipse", {l, t, r, b});
}

void RecordingDevice::RoundRect(int l, int t, int r, int b, int w, int h) {
  record("RoundRect", {l, t, r, b, w, h});
}

void RecordingDevice::Line(int x1, int y1, int x2, int y2) {
  record("Line", {x1, y1, x2, y2});
}

void RecordingDevice::TextOut(int x, int y, const std::string& text) {
  record("TextOut", {x, y}).text = text;
}

int RecordingDevice::DrawText(const std::string& text, const RECT& r, uint32_t format) {
  record("DrawText", {r.left, r.top, r.right, r.bottom, format}).text = text;
  return r.bottom - r.top;
}
