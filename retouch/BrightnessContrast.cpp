#include "retouch/BrightnessContrast.h"

#include <cstring>

#include "platform/Progress.h"
#include "platform/RowPool.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "retouch/ByteTable.h"
#include "retouch/PictureCopy.h"

namespace {
int Clamp(int v) {
  return v > 255 ? 255 : v < 0 ? 0 : v;
}

template <class Map>
void MapPicture(Dib& dib, Map map) {
  const int n = PaletteEntryCount(DibBitCount(dib));
  if (!dib.Bits) return;
  if (n > 0) {
    RowProgress progress(n);
    for (int i = 0; i < n; ++i) {
      progress.row(i);
      const PALETTEENTRY e = dib.LogPal.palPalEntry[i];
      SetDibColor(dib, i, map(e.peRed), map(e.peGreen), map(e.peBlue), false);
    }
    RecreatePalette(dib);
    return;
  }
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = map(v);
  ApplyByteTable(dib, table);
}

void Composed(int delta, int k, uint8_t table[256]) {
  for (int v = 0; v < 256; ++v) table[v] = ContrastOf(BrightnessOf(v, delta), k);
}
}  // namespace

uint8_t BrightnessOf(int v, int delta) {
  return uint8_t(Clamp(v + delta));
}

uint8_t ContrastOf(int v, int k) {
  if (k <= 100) return uint8_t(Clamp(k * (v - 127) / 100 + 127));
  const int b = 200 - k;
  return uint8_t(Clamp(v >= 128 ? 255 - b * (255 - v) / 100 : v * b / 100));
}

void ApplyByteTable(Dib& dib, const uint8_t table[256]) {
  if (!dib.Bits || DibBitCount(dib) != 24) return;
  const int32_t h = DibHeight(dib);
  const size_t n = size_t(DibWidth(dib)) * 3;
  RowProgress progress(h);
  ForRows(h, 64, [&](const RowBand& band) {
    for (int32_t d = band.begin; d < band.end; ++d) {
      progress.row(d);
      uint8_t* p = DibRow(dib, d);
      MapBytes(p, p, n, table);
    }
  });
}

void ChangeBrightness(Dib& dib, int delta) {
  MapPicture(dib, [delta](int v) { return BrightnessOf(v, delta); });
}

void ChangeContrast(Dib& dib, int k) {
  MapPicture(dib, [k](int v) { return ContrastOf(v, k); });
}

BrightnessContrastSession::BrightnessContrastSession(Dib& dib, std::function<void()> repaint)
    : dib_(dib), repaint_(std::move(repaint)) {}

BrightnessContrastSession::~BrightnessContrastSession() {
  if (orig_.Bits) ReplaceDib(dib_, orig_);
}

bool BrightnessContrastSession::begin() {
  brightness = 0;
  contrast = 100;
  if (!ExactCopy(dib_, orig_)) {
    CurrentDialogs().messageBox(Translate("BrightnessContrast", "Can not create the bitamp"), "",
                                MsgButtons::Ok, MsgIcon::Error);
    return false;
  }
  return true;
}

void BrightnessContrastSession::preview() {
  if (!orig_.Bits || !dib_.Bits) return;
  if (dib_.HasPalette) {
    std::memcpy(dib_.Bits, orig_.Bits, dib_.Info->bmiHeader.biSizeImage);
    dib_.LogPal = orig_.LogPal;
    const int n = PaletteEntryCount(DibBitCount(dib_));
    for (int i = 0; i < n; ++i) {
      const PALETTEENTRY& e = dib_.LogPal.palPalEntry[i];
      dib_.Info->bmiColors[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
    RecreatePalette(dib_);
    ChangeBrightness(dib_, brightness);
    ChangeContrast(dib_, contrast);
  } else if (DibBitCount(dib_) == 24) {
    // Brightness then contrast as one table, read from the untouched copy in a single pass.
    uint8_t table[256];
    Composed(brightness, contrast, table);
    const int32_t h = DibHeight(dib_);
    const size_t n = size_t(DibWidth(dib_)) * 3;
    RowProgress progress(h);
    ForRows(h, 64, [&](const RowBand& band) {
      for (int32_t d = band.begin; d < band.end; ++d) {
        progress.row(d);
        MapBytes(DibRow(orig_, d), DibRow(dib_, d), n, table);
      }
    });
  }
  if (repaint_) repaint_();
}

void BrightnessContrastSession::confirm() {
  preview();
}

void BrightnessContrastSession::resetToDefaults() {
  brightness = 0;
  contrast = 100;
}

void BrightnessContrastSession::finish(bool ok) {
  if (!orig_.Bits) return;
  if (ok) {
    FreeDib(orig_);
  } else {
    ReplaceDib(dib_, orig_);
  }
  if (repaint_) repaint_();
}
