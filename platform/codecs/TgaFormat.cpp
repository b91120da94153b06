// Truevision TGA pictures: colour-mapped, true-colour and greyscale, raw or run-length encoded.
#include <algorithm>

#include "platform/Translate.h"
#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"

namespace {

// A 15/16-bit pixel (x RRRRR GGGGG BBBBB) as 8-bit components.
Rgb From555(uint32_t v) {
  return Rgb{ScaleTo8(v >> 10 & 31, 5), ScaleTo8(v >> 5 & 31, 5), ScaleTo8(v & 31, 5)};
}

// Colour of a true-colour or colour-map entry of 15, 16, 24 or 32 bits; alpha laid over white.
Rgb EntryColour(const uint8_t* p, int bits, bool useAlpha) {
  if (bits <= 16) return From555(uint32_t(p[0] | p[1] << 8));
  if (bits == 32 && useAlpha)
    return Rgb{OverWhite(p[2], p[3]), OverWhite(p[1], p[3]), OverWhite(p[0], p[3])};
  return Rgb{p[2], p[1], p[0]};
}

// Reads pixels one by one from raw or run-length packets (packets may span rows).
class TgaPixels {
 public:
  TgaPixels(ByteReader& r, size_t bytes, bool rle) : r_(r), bytes_(bytes), rle_(rle) {}

  const uint8_t* next() {
    if (!rle_) return r_.take(bytes_);
    if (left_ == 0) {
      const uint8_t head = r_.u8();
      if (!r_.ok()) return nullptr;
      left_ = (head & 0x7Fu) + 1;
      repeat_ = (head & 0x80) != 0;
      if (repeat_) value_ = r_.take(bytes_);
    }
    --left_;
    return repeat_ ? value_ : r_.take(bytes_);
  }
  // True when the last packet promised more pixels than the picture holds.
  bool runLeft() const { return left_ > 0; }

 private:
  ByteReader& r_;
  size_t bytes_;
  bool rle_;
  uint32_t left_ = 0;
  bool repeat_ = false;
  const uint8_t* value_ = nullptr;
};

}  // namespace

bool ReadTga(ByteView file, Dib& out, std::string& error) {
  out = Dib{};
  ByteReader r(file);
  const int idLength = r.u8(), mapType = r.u8(), type = r.u8();
  const int mapFirst = r.le16(), mapLength = r.le16(), mapBits = r.u8();
  r.skip(4);
  const int w = r.le16(), h = r.le16(), bits = r.u8(), descriptor = r.u8();
  if (!r.ok()) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  const int kind = type & 7;
  const bool rle = type >= 9;
  const bool known = (type >= 1 && type <= 3) || (type >= 9 && type <= 11);
  const bool depthOk = (kind == 1 && (bits == 8 || bits == 16) && mapType == 1 &&
                        (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32)) ||
                       (kind == 2 && (bits == 15 || bits == 16 || bits == 24 || bits == 32)) ||
                       (kind == 3 && (bits == 8 || bits == 16));
  if (!known || mapType > 1 || !depthOk) {
    error = Translate("TgaFormat", "the file is not a TGA picture of a supported kind");
    return false;
  }
  if (w == 0 || h == 0) {
    error = Translate("TgaFormat", "the picture has no pixels");
    return false;
  }
  r.skip(size_t(idLength));
  const int alphaBits = descriptor & 15;
  const size_t mapEntry = (size_t(mapBits) + 7) / 8;
  const uint8_t* map = mapType == 1 ? r.take(mapEntry * size_t(mapLength)) : nullptr;
  if (!r.ok()) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  if (kind == 1 && mapFirst >= 1 << bits) {  // no pixel can select an entry
    error = Translate("TgaFormat", "the colour map begins beyond the indices the pixels can hold");
    return false;
  }
  const size_t pixelBytes = (size_t(bits) + 7) / 8;
  // A run packet of 1 + pixelBytes bytes yields up to 128 pixels: refuse hopeless sizes early.
  const uint64_t most = rle ? uint64_t(r.remaining()) / (1 + pixelBytes) * 128 + 128
                            : uint64_t(r.remaining()) / pixelBytes;
  if (uint64_t(w) * uint64_t(h) > most) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  // Colour maps of up to 256 entries indexed by 8 bits stay palette pictures.
  const bool palette = kind == 1 && bits == 8 && mapFirst + mapLength <= 256;
  bool ok = false;
  if (palette) {
    Rgb colours[256];
    for (int i = 0; i < mapLength; ++i)
      colours[mapFirst + i] = EntryColour(map + mapEntry * size_t(i), mapBits, true);
    ok = NewPalettePictureOfDepth(out, w, h, 8, colours, mapFirst + mapLength, error);
  } else if (kind == 3 && bits == 8) {
    ok = NewGreyPicture(out, w, h, error);
  } else {
    ok = NewTruecolourPicture(out, w, h, error);
  }
  if (!ok) return false;
  const int outBpp = DibBitCount(out);
  const bool topDown = descriptor & 0x20, rightToLeft = descriptor & 0x10;
  TgaPixels pixels(r, pixelBytes, rle);
  for (int row = 0; row < h; ++row) {
    uint8_t* dst = DibRow(out, topDown ? row : h - 1 - row);
    for (int col = 0; col < w; ++col) {
      const uint8_t* p = pixels.next();
      if (!p) {
        FreeDib(out);
        error = Translate("PictureBuild", kTruncatedFile);
        return false;
      }
      const uint32_t x = uint32_t(rightToLeft ? w - 1 - col : col);
      if (palette) {
        if (p[0] >= mapFirst + mapLength) {
          FreeDib(out);
          error = Translate("PictureBuild", kIndexOutsideTable);
          return false;
        }
        PutIndex(dst, outBpp, x, p[0]);
      } else if (kind == 1) {
        const uint32_t v = bits == 8 ? p[0] : uint32_t(p[0] | p[1] << 8);
        Rgb c{255, 255, 255};
        if (v >= uint32_t(mapFirst) && v - uint32_t(mapFirst) < uint32_t(mapLength))
          c = EntryColour(map + mapEntry * (v - uint32_t(mapFirst)), mapBits, true);
        PutRgb(dst, x, c.r, c.g, c.b);
      } else if (kind == 3 && bits == 8) {
        dst[x] = p[0];
      } else if (kind == 3) {
        const uint8_t g = OverWhite(p[0], p[1]);
        PutRgb(dst, x, g, g, g);
      } else {
        const Rgb c = EntryColour(p, bits, alphaBits > 0);
        PutRgb(dst, x, c.r, c.g, c.b);
      }
    }
  }
  if (pixels.runLeft()) {
    FreeDib(out);
    error = Translate("PictureBuild", kRunPastEnd);
    return false;
  }
  return true;
}

bool WriteTgaTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  const int bpp = DibBitCount(dib), w = DibWidth(dib), h = DibHeight(dib);
  if (w > 0xFFFF || h > 0xFFFF) {
    error = Translate("TgaFormat", "the picture is too large for a TGA file");
    return false;
  }
  const bool palette = bpp != 24;
  const int colours = PaletteEntryCount(bpp);
  const size_t bytes = palette ? 1 : 3;
  ByteWriter o(out);
  o.u8(0), o.u8(palette ? 1 : 0), o.u8(palette ? 9 : 10);
  o.le16(0), o.le16(uint32_t(colours)), o.u8(palette ? 24 : 0);
  o.le16(0), o.le16(0), o.le16(uint32_t(w)), o.le16(uint32_t(h));
  o.u8(palette ? 8 : 24), o.u8(0);  // rows stored from the bottom
  for (int i = 0; i < colours; ++i) {
    const Rgb c = DibColour(dib, i);
    o.u8(c.b), o.u8(c.g), o.u8(c.r);
  }
  std::vector<uint8_t> line(size_t(w) * bytes);
  auto same = [&](int a, int b) {
    return std::equal(&line[size_t(a) * bytes], &line[size_t(a) * bytes] + bytes,
                      &line[size_t(b) * bytes]);
  };
  for (int y = h - 1; y >= 0; --y) {
    const uint8_t* src = DibRow(dib, y);
    if (palette)
      for (int x = 0; x < w; ++x) line[size_t(x)] = uint8_t(GetPacked(src, bpp, uint32_t(x)));
    else
      std::copy(src, src + size_t(w) * 3, line.begin());
    int i = 0;
    while (i < w) {
      int run = 1;
      while (i + run < w && run < 128 && same(i, i + run)) ++run;
      if (run >= 2) {
        o.u8(0x80u | uint32_t(run - 1));
        o.bytes(&line[size_t(i) * bytes], bytes);
        i += run;
        continue;
      }
      int j = i + 1;
      while (j < w && j - i < 128 && !(j + 1 < w && same(j, j + 1))) ++j;
      o.u8(uint32_t(j - i - 1));
      o.bytes(&line[size_t(i) * bytes], size_t(j - i) * bytes);
      i = j;
    }
  }
  return true;
}
