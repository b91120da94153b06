#include "retouch/DepthPromotion.h"

#include "platform/Progress.h"
#include "retouch/PictureCopy.h"

void PromoteDepth(Dib& dib, int depth) {
  RowProgress progress(DibHeight(dib));
  const int b = DibBitCount(dib);
  if (depth != 24 || !dib.Bits || (b != 1 && b != 4 && b != 8)) return;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  Dib result;
  NewDib(result, w, h, 24, nullptr, 0);
  if (!result.Bits) return;
  KeepResolution(dib, result, false);
  const PALETTEENTRY* pal = dib.LogPal.palPalEntry;
  for (int32_t y = 0; y < h; ++y) {
    progress.row(y);
    const uint8_t* src = DibRow(dib, y);
    uint8_t* dst = DibRow(result, y);
    for (int32_t x = 0; x < w; ++x, dst += 3) {
      if (b == 1) {
        const uint8_t v = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
        dst[0] = dst[1] = dst[2] = v;
        continue;
      }
      const int e = b == 8 ? src[x] : (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4);
      dst[0] = pal[e].peBlue;
      dst[1] = pal[e].peGreen;
      dst[2] = pal[e].peRed;
    }
  }
  ReplaceDib(dib, result);
}
