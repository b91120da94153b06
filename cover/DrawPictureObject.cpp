#include "cover/DrawPictureObject.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

#include "picture/DrawDib.h"

namespace {
COLORREF FromRrggbb(uint32_t c) {
  return RGB(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c));
}

RECT Intersect(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

bool Empty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// The source pixel under a destination pixel of the fitted rectangle.
struct SourceMap {
  const RECT& fitted;
  int32_t w, h;  // source size
  const PictureSettings& s;

  void at(int32_t x, int32_t y, int32_t& sx, int32_t& sy) const {
    const bool across = s.turns % 2 == 1;
    const int64_t ow = across ? h : w, oh = across ? w : h;
    const int64_t fw = fitted.right - fitted.left, fh = fitted.bottom - fitted.top;
    // The source pixel under the destination pixel's centre.
    int64_t u = std::clamp<int64_t>((2 * int64_t(x - fitted.left) + 1) * ow / (2 * fw), 0, ow - 1);
    int64_t v = std::clamp<int64_t>((2 * int64_t(y - fitted.top) + 1) * oh / (2 * fh), 0, oh - 1);
    if (s.mirrorX) u = ow - 1 - u;
    if (s.mirrorY) v = oh - 1 - v;
    switch (s.turns) {
      case 1:
        sx = int32_t(v), sy = int32_t(h - 1 - u);
        break;
      case 2:
        sx = int32_t(w - 1 - u), sy = int32_t(h - 1 - v);
        break;
      case 3:
        sx = int32_t(w - 1 - v), sy = int32_t(u);
        break;
      default:
        sx = int32_t(u), sy = int32_t(v);
    }
  }
};

bool Opaque(const PlacedPicture& p) {
  return p.pixels->alpha().empty() && p.settings.opacity == 100 && !p.settings.keyed;
}

uint64_t Mix(uint64_t h, int64_t v) {
  return (h ^ uint64_t(v)) * 0x100000001B3ull;
}

uint64_t CacheKey(const RECT& fitted, const RECT& visible, const PictureSettings& s) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (int64_t v : {int64_t(fitted.left), int64_t(fitted.top), int64_t(fitted.right),
                    int64_t(fitted.bottom), int64_t(visible.left), int64_t(visible.top),
                    int64_t(visible.right), int64_t(visible.bottom), int64_t(s.fit),
                    int64_t(s.turns), int64_t(s.mirrorX), int64_t(s.mirrorY), int64_t(s.opacity),
                    int64_t(s.keyed), int64_t(s.key), int64_t(s.tolerance)})
    h = Mix(h, v);
  return h | 1;  // never the empty cache's 0
}

// The visible part, same depth and palette as the picture.
bool ScaleOpaque(const PicturePixels& p, const SourceMap& map, const RECT& v, Dib& out) {
  const Dib& src = p.dib();
  const int bits = DibBitCount(src);
  NewDib(out, v.right - v.left, v.bottom - v.top, bits, src.Info, PaletteEntryCount(bits));
  if (!out.Bits) return false;
  for (int32_t y = v.top; y < v.bottom; ++y)
    for (int32_t x = v.left; x < v.right; ++x) {
      int32_t sx = 0, sy = 0;
      map.at(x, y, sx, sy);
      SetDibPixel(out, x - v.left, y - v.top, GetDibPixel(src, sx, sy));
    }
  return true;
}

// The visible part as premultiplied pixels with the alpha, opacity and key colour applied.
bool ScaleClear(const PicturePixels& p, const SourceMap& map, const RECT& v,
                const PictureSettings& s, std::vector<uint8_t>& out) {
  const Dib& src = p.dib();
  const bool palette = DibBitCount(src) <= 8;
  const int32_t w = v.right - v.left, h = v.bottom - v.top;
  try {
    out.assign(size_t(w) * size_t(h) * 4, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const int kr = int(s.key >> 16 & 255), kg = int(s.key >> 8 & 255), kb = int(s.key & 255);
  uint8_t* d = out.data();
  for (int32_t y = v.top; y < v.bottom; ++y)
    for (int32_t x = v.left; x < v.right; ++x, d += 4) {
      int32_t sx = 0, sy = 0;
      map.at(x, y, sx, sy);
      const uint32_t value = GetDibPixel(src, sx, sy);
      int r = 0, g = 0, b = 0;
      if (palette) {
        const RGBQUAD& q = src.Info->bmiColors[value & 255];
        r = q.rgbRed, g = q.rgbGreen, b = q.rgbBlue;
      } else {
        r = int(value >> 16 & 255), g = int(value >> 8 & 255), b = int(value & 255);
      }
      int a = p.alpha().empty() ? 255 : p.alpha()[size_t(sy) * size_t(p.width()) + size_t(sx)];
      if (s.keyed && std::abs(r - kr) <= s.tolerance && std::abs(g - kg) <= s.tolerance &&
          std::abs(b - kb) <= s.tolerance)
        a = 0;
      a = (a * s.opacity + 50) / 100;
      d[0] = uint8_t((b * a + 127) / 255);
      d[1] = uint8_t((g * a + 127) / 255);
      d[2] = uint8_t((r * a + 127) / 255);
      d[3] = uint8_t(a);
    }
  return true;
}

int64_t Width(const RECT& r) {
  return int64_t(r.right) - r.left;
}

int64_t Height(const RECT& r) {
  return int64_t(r.bottom) - r.top;
}

// On a printer, an opaque picture shown whole, unturned and unmirrored, is drawn from its own
// pixels rather than from a copy at the printer's resolution.
bool DrawsWhole(Device& dc, const PlacedPicture& picture, const RECT& fitted, const RECT& visible) {
  const PictureSettings& s = picture.settings;
  return dc.GetDeviceCaps(TECHNOLOGY) == DT_RASPRINTER && Opaque(picture) && s.turns == 0 &&
         !s.mirrorX && !s.mirrorY && !Empty(fitted) && visible.left == fitted.left &&
         visible.top == fitted.top && visible.right == fitted.right &&
         visible.bottom == fitted.bottom;
}

// For a device that cannot blend: the pixels laid over white, as the picture readers do.
void DrawOverWhite(Device& dc, const RECT& v, const std::vector<uint8_t>& bgra) {
  Dib flat;
  NewDib(flat, v.right - v.left, v.bottom - v.top, 24, nullptr, 0);
  if (!flat.Bits) return;
  const uint8_t* s = bgra.data();
  for (int32_t y = 0; y < v.bottom - v.top; ++y) {
    uint8_t* row = DibRow(flat, y);
    for (int32_t x = 0; x < v.right - v.left; ++x, s += 4)
      for (int c = 0; c < 3; ++c) row[3 * x + c] = uint8_t(s[c] + 255 - s[3]);
  }
  DrawDib(dc, v.left, v.top, DibWidth(flat), DibHeight(flat), flat, 0, 0, DibWidth(flat),
          DibHeight(flat), true, SRCCOPY, true, nullptr);
  FreeDib(flat);
}
}  // namespace

RECT FittedPictureRect(const RECT& box, int32_t pictureWidth, int32_t pictureHeight,
                       const PictureSettings& s) {
  if (s.fit == PictureFit::Stretch || pictureWidth <= 0 || pictureHeight <= 0) return box;
  const bool across = s.turns % 2 == 1;
  const double ow = across ? pictureHeight : pictureWidth;
  const double oh = across ? pictureWidth : pictureHeight;
  const double bw = box.right - box.left, bh = box.bottom - box.top;
  const double scale =
      s.fit == PictureFit::Contain ? std::min(bw / ow, bh / oh) : std::max(bw / ow, bh / oh);
  const int32_t w = std::max<int32_t>(1, int32_t(std::lround(ow * scale)));
  const int32_t h = std::max<int32_t>(1, int32_t(std::lround(oh * scale)));
  const int32_t left = box.left + int32_t(std::floor((bw - w) / 2));
  const int32_t top = box.top + int32_t(std::floor((bh - h) / 2));
  return RECT{left, top, left + w, top + h};
}

void DrawPictureObject(Device& dc, const CoverObject& ob, const PlacedPicture& picture,
                       const RECT& box, int32_t shadowDX, int32_t shadowDY, int32_t lineWidth) {
  if (!picture.placed() || Empty(box)) return;
  const PicturePixels& p = *picture.pixels;
  const PictureSettings& s = picture.settings;
  const RECT fitted = FittedPictureRect(box, p.width(), p.height(), s);
  const RECT shown = Intersect(fitted, box);
  if (ob.ShadowOn && !Empty(shown)) {
    dc.SetBrushStyle(BrushStyle::Solid);
    dc.SetPenColor(FromRrggbb(s.shadow));
    dc.SetBrushColor(FromRrggbb(s.shadow));
    dc.SetPenWidth(1);
    dc.Rectangle(shown.left + shadowDX, shown.top + shadowDY, shown.right + shadowDX,
                 shown.bottom + shadowDY);
  }
  // Only what the device can show is scaled: a deep zoom never makes a picture of the box.
  const RECT visible = Intersect(shown, dc.GetClipBox());
  if (DrawsWhole(dc, picture, fitted, visible)) {
    // A printer (or PDF) gets the picture at its own resolution, once per job, never enlarged.
    const Dib& src = p.dib();
    DrawDib(dc, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
            src, 0, 0, DibWidth(src), DibHeight(src), true, SRCCOPY, true, nullptr);
  } else if (!Empty(visible) && Width(visible) <= kMaxDibSide && Height(visible) <= kMaxDibSide &&
             uint64_t(Width(visible) * Height(visible) * 4) <= kMaxDibBytes) {
    const SourceMap map{fitted, p.width(), p.height(), s};
    const bool opaque = Opaque(picture);
    std::lock_guard<std::mutex> lock(p.cacheLock());
    PicturePixels::Scaled& c = p.cache();
    const uint64_t key = CacheKey(fitted, visible, s);
    if (c.key != key) {
      FreeDib(c.opaque);
      c.bgra.clear();
      c.key = 0;
      if (opaque ? ScaleOpaque(p, map, visible, c.opaque) : ScaleClear(p, map, visible, s, c.bgra))
        c.key = key;
    }
    const int32_t w = visible.right - visible.left, h = visible.bottom - visible.top;
    if (c.key == key && opaque)
      DrawDib(dc, visible.left, visible.top, w, h, c.opaque, 0, 0, w, h, true, SRCCOPY, true,
              nullptr);
    else if (c.key == key && !dc.DrawAlphaImage(visible.left, visible.top, w, h, c.bgra.data()))
      DrawOverWhite(dc, visible, c.bgra);
  }
  if (ob.BorderOn) {
    dc.SetPenColor(ob.BorderColor);
    dc.SetPenWidth(std::max(1, lineWidth));
    dc.SetBrushStyle(BrushStyle::Clear);
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    dc.SetPenWidth(1);
    dc.SetBrushStyle(BrushStyle::Solid);
  }
}
