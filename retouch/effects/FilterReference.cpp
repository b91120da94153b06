#include "retouch/effects/FilterReference.h"

#include "platform/Progress.h"

void FilterReference(const Dib& work, const EffectFilter& f, Dib& dib) {
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  if (f.Divisor == 0 || DibWidth(work) != w + 4 || DibHeight(work) != h + 4) return;
  for (int32_t y = 0; y < h; ++y) {
    ReportProgress(RowPercent(y, h));
    uint8_t* out = DibRow(dib, y);
    for (int32_t x = 0; x < w; ++x) {
      for (int c = 0; c < 3; ++c) {
        int64_t s = 0;
        for (int j = 0; j < 5; ++j) {
          const uint8_t* row = DibRow(work, y + j);
          for (int i = 0; i < 5; ++i)
            s += int64_t(f.Matrix[j][i]) * row[size_t(x + i) * 3 + size_t(c)];
        }
        const int64_t v = s / f.Divisor + f.Bias;
        out[size_t(x) * 3 + size_t(c)] = uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
}
