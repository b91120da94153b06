#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "picture/DrawDib.h"
#include "platform/RowPool.h"
#include "platform/device/views/QtDevice.h"
#include "platform/dib/Dib.h"

namespace {
// Rows written straight into a 32-bit image by every thread count show what rows sent one at a
// time into a 24-bit image show.
QImage Stretched(QImage::Format format, const Dib& pic, QRect dest, QRect source, QPoint shift,
                 QRect clip, int threads) {
  QImage image(dest.right() + 40 > 30'100 ? 30'100 : 400, 300, format);
  image.fill(Qt::white);
  const int old = SetThreadCount(threads);
  {
    QPainter painter(&image);
    painter.translate(shift);
    if (!clip.isEmpty()) painter.setClipRect(clip);
    QtDevice dev(painter);
    StretchDibRows24(dev, dest.x(), dest.y(), dest.width(), dest.height(), pic, source.x(),
                     source.y(), source.width(), source.height());
  }
  SetThreadCount(old);
  return image.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

TEST(StretchRowsImageTest, RowsWrittenStraightMatchRowsSentOnEveryThreadCount) {
  Dib pic;
  NewDib(pic, 333, 211, 24, nullptr, 0);
  std::mt19937 rng(3);
  for (int32_t y = 0; y < 211; ++y)
    for (int32_t x = 0; x < 333 * 3; ++x) DibRow(pic, y)[x] = uint8_t(rng());
  struct Case {
    QRect dest, source;
    QPoint shift;
    QRect clip;
  } const cases[] = {
      {{0, 0, 83, 52}, {0, 0, 333, 211}, {}, {}},                          // a quarter
      {{-20, 10, 999, 250}, {0, 0, 333, 211}, {5, -7}, {}},                // three times, cut off
      {{10, 10, 300, 200}, {-30, 150, 200, 120}, {}, {30, 20, 200, 100}},  // beyond the picture
      {{-5, 3, 30'050, 40}, {10, 10, 300, 20}, {}, {}},                    // rows in two parts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dest.width());
    const QImage sent = Stretched(QImage::Format_RGB888, pic, c.dest, c.source, c.shift, c.clip, 1);
    for (int threads : {1, 2, 7})
      EXPECT_TRUE(
          Stretched(QImage::Format_RGB32, pic, c.dest, c.source, c.shift, c.clip, threads) == sent)
          << threads << " threads";
  }
  FreeDib(pic);
}
