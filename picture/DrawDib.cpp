#include "picture/DrawDib.h"

#include <cmath>

#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/dib/Halftone.h"

namespace {
int gScreenBits = 24;
HalftoneDibFn gHalftone = HalftoneDib;
HalftoneDibXYFn gHalftoneXY = HalftoneDibToSize;

// a * b / c in floating point, rounded to the nearest integer with halves to even.
int32_t Rnd(double a, double b, double c) {
  return static_cast<int32_t>(std::nearbyint(a * b / c));
}

void Message(const char* text) {
  CurrentDialogs().messageBox(text, "", MsgButtons::Ok, MsgIcon::None);
}

// Bit, nibble, byte or three bytes of pixel sx in a row, written to pixel x of another row.
void CopyPixel(int bits, const uint8_t* src, int32_t sx, uint8_t* dst, int32_t x) {
  switch (bits) {
    case 1:
      if ((src[sx >> 3] >> (7 - (sx & 7))) & 1) dst[x >> 3] |= uint8_t(0x80u >> (x & 7));
      break;
    case 4: {
      const uint8_t v = (sx & 1) ? src[sx >> 1] & 0x0F : src[sx >> 1] >> 4;
      dst[x >> 1] |= (x & 1) ? v : uint8_t(v << 4);
      break;
    }
    case 8:
      dst[x] = src[sx];
      break;
    default:
      for (int k = 0; k < 3; ++k) dst[3 * x + k] = src[3 * sx + k];
  }
}

// Resamples the source rectangle to the destination size in memory and sends it unstretched.
// A destination of one pixel takes the first source column or row.
bool ResampleToDevice(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH,
                      const Dib& pic, int32_t srcX, int32_t srcY, int32_t srcW, int32_t srcH) {
  const int bits = DibBitCount(pic);
  const uint32_t colors = DibColorCount(pic);
  Dib n;
  NewDib(n, destW, destH, bits, pic.Info, colors <= 256 ? int(colors) : 0);
  if (!n.Bits) return false;
  for (int32_t row = 0; row < destH; ++row) {
    const int32_t sy = destH > 1 ? srcY + int32_t(int64_t(srcH - 1) * row / (destH - 1)) : srcY;
    const uint8_t* src = pic.Bits + int64_t(sy) * pic.BytesPerLine;
    uint8_t* dst = n.Bits + int64_t(row) * n.BytesPerLine;
    for (int32_t col = 0; col < destW; ++col) {
      const int32_t sx = destW > 1 ? srcX + int32_t(int64_t(srcW - 1) * col / (destW - 1)) : srcX;
      CopyPixel(bits, src, sx, dst, col);
    }
  }
  const bool ok = dc.SetDIBitsToDevice(x, y, destW, destH, 0, 0, 0, destH, n.Bits, n.Info) != 0;
  FreeDib(n);
  return ok;
}

// The device's stretch, then resampling in memory, then a device-dependent bitmap.
void GdiStretch(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
                int32_t srcX, int32_t srcY, int32_t srcW, int32_t srcH, uint32_t rop) {
  const bool dibToDev = (dc.GetDeviceCaps(RASTERCAPS) & RC_DIBTODEV) != 0;
  if (dc.StretchDIBits(x, y, destW, destH, srcX, srcY, srcW, srcH, pic.Bits, pic.Info, rop) !=
      GDI_ERROR)
    return;
  if (dibToDev && ResampleToDevice(dc, x, y, destW, destH, pic, srcX, srcY, srcW, srcH)) return;

  std::unique_ptr<CompatibleBitmap> bitmap =
      dc.CreateCompatibleBitmap(DibWidth(pic), DibHeight(pic));
  if (!bitmap) {
    Message(Translate("DrawDib", "Can not create the bitmap!").c_str());
    return;
  }
  std::unique_ptr<Device> memory = dc.CreateCompatibleDC();
  if (!memory || memory->SetDIBits(*bitmap, 0, DibHeight(pic), pic.Bits, pic.Info) == 0) {
    Message(Translate("DrawDib", "The device do not support this function!").c_str());
    return;
  }
  CompatibleBitmap* old = memory->SelectBitmap(bitmap.get());
  // The bitmap's rows run from the top: the source's top row is counted from there.
  const int32_t top = DibHeight(pic) - srcY - srcH;
  if (!dc.StretchBlt(x, y, destW, destH, *memory, srcX, top, srcW, srcH, rop))
    Message(Translate("DrawDib", "The device do not support this function!").c_str());
  memory->SelectBitmap(old);
}

// False when the library could not halftone the picture; the caller then draws another way.
bool HalftoneWay(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
                 int32_t srcX, int32_t srcY, int32_t srcW, int32_t srcH, uint32_t rop,
                 HPALETTE palette) {
  const bool reduced = srcW > destW || srcH > destH;
  Dib h;
  if (reduced)
    gHalftoneXY(h, pic, Rnd(DibWidth(pic), destW, srcW), Rnd(DibHeight(pic), destH, srcH));
  else
    gHalftone(h, pic);
  if (!h.Bits) {
    FreeDib(h);
    return false;
  }
  HPALETTE previous = dc.SelectPalette(palette, false);
  dc.RealizePalette();
  if (reduced)
    dc.StretchDIBits(x, y, destW, destH, Rnd(srcX, DibWidth(h), DibWidth(pic)),
                     Rnd(srcY, DibHeight(h), DibHeight(pic)), destW, destH, h.Bits, h.Info, rop);
  else
    dc.StretchDIBits(x, y, destW, destH, srcX, srcY, srcW, srcH, h.Bits, h.Info, rop);
  dc.SelectPalette(previous, false);
  FreeDib(h);
  return true;
}
}  // namespace

int ScreenBitsPerPixel() {
  return gScreenBits;
}
void SetScreenBitsPerPixel(int bitsPerPixel) {
  gScreenBits = bitsPerPixel;
}

void SetHalftoneFunctions(HalftoneDibFn halftone, HalftoneDibXYFn halftoneXY) {
  gHalftone = halftone;
  gHalftoneXY = halftoneXY;
}

bool HalftoneAvailable() {
  return gHalftone && gHalftoneXY;
}

void DrawDib(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
             int32_t srcX, int32_t srcY, int32_t srcW, int32_t srcH, bool halftone, uint32_t rop,
             bool useOwnPalette, HPALETTE paletteHandle) {
  const bool printer = dc.GetDeviceCaps(TECHNOLOGY) == DT_RASPRINTER;
  dc.SetStretchBltMode(COLORONCOLOR);
  if (!pic.Bits || !pic.Info || srcW <= 0 || srcH <= 0 || destW <= 0 || destH <= 0) return;

  // Clip the source to the picture; the destination shrinks in proportion.
  const int32_t width = DibWidth(pic), height = DibHeight(pic);
  if (width < int64_t(srcX) + srcW) {
    const int32_t w = width - srcX;
    destW = Rnd(destW, w, srcW);
    srcW = w;
  }
  if (srcW <= 0) return;
  if (srcY < 0) {
    destH = Rnd(destH, double(srcH) + srcY, srcH);
    srcH += srcY;
    srcY = 0;
  }
  if (srcH <= 0) return;
  if (height < int64_t(srcY) + srcH) {
    const int32_t h = height - srcY;
    const int32_t d = Rnd(destH, h, srcH);
    y = y + destH - d;
    destH = d;
    srcH = h;
  }
  if (srcH <= 0) return;
  if (srcX < 0) {
    const int32_t d = Rnd(destW, double(srcX) + srcW, srcW);
    x = x + destW - d;
    destW = d;
    srcW += srcX;
    srcX = 0;
  }
  if (srcW <= 0 || destW <= 0 || destH <= 0) return;

  HPALETTE palette = useOwnPalette ? pic.Palette : paletteHandle;
  const bool selected = pic.HasPalette == 1;
  HPALETTE previous = nullptr;
  if (selected) {
    previous = dc.SelectPalette(palette, false);
    dc.RealizePalette();
  }

  const int bits = DibBitCount(pic);
  const bool halftoned =
      bits == 24 && ScreenBitsPerPixel() <= 8 && halftone && HalftoneAvailable() &&
      HalftoneWay(dc, x, y, destW, destH, pic, srcX, srcY, srcW, srcH, rop, palette);
  if (!halftoned) {
    if (bits == 24 && !printer)
      StretchDibRows24(dc, x, y, destW, destH, pic, srcX, height - srcY - srcH, srcW, srcH);
    else if (bits == 8 && !printer)
      StretchDibRows8(dc, x, y, destW, destH, pic, srcX, height - srcY - srcH, srcW, srcH);
    else
      GdiStretch(dc, x, y, destW, destH, pic, srcX, srcY, srcW, srcH, rop);
  }

  if (selected) dc.SelectPalette(previous, false);
}
