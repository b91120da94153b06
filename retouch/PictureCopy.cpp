#include "retouch/PictureCopy.h"

#include <cstring>

void KeepResolution(const TDib& from, TDib& to, bool exchanged) {
  if (!from.Info || !to.Info) return;
  const BITMAPINFOHEADER& a = from.Info->bmiHeader;
  to.Info->bmiHeader.biXPelsPerMeter = exchanged ? a.biYPelsPerMeter : a.biXPelsPerMeter;
  to.Info->bmiHeader.biYPelsPerMeter = exchanged ? a.biXPelsPerMeter : a.biYPelsPerMeter;
}

void ReplaceDib(TDib& dib, TDib& result) {
  deldib(dib);
  dib = result;
  result = TDib{};
}

void NewDibLike(const TDib& dib, int32_t width, int32_t height, TDib& out) {
  const int bpp = DibBitCount(dib);
  newdib(out, width, height, bpp, dib.Info, PaletteEntryCount(bpp));
}

bool ExactCopy(const TDib& src, TDib& out) {
  out = TDib{};
  if (!src.Bits) return false;
  CopyDib(out, src);
  if (!out.Bits) return false;
  std::memcpy(out.Info, src.Info, sizeof(BITMAPINFO));
  out.LogPal = src.LogPal;
  out.HasPalette = src.HasPalette;
  if (out.HasPalette) RecreatePalette(out);
  return true;
}
