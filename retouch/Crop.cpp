#include "retouch/Crop.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/Progress.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "retouch/PictureCopy.h"

bool CropDib(const Dib& src, int32_t left, int32_t top, int32_t w, int32_t h, Dib& out,
             OldPixels old) {
  out = Dib{};
  const int32_t sw = DibWidth(src), sh = DibHeight(src);
  if (!src.Bits || w <= 0 || h <= 0 || left < 0 || top < 0 || left > sw - w || top > sh - h)
    return false;
  NewDibLike(src, w, h, out);
  if (!out.Bits) return false;
  KeepResolution(src, out, false);
  const int bpp = DibBitCount(src);
  std::optional<RowRelease> release;
  if (old == OldPixels::GivenBack) release.emplace(src);
  for (int32_t d = 0; d < h; ++d) {
    ReportProgress(RowPercent(d, h));
    if (release && d % 256 == 0) release->usedTo(top + d);
    if (bpp == 24 || bpp == 8) {
      const size_t bytes = size_t(bpp / 8);
      std::memcpy(DibRow(out, d), DibRow(src, top + d) + size_t(left) * bytes, size_t(w) * bytes);
    } else {
      for (int32_t x = 0; x < w; ++x) SetDibPixel(out, x, d, GetDibPixel(src, left + x, top + d));
    }
  }
  return true;
}

bool CropToSelection(Dib& dib, PictureSelection sel) {
  RowProgress progress(0);
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  const int32_t l = std::clamp(std::min(sel.left, sel.right), 0, w);
  const int32_t r = std::clamp(std::max(sel.left, sel.right), 0, w);
  const int32_t t = std::clamp(std::min(sel.top, sel.bottom), 0, h);
  const int32_t b = std::clamp(std::max(sel.top, sel.bottom), 0, h);
  if (sel.left == sel.right || sel.top == sel.bottom || l == r || t == b) {
    ShowError(Translate("Crop", "Select an area with the mouse first!"));
    return false;
  }
  Dib result;
  if (!CropDib(dib, l, t, r - l, b - t, result)) return false;
  ReplaceDib(dib, result);
  sel.set(0, 0, r - l, b - t);
  return true;
}
