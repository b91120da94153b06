#include "retouch/PictureCopy.h"

#include <cstring>

void KeepResolution(const Dib& from, Dib& to, bool exchanged) {
  if (!from.Info || !to.Info) return;
  const BITMAPINFOHEADER& a = from.Info->bmiHeader;
  to.Info->bmiHeader.biXPelsPerMeter = exchanged ? a.biYPelsPerMeter : a.biXPelsPerMeter;
  to.Info->bmiHeader.biYPelsPerMeter = exchanged ? a.biXPelsPerMeter : a.biYPelsPerMeter;
}

void ReplaceDib(Dib& dib, Dib& result) {
  FreeDib(dib);
  dib = result;
  result = Dib{};
}

void NewDibLike(const Dib& dib, int32_t width, int32_t height, Dib& out) {
  const int bpp = DibBitCount(dib);
  NewDib(out, width, height, bpp, dib.Info, PaletteEntryCount(bpp));
}

bool ExactCopy(const Dib& src, Dib& out) {
  out = Dib{};
  if (!src.Bits) return false;
  CopyDib(out, src);
  if (!out.Bits) return false;
  std::memcpy(out.Info, src.Info, sizeof(BITMAPINFO));
  out.LogPal = src.LogPal;
  out.HasPalette = src.HasPalette;
  if (out.HasPalette) RecreatePalette(out);
  return true;
}
