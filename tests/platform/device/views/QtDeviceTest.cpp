#include <gtest/gtest.h>

#include <QPrinter>

#include "platform/device/views/QtDevice.h"
#include "tests/support/TestFiles.h"

namespace {
// A 2 x 2 picture: top row red, green; bottom row blue, white (palette pictures use indices
// 0..3 of a table holding those colours, 1-bit pictures black and white).
Dib MakeQuad(int bits) {
  Dib dib;
  NewDib(dib, 2, 2, bits, nullptr, 0);
  const QRgb colors[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  if (bits == 1) {
    SetDibColor(dib, 1, 255, 255, 255);
    SetDibPixel(dib, 1, 0, 1);
    SetDibPixel(dib, 1, 1, 1);
    return dib;
  }
  for (int i = 0; i < 4; ++i) {
    if (bits != 24) SetDibColor(dib, i + 2, qRed(colors[i]), qGreen(colors[i]), qBlue(colors[i]));
    const uint32_t value = bits == 24 ? colors[i] & 0xFFFFFF : uint32_t(i + 2);
    SetDibPixel(dib, i % 2, i / 2, value);
  }
  return dib;
}

struct Quad {
  Dib dib;
  explicit Quad(int bits) : dib(MakeQuad(bits)) {}
  ~Quad() { FreeDib(dib); }
};

QImage White(int w, int h, QImage::Format f = QImage::Format_RGB32) {
  QImage img(w, h, f);
  img.fill(Qt::white);
  return img;
}

QRgb At(const QImage& img, int x, int y) {
  return img.pixel(x, y) | 0xFF000000u;
}

// Bounding rectangle of the pixels that are not white.
QRect Ink(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) r |= QRect(x, y, 1, 1);
  return r;
}
}  // namespace

TEST(QtDeviceTest, StretchedPicturesOfEveryDepthShowTheirOwnColours) {
  for (int bits : {24, 8, 4}) {
    Quad quad(bits);
    QImage img = White(10, 10);
    {
      QtDevice dev(img);
      HPALETTE other = CreatePalette(LOGPALETTE256{});  // a foreign palette changes nothing
      dev.SelectPalette(other, false);
      EXPECT_EQ(dev.StretchDIBits(2, 3, 6, 6, 0, 0, 2, 2, quad.dib.Bits, quad.dib.Info, SRCCOPY),
                2);
      DeletePalette(other);
    }
    EXPECT_EQ(At(img, 2, 3), qRgb(255, 0, 0)) << bits;
    EXPECT_EQ(At(img, 7, 5), qRgb(0, 255, 0)) << bits;
    EXPECT_EQ(At(img, 4, 6), qRgb(0, 0, 255)) << bits;
    EXPECT_EQ(At(img, 7, 8), qRgb(255, 255, 255)) << bits;
    EXPECT_EQ(At(img, 1, 3), qRgb(255, 255, 255)) << bits;
    EXPECT_EQ(At(img, 8, 8), qRgb(255, 255, 255)) << bits;
  }
  Quad mono(1);
  QImage img = White(4, 4);
  {
    QtDevice dev(img);
    dev.StretchDIBits(0, 0, 4, 4, 0, 0, 2, 2, mono.dib.Bits, mono.dib.Info, SRCCOPY);
  }
  EXPECT_EQ(At(img, 0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(At(img, 3, 3), qRgb(255, 255, 255));
}

TEST(QtDeviceTest, RowsGoStraightIntoImagesOfEveryDirectFormat) {
  for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                           QImage::Format_RGB888, QImage::Format_RGB16}) {
    for (int bits : {24, 8}) {
      Quad quad(bits);
      QImage img = White(6, 6, f);
      {
        QPainter p(&img);
        p.translate(1, 1);
        QtDevice dev(p);
        // The whole picture at (1, 2), then only its bottom row at (3, 0).
        EXPECT_EQ(dev.SetDIBitsToDevice(1, 2, 2, 2, 0, 0, 0, 2, quad.dib.Bits, quad.dib.Info), 2);
        dev.SetDIBitsToDevice(3, 0, 2, 1, 0, 0, 0, 1, quad.dib.Bits, quad.dib.Info);
      }
      EXPECT_EQ(At(img, 2, 3), qRgb(255, 0, 0)) << f << " " << bits;
      EXPECT_EQ(At(img, 3, 3), qRgb(0, 255, 0));
      EXPECT_EQ(At(img, 2, 4), qRgb(0, 0, 255));
      EXPECT_EQ(At(img, 4, 1), qRgb(0, 0, 255));
      EXPECT_EQ(At(img, 5, 1), qRgb(255, 255, 255));
      EXPECT_EQ(At(img, 1, 1), qRgb(255, 255, 255));
    }
  }
}

TEST(QtDeviceTest, RowsRespectTheClipAndTheImageEdges) {
  Quad quad(24);
  QImage img = White(4, 4);
  {
    QPainter p(&img);
    p.setClipRect(QRect(0, 0, 4, 1));
    QtDevice dev(p);
    dev.SetDIBitsToDevice(-1, 0, 2, 2, 0, 0, 0, 2, quad.dib.Bits, quad.dib.Info);
    dev.SetDIBitsToDevice(3, -1, 2, 2, 0, 0, 0, 2, quad.dib.Bits, quad.dib.Info);
  }
  EXPECT_EQ(At(img, 0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(At(img, 0, 1), qRgb(255, 255, 255));  // clipped away
  EXPECT_EQ(At(img, 3, 0), qRgb(0, 0, 255));
}

TEST(QtDeviceTest, MemoryDevicesTakeAndGiveBackPictures) {
  Quad quad(8);
  QImage img = White(6, 6);
  QtDevice dev(img);
  auto bitmap = dev.CreateCompatibleBitmap(2, 2);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(dev.CreateCompatibleBitmap(0, 5), nullptr);
  EXPECT_EQ(dev.CreateCompatibleBitmap(kMaxDibSide + 1, 1), nullptr);
  auto memory = dev.CreateCompatibleDC();
  EXPECT_EQ(memory->SetDIBits(*bitmap, 0, 2, quad.dib.Bits, quad.dib.Info), 2);

  BITMAPINFO info;
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 2;
  info.bmiHeader.biBitCount = 24;
  uint8_t back[16] = {};
  EXPECT_EQ(memory->GetDIBits(*bitmap, 0, 2, back, &info), 2);
  EXPECT_EQ(back[0], 255);  // bottom row first: blue
  EXPECT_EQ(back[2], 0);
  EXPECT_EQ(back[8 + 2], 255);  // top row: red

  CompatibleBitmap* old = memory->SelectBitmap(bitmap.get());
  EXPECT_EQ(old, nullptr);
  EXPECT_TRUE(dev.StretchBlt(0, 0, 4, 2, *memory, 0, 0, 2, 1, SRCCOPY));  // the top row
  EXPECT_FALSE(dev.StretchBlt(0, 0, 4, 2, dev, 0, 0, 2, 1, SRCCOPY));     // no bitmap selected
  memory->SelectBitmap(old);
  dev.painter()->end();
  EXPECT_EQ(At(img, 1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(At(img, 3, 0), qRgb(0, 255, 0));
  EXPECT_EQ(At(img, 0, 2), qRgb(255, 255, 255));
}

TEST(QtDeviceTest, CapsComeFromThePaintDevice) {
  QImage img = White(300, 200);
  img.setDotsPerMeterX(11811);  // 300 dpi
  img.setDotsPerMeterY(11811);
  QtDevice dev(img);
  EXPECT_EQ(dev.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
  EXPECT_EQ(dev.GetDeviceCaps(LOGPIXELSX), 300);
  EXPECT_EQ(dev.GetDeviceCaps(HORZRES), 300);
  EXPECT_EQ(dev.GetDeviceCaps(VERTRES), 200);
  EXPECT_TRUE(dev.GetDeviceCaps(RASTERCAPS) & RC_DIBTODEV);
  auto memory = dev.CreateCompatibleDC();
  EXPECT_EQ(memory->GetDeviceCaps(LOGPIXELSY), 300);

  TempDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.file("out.pdf")));
  QPainter p(&printer);
  QtDevice pdev(p);
  EXPECT_EQ(pdev.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  EXPECT_EQ(pdev.GetDeviceCaps(LOGPIXELSX), printer.resolution());
  Quad quad(24);
  EXPECT_EQ(pdev.StretchDIBits(0, 0, 100, 100, 0, 0, 2, 2, quad.dib.Bits, quad.dib.Info, SRCCOPY),
            2);
}

TEST(QtDeviceTest, TextLandsAtItsAlignmentPointInItsFont) {
  LogFont font;
  font.faceName = "Liberation Sans";
  font.height = -20;
  QImage img = White(200, 100);
  int top = 0, baseline = 0;
  {
    QtDevice dev(img);
    dev.SetBkMode(TRANSPARENT);
    dev.SelectFont(font);
    dev.TextOut(10, 10, "HHH");
  }
  QRect ink = Ink(img);
  top = ink.top();
  EXPECT_GE(ink.left(), 10);
  EXPECT_GT(top, 10);
  EXPECT_NEAR(ink.height(), 14, 2);  // capital height of a 20-pixel character height
  img.fill(Qt::white);
  {
    QtDevice dev(img);
    dev.SetBkMode(TRANSPARENT);
    dev.SelectFont(font);
    dev.SetTextAlign(TA_BASELINE);
    dev.SetTextColor(RGB(255, 0, 0));
    dev.TextOut(10, 50, "HHH");
  }
  ink = Ink(img);
  baseline = ink.bottom();
  EXPECT_NEAR(baseline, 49, 1);
  EXPECT_EQ(QColor(img.pixel(ink.center())).red(), 255);

  img.fill(Qt::white);
  font.escapement = 900;  // upwards
  {
    QtDevice dev(img);
    dev.SetBkMode(TRANSPARENT);
    dev.SelectFont(font);
    dev.TextOut(50, 90, "HHHHHH");
  }
  ink = Ink(img);
  EXPECT_GT(ink.height(), 2 * ink.width());
  EXPECT_LE(ink.bottom(), 90);
}

TEST(QtDeviceTest, DrawTextWrapsBreaksAlignsAndClips) {
  LogFont font;
  font.faceName = "Liberation Sans";
  font.height = -16;
  QImage img = White(300, 200);
  QtDevice dev(img);
  dev.SetBkMode(TRANSPARENT);
  dev.SelectFont(font);
  const int one = dev.DrawText("Word", RECT{0, 0, 300, 200}, DT_LEFT);
  EXPECT_GT(one, 16);
  EXPECT_EQ(dev.DrawText("one\rtwo", RECT{0, 0, 300, 200}, DT_LEFT), 2 * one);
  EXPECT_EQ(dev.DrawText("aaa bbb ccc", RECT{0, 0, 50, 200}, DT_WORDBREAK), 3 * one);
  EXPECT_EQ(dev.DrawText("aaa bbb ccc", RECT{0, 0, 50, 200}, DT_LEFT), one);
  img.fill(Qt::white);
  dev.DrawText("aaaa bbbb cccc dddd", RECT{100, 20, 200, 40}, DT_RIGHT | DT_WORDBREAK);
  QRect ink = Ink(img);
  EXPECT_GE(ink.top(), 20);
  EXPECT_LT(ink.bottom(), 40);  // the second line is clipped
  EXPECT_GT(ink.right(), 190);
  EXPECT_LE(ink.right(), 200);
  img.fill(Qt::white);
  dev.DrawText("aaaa bbbb cccc dddd", RECT{100, 20, 200, 40}, DT_CENTER | DT_WORDBREAK | DT_NOCLIP);
  ink = Ink(img);
  EXPECT_GT(ink.bottom(), 40);
  EXPECT_NEAR(ink.center().x(), 150, 4);
  img.fill(Qt::white);
  dev.SetBkMode(OPAQUE);
  dev.DrawText("\xE9t\xE9", RECT{0, 0, 300, 200}, DT_LEFT);  // Windows-1252 text
  EXPECT_FALSE(Ink(img).isNull());
}

TEST(QtDeviceTest, ShapesUseThePenAndBrush) {
  QImage img = White(20, 20);
  {
    QtDevice dev(img);
    dev.SetPenColor(RGB(255, 0, 0));
    dev.SetBrushColor(RGB(0, 0, 255));
    dev.Rectangle(2, 2, 10, 10);
    dev.SetBrushStyle(BrushStyle::Clear);
    dev.Rectangle(12, 12, 18, 18);
    dev.Line(0, 19, 5, 19);
  }
  EXPECT_EQ(At(img, 2, 2), qRgb(255, 0, 0));
  EXPECT_EQ(At(img, 9, 9), qRgb(255, 0, 0));
  EXPECT_EQ(At(img, 10, 10), qRgb(255, 255, 255));
  EXPECT_EQ(At(img, 5, 5), qRgb(0, 0, 255));
  EXPECT_EQ(At(img, 14, 14), qRgb(255, 255, 255));
  EXPECT_EQ(At(img, 4, 19), qRgb(255, 0, 0));
  EXPECT_EQ(At(img, 5, 19), qRgb(255, 255, 255));  // the end point is left out
}

TEST(QtDeviceTest, LongRowsKeepEveryPixel) {
  for (int width : {13, 16, 31}) {
    Dib dib;
    NewDib(dib, width, 2, 24, nullptr, 0);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < width; ++x)
        SetDibPixel(dib, x, y, uint32_t(x * 8 | y << 8 | (255 - x) << 16));
    QImage img = White(width + 4, 3);
    {
      QtDevice dev(img);
      dev.SetDIBitsToDevice(2, 0, width - 1, 2, 1, 0, 0, 2, dib.Bits, dib.Info);  // from column 1
    }
    for (int y = 0; y < 2; ++y)
      for (int x = 1; x < width; ++x)
        ASSERT_EQ(At(img, x + 1, y), qRgb(255 - x, y, x * 8)) << width << " " << x << " " << y;
    EXPECT_EQ(At(img, width + 1, 0), qRgb(255, 255, 255));
    FreeDib(dib);
  }
}

TEST(QtDeviceTest, ABorrowedPainterGetsItsStateBack) {
  QImage img = White(4, 4);
  QPainter p(&img);
  p.setPen(QColor(1, 2, 3));
  {
    QtDevice dev(p);
    dev.SetPenColor(RGB(200, 0, 0));
    EXPECT_EQ(p.pen().color(), QColor(200, 0, 0));
  }
  EXPECT_EQ(p.pen().color(), QColor(1, 2, 3));
}

// An outline drawn at once matches the text drawn at every offset off the centre lines, as the
// renderer drew it before, up to antialiasing: ink in one has ink within a pixel in the other.
TEST(QtDeviceTest, AnOutlineAtOnceCoversWhatCopiesAtEveryOffsetCovered) {
  LogFont font;
  font.faceName = "Liberation Sans";
  font.height = -40;
  const auto draw = [&](int w, bool atOnce, bool flat) {
    QImage img = White(420, 160);
    QtDevice dev(img);
    dev.SetBkMode(TRANSPARENT);
    dev.SelectFont(font);
    const auto text = [&](int dx, int dy) {
      if (flat)
        dev.DrawText("Wavy text AVW\rsecond line", RECT{20 + dx, 20 + dy, 400 + dx, 150 + dy},
                     DT_WORDBREAK);
      else
        dev.TextOut(20 + dx, 60 + dy, "Outline & Ag@8");
    };
    if (atOnce) {
      EXPECT_TRUE(dev.SetTextOutline(w));
      text(0, 0);
      dev.SetTextOutline(0);
    } else {
      for (int dx = -w; dx <= w; ++dx)
        for (int dy = -w; dy <= w; ++dy)
          if (dx != 0 && dy != 0) text(dx, dy);
    }
    return img;
  };
  for (const bool flat : {false, true})
    for (const int w : {1, 2, 4, 8}) {
      const QImage copies = draw(w, false, flat), once = draw(w, true, flat);
      // Paper all around: no ink within a pixel, where antialiasing may put it.
      const auto paperAround = [](const QImage& img, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            if (img.valid(x + dx, y + dy) && qGray(img.pixel(x + dx, y + dy)) <= 192) return false;
        return true;
      };
      int ink = 0, disagree = 0;
      for (int y = 0; y < copies.height(); ++y)
        for (int x = 0; x < copies.width(); ++x) {
          const int a = qGray(copies.pixel(x, y)), b = qGray(once.pixel(x, y));
          ink += a < 128;
          disagree += (a < 64 && paperAround(once, x, y)) || (b < 64 && paperAround(copies, x, y));
        }
      EXPECT_GT(ink, 1000) << w;
      EXPECT_LE(disagree, ink / 100)
          << "outline " << w << (flat ? " flat: " : ": ") << disagree << " of " << ink;
    }
}
