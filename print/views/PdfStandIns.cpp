#include "print/views/PdfStandIns.h"

#include "platform/RowPool.h"
#include "platform/dib/Dib.h"

namespace {
// Pictures up to this many bytes of RGB are copied and stored while the job draws on; larger ones
// are stored at once from their own rows, never held twice.
constexpr uint64_t kMaxStoredWhileDrawing = uint64_t(32) << 20;
}  // namespace

QImage PdfStandIns::standIn(const uint8_t* bits, const BITMAPINFO* info, const QRect& source) {
  const int height = info->bmiHeader.biHeight, width = source.width();
  const int64_t stride = DibStride(info->bmiHeader.biWidth, 24);
  const RowsReader rgb = [&](int first, int count, uint8_t* out) {
    for (int y = first; y < first + count; ++y, out += 3 * size_t(width)) {
      const uint8_t* row = bits + (height - 1 - source.y() - y) * stride + 3 * source.x();
      for (int x = 0; x < width; ++x) {  // BGR to RGB
        out[3 * x] = row[3 * x + 2];
        out[3 * x + 1] = row[3 * x + 1];
        out[3 * x + 2] = row[3 * x];
      }
    }
  };
  const uint64_t bytes = uint64_t(width) * uint64_t(source.height()) * 3;
  std::optional<PictureStreams::StandIn> named;
  if (ThreadCount() > 1 && bytes <= kMaxStoredWhileDrawing) {
    std::vector<uint8_t> pixels(bytes);
    rgb(0, source.height(), pixels.data());
    named = streams_.addWhileDrawing(width, source.height(), std::move(pixels));
  } else {
    named = streams_.add(width, source.height(), rgb);
  }
  if (!named) return {};
  QImage image(4, 1, QImage::Format_RGB32);
  for (int i = 0; i < 4; ++i)
    image.setPixel(i, 0, qRgb((*named)[3 * i], (*named)[3 * i + 1], (*named)[3 * i + 2]));
  return image;
}
