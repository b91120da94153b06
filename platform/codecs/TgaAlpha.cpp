// 32-bit true-colour TGA files with eight alpha bits, plain or run-length encoded.
#include <algorithm>
#include <new>

#include "platform/Translate.h"
#include "platform/codecs/PictureAlpha.h"
#include "platform/dib/DibRows.h"

namespace {
uint16_t Le16(const uint8_t* p) {
  return uint16_t(p[0] | p[1] << 8);
}

bool Truncated(std::string& error) {
  error = Translate("TgaAlpha", "the file is truncated");
  return false;
}
}  // namespace

bool ReadTgaWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error) {
  out = Dib{};
  alpha.clear();
  error.clear();
  if (file.size < 18) return false;  // the plain reader says why
  const uint8_t* h = file.data;
  const int type = h[2], bits = h[16], descriptor = h[17];
  if ((type != 2 && type != 10) || bits != 32 || (descriptor & 15) != 8 || h[1] != 0) return false;
  const int32_t w = Le16(h + 12), ht = Le16(h + 14);
  if (w == 0 || ht == 0) return false;
  if (!DibSizeAllowed(w, ht, 24) || uint64_t(w) * uint64_t(ht) > PictureReadLimit()) {
    error = Translate("TgaAlpha", "the picture is too large");
    return false;
  }
  size_t pos = 18 + size_t(h[0]);
  const size_t pixels = size_t(w) * size_t(ht);
  // Every pixel needs at least one byte of a run packet: refuse hopeless sizes before memory.
  if (pos > file.size || (type == 2 ? (file.size - pos) / 4 : (file.size - pos) / 5 * 128) < pixels)
    return Truncated(error);
  std::vector<uint8_t> bgra;
  try {
    bgra.resize(pixels * 4);
  } catch (const std::bad_alloc&) {
    error = Translate("TgaAlpha", "there is not enough memory");
    return false;
  }
  for (size_t done = 0; done < pixels;) {
    if (type == 2) {
      std::copy(file.data + pos, file.data + pos + pixels * 4, bgra.begin());
      break;
    }
    if (pos >= file.size) return Truncated(error);
    const uint8_t packet = file.data[pos++];
    const size_t n = std::min<size_t>((packet & 127) + 1, pixels - done);
    const size_t bytes = packet & 128 ? 4 : 4 * n;
    if (file.size - pos < bytes) return Truncated(error);
    for (size_t i = 0; i < n; ++i)
      std::copy_n(file.data + pos + (packet & 128 ? 0 : 4 * i), 4, &bgra[4 * (done + i)]);
    pos += bytes;
    done += n;
  }
  NewDib(out, w, ht, 24, nullptr, 0);
  if (!out.Bits) {
    error = Translate("TgaAlpha", "there is not enough memory");
    return false;
  }
  alpha.resize(pixels);
  const bool fromTop = descriptor & 0x20, fromRight = descriptor & 0x10;
  for (int32_t y = 0; y < ht; ++y) {
    const uint8_t* src = &bgra[size_t(fromTop ? y : ht - 1 - y) * size_t(w) * 4];
    uint8_t* dst = DibRow(out, y);
    for (int32_t x = 0; x < w; ++x) {
      const uint8_t* p = src + 4 * size_t(fromRight ? w - 1 - x : x);
      dst[3 * x] = p[0], dst[3 * x + 1] = p[1], dst[3 * x + 2] = p[2];
      alpha[size_t(y) * size_t(w) + size_t(x)] = p[3];
    }
  }
  return true;
}
