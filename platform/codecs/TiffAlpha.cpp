#include <algorithm>
#include <memory>
#include <new>

#include "platform/Translate.h"
#include "platform/codecs/PictureAlpha.h"
#include "platform/codecs/TiffMemoryFile.h"
#include "platform/dib/DibRows.h"

namespace {
bool HasAlpha(TIFF* tif) {
  uint16_t count = 0;
  uint16_t* kinds = nullptr;
  if (!TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &count, &kinds)) return false;
  for (uint16_t i = 0; i < count; ++i)
    if (kinds[i] == EXTRASAMPLE_ASSOCALPHA || kinds[i] == EXTRASAMPLE_UNASSALPHA) return true;
  return false;
}

// The first picture of the file through libtiff's RGBA reader (premultiplied), un-multiplied.
bool Read(TIFF* tif, TiffMemoryFile& f, Dib& out, std::vector<uint8_t>& alpha, std::string& error) {
  uint32_t w = 0, h = 0;
  TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
  TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
  if (w == 0 || h == 0 || w > uint32_t(kMaxDibSide) || h > uint32_t(kMaxDibSide) ||
      !DibSizeAllowed(int32_t(w), int32_t(h), 24) || uint64_t(w) * h * 4 > kMaxDibBytes ||
      uint64_t(w) * h > PictureReadLimit())
    return error = Translate("TiffAlpha", "the picture is too large"), false;
  char why[1024] = {};
  if (!TIFFRGBAImageOK(tif, why)) return error = TiffReason(f, why), false;
  std::unique_ptr<uint32_t[]> raster(new (std::nothrow) uint32_t[size_t(w) * h]);
  try {
    alpha.resize(size_t(w) * h);
  } catch (const std::bad_alloc&) {
    raster.reset();
  }
  if (!raster) return error = Translate("TiffAlpha", "there is not enough memory"), false;
  if (!TIFFReadRGBAImageOriented(tif, w, h, raster.get(), ORIENTATION_TOPLEFT, 1) || f.damaged)
    return error = TiffReason(f, Translate("TiffAlpha", "the picture data is damaged").c_str()),
           false;
  NewDib(out, int32_t(w), int32_t(h), 24, nullptr, 0);
  if (!out.Bits) return error = Translate("TiffAlpha", "there is not enough memory"), false;
  for (uint32_t y = 0; y < h; ++y) {
    const uint32_t* src = &raster[size_t(y) * w];
    uint8_t* dst = DibRow(out, int32_t(y));
    for (uint32_t x = 0; x < w; ++x, dst += 3) {
      const uint32_t p = src[x], a = TIFFGetA(p);
      const auto plain = [a](uint32_t c) { return uint8_t(a ? std::min(255u, c * 255 / a) : 0); };
      dst[0] = plain(TIFFGetB(p)), dst[1] = plain(TIFFGetG(p)), dst[2] = plain(TIFFGetR(p));
      alpha[size_t(y) * w + x] = uint8_t(a);
    }
  }
  return true;
}
}  // namespace

bool ReadTiffWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error) {
  out = Dib{};
  alpha.clear();
  error.clear();
  TiffMemoryFile f;
  f.data = file.data;
  f.size = file.size;
  TIFF* tif = OpenTiffMemory(f, "r");
  if (!tif) return false;  // the plain reader says why
  const bool ok = HasAlpha(tif) && Read(tif, f, out, alpha, error);
  TIFFClose(tif);
  if (!ok) {
    FreeDib(out);
    alpha.clear();
  }
  return ok;
}
