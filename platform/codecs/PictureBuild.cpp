#include "platform/codecs/PictureBuild.h"

#include <algorithm>

#include "platform/Translate.h"
#include "platform/dib/DibRows.h"

int PaletteDepthFor(int colours) {
  if (colours <= 2) return 1;
  if (colours <= 16) return 4;
  return 8;
}

static bool NewPicture(Dib& out, int32_t width, int32_t height, int bpp, const BITMAPINFO* info,
                       int colours, std::string& error) {
  if (width <= 0 || height <= 0) {
    error = Translate("PictureBuild", "the picture has no pixels");
    return false;
  }
  if (!PictureReadAllowed(width, height) || !DibSizeAllowed(width, height, bpp)) {
    error = Translate("PictureBuild", kPictureTooLarge);
    return false;
  }
  NewDib(out, width, height, bpp, info, colours);
  if (!out.Bits) {
    error = Translate("PictureBuild", "there is not enough memory for the picture");
    return false;
  }
  return true;
}

bool NewPalettePicture(Dib& out, int32_t width, int32_t height, const Rgb* colours, int count,
                       std::string& error) {
  return NewPalettePictureOfDepth(out, width, height, PaletteDepthFor(count), colours, count,
                                  error);
}

bool NewPalettePictureOfDepth(Dib& out, int32_t width, int32_t height, int fileBits,
                              const Rgb* colours, int count, std::string& error) {
  const int bpp = fileBits <= 1 ? 1 : (fileBits <= 4 ? 4 : 8);
  count = std::clamp(count, 0, PaletteEntryCount(bpp));
  BITMAPINFO info;  // entries past `count` stay black
  for (int i = 0; i < count; ++i)
    info.bmiColors[i] = RGBQUAD{colours[i].b, colours[i].g, colours[i].r, 0};
  return NewPicture(out, width, height, bpp, &info, PaletteEntryCount(bpp), error);
}

bool NewGreyPicture(Dib& out, int32_t width, int32_t height, std::string& error) {
  Rgb grey[256];
  for (int i = 0; i < 256; ++i) grey[i] = Rgb{uint8_t(i), uint8_t(i), uint8_t(i)};
  return NewPalettePicture(out, width, height, grey, 256, error);
}

bool NewTruecolourPicture(Dib& out, int32_t width, int32_t height, std::string& error) {
  return NewPicture(out, width, height, 24, nullptr, 0, error);
}

bool CheckWritable(const Dib& dib, std::string& error) {
  const int bpp = DibBitCount(dib);
  if (!dib.Bits || !dib.Info || DibWidth(dib) <= 0 || DibHeight(dib) <= 0 ||
      (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) ||
      dib.BytesPerLine < DibStride(DibWidth(dib), bpp)) {
    error = Translate("PictureBuild", "the picture is empty or of an unknown depth");
    return false;
  }
  return true;
}

Rgb DibColour(const Dib& dib, int index) {
  const RGBQUAD& q = dib.Info->bmiColors[index & 255];
  return Rgb{q.rgbRed, q.rgbGreen, q.rgbBlue};
}
