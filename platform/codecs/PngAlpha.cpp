#include <png.h>

#include "platform/Translate.h"
#include "platform/codecs/PictureAlpha.h"
#include "platform/dib/DibRows.h"

bool ReadPngWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error) {
  out = Dib{};
  alpha.clear();
  error.clear();
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data, file.size)) {
    error = image.message;
    return false;
  }
  if (!(image.format & PNG_FORMAT_FLAG_ALPHA)) {
    png_image_free(&image);
    return false;
  }
  const int32_t w = int32_t(image.width), h = int32_t(image.height);
  if (image.width > uint32_t(kMaxDibSide) || image.height > uint32_t(kMaxDibSide) ||
      !DibSizeAllowed(w, h, 24) || uint64_t(w) * uint64_t(h) * 4 > kMaxDibBytes ||
      uint64_t(w) * uint64_t(h) > PictureReadLimit()) {
    png_image_free(&image);
    error = Translate("PngAlpha", "the picture is too large");
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  std::vector<uint8_t> bgra;
  try {
    bgra.resize(size_t(w) * size_t(h) * 4);
    alpha.resize(size_t(w) * size_t(h));
  } catch (const std::bad_alloc&) {
    png_image_free(&image);
    alpha.clear();
    error = Translate("PngAlpha", "there is not enough memory for the picture");
    return false;
  }
  if (!png_image_finish_read(&image, nullptr, bgra.data(), 0, nullptr)) {
    error = image.message;
    alpha.clear();
    return false;
  }
  NewDib(out, w, h, 24, nullptr, 0);
  if (!out.Bits) {
    alpha.clear();
    error = Translate("PngAlpha", "there is not enough memory for the picture");
    return false;
  }
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = bgra.data() + size_t(y) * size_t(w) * 4;
    uint8_t* dst = DibRow(out, y);
    for (int32_t x = 0; x < w; ++x) {
      dst[3 * x] = src[4 * x];
      dst[3 * x + 1] = src[4 * x + 1];
      dst[3 * x + 2] = src[4 * x + 2];
      alpha[size_t(y) * size_t(w) + size_t(x)] = src[4 * x + 3];
    }
  }
  return true;
}
