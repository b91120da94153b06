#include "platform/dib/DibRows.h"

#include <cstring>

#include "platform/Translate.h"

namespace {
uint64_t readLimit = uint64_t(kMaxDibSide) * uint64_t(kMaxDibSide);
}  // namespace

uint64_t PictureReadLimit() {
  return readLimit;
}
void SetPictureReadLimit(uint64_t pixels) {
  readLimit = pixels;
}

bool PictureReadAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxDibSide && height <= kMaxDibSide &&
         uint64_t(width) * uint64_t(height) <= readLimit;
}

bool NewDibChecked(Dib& out, int64_t width, int64_t height, int bitCount, std::string& error) {
  out = Dib{};
  if (width <= 0 || height <= 0) {
    error = Translate("DibRows", "the picture has no pixels");
    return false;
  }
  if (!PictureReadAllowed(width, height) ||
      !DibSizeAllowed(int32_t(width), int32_t(height), bitCount)) {
    error = Translate("DibRows", "the picture is too large (") + std::to_string(width) + " x " +
            std::to_string(height) + " pixels)";
    return false;
  }
  NewDib(out, int32_t(width), int32_t(height), bitCount, nullptr, 0);
  if (!out.Bits) {
    error = Translate("DibRows", "there is not enough memory for the picture");
    return false;
  }
  return true;
}

void RowReporter::row(int64_t index) {
  const int percent = count_ > 1 ? int(index * 100 / (count_ - 1)) : 100;
  if (percent == last_) return;
  last_ = percent;
  ReportProgress(percent);
}

void SetDibColors(Dib& dib, const uint8_t* rgb, int count) {
  const int entries = PaletteEntryCount(DibBitCount(dib));
  for (int i = 0; i < count && i < entries; ++i)
    SetDibColor(dib, i, rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], false);
  RecreatePalette(dib);
}

void SetGreyColors(Dib& dib) {
  for (int i = 0; i < 256; ++i) SetDibColor(dib, i, uint8_t(i), uint8_t(i), uint8_t(i), false);
  RecreatePalette(dib);
}

bool HasGreyColors(const Dib& dib) {
  if (DibBitCount(dib) != 8) return false;
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& q = dib.Info->bmiColors[i];
    if (q.rgbRed != i || q.rgbGreen != i || q.rgbBlue != i) return false;
  }
  return true;
}

void StoreIndexRow(const Dib& dib, int32_t y, const uint8_t* indices) {
  uint8_t* row = DibRow(dib, y);
  const int32_t w = DibWidth(dib);
  switch (DibBitCount(dib)) {
    case 8:
      std::memcpy(row, indices, size_t(w));
      break;
    case 4:
      for (int32_t x = 0; x < w; x += 2) {
        const uint8_t hi = uint8_t(indices[x] & 15),
                      lo = x + 1 < w ? uint8_t(indices[x + 1] & 15) : 0;
        row[x >> 1] = uint8_t(hi << 4 | lo);
      }
      break;
    case 1:
      for (int32_t x = 0; x < w; x += 8) {
        uint8_t b = 0;
        for (int32_t k = 0; k < 8 && x + k < w; ++k) b |= uint8_t((indices[x + k] & 1) << (7 - k));
        row[x >> 3] = b;
      }
      break;
    default:
      break;
  }
}

void LoadIndexRow(const Dib& dib, int32_t y, uint8_t* indices) {
  const uint8_t* row = DibRow(dib, y);
  const int32_t w = DibWidth(dib);
  switch (DibBitCount(dib)) {
    case 8:
      std::memcpy(indices, row, size_t(w));
      break;
    case 4:
      for (int32_t x = 0; x < w; ++x)
        indices[x] = (x & 1) ? (row[x >> 1] & 15) : (row[x >> 1] >> 4);
      break;
    case 1:
      for (int32_t x = 0; x < w; ++x) indices[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
      break;
    default:
      std::memset(indices, 0, size_t(w));
      break;
  }
}

void LoadRgbRow(const Dib& dib, int32_t y, uint8_t* rgb) {
  const int32_t w = DibWidth(dib);
  if (DibBitCount(dib) == 24) {
    const uint8_t* row = DibRow(dib, y);
    for (int32_t x = 0; x < w; ++x, row += 3, rgb += 3) {
      rgb[0] = row[2];
      rgb[1] = row[1];
      rgb[2] = row[0];
    }
    return;
  }
  // Indices are unpacked into the tail of the same buffer, then expanded from the front.
  uint8_t* idx = rgb + size_t(w) * 2;
  LoadIndexRow(dib, y, idx);
  const RGBQUAD* table = dib.Info->bmiColors;
  for (int32_t x = 0; x < w; ++x) {
    const RGBQUAD& q = table[idx[x]];
    rgb[3 * x] = q.rgbRed;
    rgb[3 * x + 1] = q.rgbGreen;
    rgb[3 * x + 2] = q.rgbBlue;
  }
}
