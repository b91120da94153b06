#include "print/views/PdfStandIns.h"

#include <new>

#include "platform/RowPool.h"
#include "platform/dib/Dib.h"
#include "platform/dib/Halftone.h"

namespace {
// Pictures up to this many bytes of RGB are copied and stored while the job draws on; larger ones
// are stored at once from their own rows, never held twice.
constexpr uint64_t kMaxStoredWhileDrawing = uint64_t(32) << 20;
}  // namespace

QImage PdfStandIns::standIn(const uint8_t* bits, const BITMAPINFO* info, const QRect& source,
                            QSize size) {
  try {
    return made(bits, info, source, size);
  } catch (const std::bad_alloc&) {
    return {};  // short of memory: Qt draws the picture itself
  }
}

QImage PdfStandIns::made(const uint8_t* bits, const BITMAPINFO* info, const QRect& source,
                         QSize size) {
  const int height = info->bmiHeader.biHeight;
  const int64_t stride = DibStride(info->bmiHeader.biWidth, 24);
  const auto bgrRow = [&](int32_t y) {  // row y of the rectangle
    return bits + (height - 1 - source.y() - y) * stride + 3 * source.x();
  };
  const auto toRgb = [](const uint8_t* bgr, int width, uint8_t* out) {
    for (int x = 0; x < width; ++x) {
      out[3 * x] = bgr[3 * x + 2];
      out[3 * x + 1] = bgr[3 * x + 1];
      out[3 * x + 2] = bgr[3 * x];
    }
  };
  const int width = size.width();
  const bool resampled = size != source.size();  // finer than the printer: averaged down to it
  const RowsReader rgb = [&](int first, int count, uint8_t* out) {
    if (!resampled) {
      for (int y = first; y < first + count; ++y, out += 3 * size_t(width))
        toRgb(bgrRow(y), width, out);
      return;
    }
    ResampleRowRange24(source.width(), source.height(), bgrRow, width, size.height(), first, count,
                       [&](int32_t y, const uint8_t* bgr) {
                         toRgb(bgr, width, out + size_t(y - first) * size_t(width) * 3);
                       });
  };
  const uint64_t bytes = uint64_t(width) * uint64_t(size.height()) * 3;
  std::optional<PictureStreams::StandIn> named;
  if (ThreadCount() > 1 && bytes <= kMaxStoredWhileDrawing) {
    std::vector<uint8_t> pixels(bytes);
    if (resampled)
      ResampleRows24(source.width(), source.height(), bgrRow, width, size.height(),
                     [&](int32_t y, const uint8_t* bgr) {
                       toRgb(bgr, width, &pixels[size_t(y) * size_t(width) * 3]);
                     });
    else
      rgb(0, size.height(), pixels.data());
    named = streams_.addWhileDrawing(width, size.height(), std::move(pixels));
  } else {
    named = streams_.add(width, size.height(), rgb);  // from the picture's rows as they are read
  }
  if (!named) return {};
  QImage image(4, 1, QImage::Format_RGB32);
  for (int i = 0; i < 4; ++i)
    image.setPixel(i, 0, qRgb((*named)[3 * i], (*named)[3 * i + 1], (*named)[3 * i + 2]));
  return image;
}
