// Windows and OS/2 bitmaps (BMP, DIB, RLE): uncompressed, bit fields, RLE8 and RLE4.
#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

#include "platform/Translate.h"
#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"

namespace {

enum : uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6 };

struct BmpHeader {
  int64_t width = 0, height = 0;  // height negative: rows stored top-down
  int bpp = 0;
  uint32_t compression = kBiRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  int colours = 0;
  Rgb table[256];
};

// One colour component described by a bit mask.
struct Channel {
  uint32_t mask = 0;
  int shift = 0, bits = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (m) {
      shift = std::countr_zero(m);
      bits = std::min(32 - shift, int(std::bit_width(m >> shift)));
    }
  }
  uint8_t get(uint32_t px) const {
    if (!mask) return 0;
    const uint32_t v = (px & mask) >> shift;
    return bits > 8 ? uint8_t(v >> (bits - 8)) : ScaleTo8(v, bits);
  }
};

bool ReadHeader(ByteReader& r, bool fileHeader, BmpHeader& h, size_t& dataOffset,
                std::string& error) {
  size_t offBits = 0;
  if (fileHeader) {
    r.skip(10);
    offBits = r.le32();
  }
  const size_t headerStart = r.pos();
  const uint32_t size = r.le32();
  size_t entrySize = 4;
  if (size == 12) {
    h.width = r.le16();
    h.height = int16_t(r.le16());
    if (h.height < 0) h.height = uint16_t(h.height);
    r.le16();
    h.bpp = r.le16();
    entrySize = 3;
  } else if (size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124) {
    h.width = int32_t(r.le32());
    h.height = int32_t(r.le32());
    r.le16();
    h.bpp = r.le16();
    h.compression = r.le32();
    r.skip(12);
    h.colours = int(std::min<uint32_t>(r.le32(), 1u << 16));
    r.le32();
    // Masks follow a 40-byte header as separate fields, or sit inside the longer headers.
    const bool fields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
    if (size >= 52 || fields) {
      const int count =
          size >= 56 ? 4 : (size >= 52 ? 3 : (h.compression == kBiAlphaBitfields ? 4 : 3));
      for (int i = 0; i < count; ++i) h.masks[i] = r.le32();
    }
    if (!fields) std::fill(std::begin(h.masks), std::end(h.masks), 0u);
    if (size > 40) r.seek(headerStart + size);
  } else {
    error = Translate("BmpFormat", "the bitmap header size ") + std::to_string(size) +
            Translate("BmpFormat", " is not one of the known sizes");
    return false;
  }
  if (!r.ok()) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  if (h.width <= 0 || h.height == 0) {
    error = Translate("BmpFormat", "the picture has no pixels");
    return false;
  }
  const bool okDepth =
      h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 || h.bpp == 24 || h.bpp == 32;
  const bool okCompression =
      h.compression == kBiRgb || (h.compression == kBiRle8 && h.bpp == 8) ||
      (h.compression == kBiRle4 && h.bpp == 4) ||
      ((h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) &&
       (h.bpp == 16 || h.bpp == 32));
  if (!okDepth || !okCompression) {
    error = Translate("BmpFormat", "this kind of bitmap compression or depth is not supported");
    return false;
  }
  if (fileHeader && offBits != 0 && offBits < r.pos()) {
    error = Translate("BmpFormat", "the pixel data would begin inside the bitmap header");
    return false;
  }
  const bool fields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
  if (fields && (h.masks[0] | h.masks[1] | h.masks[2]) == 0) {
    error = Translate("BmpFormat", "the colour masks of the bitmap are all zero");
    return false;
  }
  if (h.bpp <= 8) {
    const int most = 1 << h.bpp;
    if (h.colours > most) {
      error = Translate("BmpFormat", "the bitmap declares ") + std::to_string(h.colours) +
              Translate("BmpFormat", " colours, more than ") + std::to_string(h.bpp) +
              Translate("BmpFormat", " bits per pixel can address");
      return false;
    }
    if (h.colours <= 0) h.colours = most;
    // Some files hold a shorter table than they declare: it ends where the pixels begin.
    if (fileHeader && offBits > r.pos())
      h.colours = int(std::min<size_t>(size_t(h.colours), (offBits - r.pos()) / entrySize));
    if (fileHeader && offBits == r.pos()) {
      error = Translate("BmpFormat", "the colour table is missing");
      return false;
    }
    for (int i = 0; i < h.colours; ++i) {
      const uint8_t* q = r.take(entrySize);
      if (!q) {
        error = Translate("PictureBuild", kTruncatedFile);
        return false;
      }
      h.table[i] = Rgb{q[2], q[1], q[0]};
    }
  }
  if (h.compression == kBiRgb && h.bpp == 16) {
    h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
  } else if (h.compression == kBiRgb && h.bpp == 32) {
    h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
  }
  if (h.bpp == 16)
    for (uint32_t& m : h.masks) m &= 0xFFFF;
  dataOffset = (fileHeader && offBits != 0) ? offBits : r.pos();
  if (dataOffset > r.size()) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  return true;
}

uint32_t PixelAt(const uint8_t* row, int bpp, int32_t x) {
  if (bpp == 16) return uint32_t(row[2 * x] | row[2 * x + 1] << 8);
  const uint8_t* p = row + 4 * size_t(x);
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Some writers declare an alpha mask but leave every alpha at 0: such pictures are opaque.
bool HasSomeAlpha(const uint8_t* data, size_t stride, int32_t rows, int32_t w, const BmpHeader& h) {
  if (h.bpp <= 8 || h.masks[3] == 0) return false;
  for (int32_t y = 0; y < rows; ++y)
    for (int32_t x = 0; x < w; ++x)
      if (PixelAt(data + stride * size_t(y), h.bpp, x) & h.masks[3]) return true;
  return false;
}

bool ReadUncompressed(ByteView file, size_t offset, const BmpHeader& h, Dib& out,
                      std::string& error) {
  const uint64_t rowBytes = (uint64_t(h.width) * uint64_t(h.bpp) + 7) / 8;
  const uint64_t stride = (uint64_t(h.width) * uint64_t(h.bpp) + 31) / 32 * 4;
  const int64_t rows = h.height < 0 ? -h.height : h.height;
  const uint64_t need = stride * uint64_t(rows - 1) + rowBytes;
  if (offset > file.size || need > file.size - offset) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  const int32_t w = int32_t(h.width), ht = int32_t(rows);
  const bool palette = h.bpp <= 8;
  if (!(palette ? NewPalettePictureOfDepth(out, w, ht, h.bpp, h.table, h.colours, error)
                : NewTruecolourPicture(out, w, ht, error)))
    return false;
  const bool shortTable = palette && h.colours < (1 << h.bpp);
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  const Channel alpha(HasSomeAlpha(file.data + offset, size_t(stride), ht, w, h) ? h.masks[3] : 0);
  for (int32_t y = 0; y < ht; ++y) {
    const int32_t fileRow = h.height < 0 ? y : ht - 1 - y;
    const uint8_t* src = file.data + offset + size_t(stride) * size_t(fileRow);
    uint8_t* dst = DibRow(out, y);
    if (palette) {
      std::copy(src, src + rowBytes, dst);
      if (shortTable)
        for (int32_t x = 0; x < w; ++x)
          if (GetPacked(src, h.bpp, uint32_t(x)) >= uint32_t(h.colours)) {
            FreeDib(out);
            error = Translate("PictureBuild", kIndexOutsideTable);
            return false;
          }
    } else if (h.bpp == 24) {
      std::copy(src, src + rowBytes, dst);
    } else {
      for (int32_t x = 0; x < w; ++x) {
        const uint32_t px = PixelAt(src, h.bpp, x);
        uint8_t r = red.get(px), g = green.get(px), b = blue.get(px);
        if (alpha.mask) {
          const uint8_t a = alpha.get(px);
          r = OverWhite(r, a), g = OverWhite(g, a), b = OverWhite(b, a);
        }
        PutRgb(dst, uint32_t(x), r, g, b);
      }
    }
  }
  return true;
}

// End-of-line codes a writer may leave after the last row without the end of the picture.
constexpr int kMaxRlePaddingCodes = 2;

// RLE8 and RLE4: runs, absolute runs, end of line, delta moves and end of picture.
bool ReadRle(ByteView file, size_t offset, const BmpHeader& h, Dib& out, std::string& error) {
  const int64_t rows = h.height < 0 ? -h.height : h.height;
  const int32_t w = int32_t(h.width), ht = int32_t(rows);
  if (!NewPalettePictureOfDepth(out, w, ht, h.bpp, h.table, h.colours, error)) return false;
  const int outBpp = DibBitCount(out);
  const bool four = h.bpp == 4;
  // Some writers encode the row padding too: runs may reach the end of the padded row.
  const int64_t rowEnd = (int64_t(w) * h.bpp + 31) / 32 * 32 / h.bpp;
  ByteReader r(ByteView{file.data + offset, file.size - offset});
  int64_t x = 0, y = 0;  // y counts stored rows, the first one being the bottom row
  bool indexOutside = false;
  auto put = [&](uint32_t index) {
    indexOutside = indexOutside || index >= uint32_t(h.colours);
    if (x < w) {
      const int32_t top = h.height < 0 ? int32_t(y) : ht - 1 - int32_t(y);
      PutIndex(DibRow(out, top), outBpp, uint32_t(x), index);
    }
    ++x;
  };
  while (y < ht) {
    if (!r.has(2)) {
      FreeDib(out);
      error = Translate("PictureBuild", kTruncatedFile);
      return false;
    }
    const uint8_t count = r.u8(), value = r.u8();
    bool inside = true;
    if (count > 0) {
      inside = x + count <= rowEnd;
      if (inside)
        for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (!r.has(2)) {
        FreeDib(out);
        error = Translate("PictureBuild", kTruncatedFile);
        return false;
      }
      x += r.u8();
      y += r.u8();
      inside = x <= rowEnd && y <= ht;
    } else {
      const size_t bytes = four ? (value + 1u) / 2 : value;
      const uint8_t* p = r.take(bytes + (bytes & 1));
      if (!p) {
        FreeDib(out);
        error = Translate("PictureBuild", kTruncatedFile);
        return false;
      }
      inside = x + value <= rowEnd;
      if (inside)
        for (uint32_t i = 0; i < value; ++i) put(four ? GetPacked(p, 4, i) : p[i]);
    }
    if (!inside || indexOutside) {
      FreeDib(out);
      error = indexOutside
                  ? Translate("PictureBuild", kIndexOutsideTable)
                  : Translate("BmpFormat", "the compressed picture data runs outside the picture");
      return false;
    }
  }
  // Past the last row only the end of the picture may follow, or end-of-line padding.
  for (int padding = 0; r.has(2); ++padding) {
    const uint8_t count = r.u8(), value = r.u8();
    if (count == 0 && value == 1) break;
    if (count != 0 || value != 0 || padding == kMaxRlePaddingCodes) {
      FreeDib(out);
      error = Translate("BmpFormat", "the compressed picture data runs past its last row");
      return false;
    }
  }
  return true;
}

}  // namespace

bool ReadBmp(ByteView file, Dib& out, std::string& error) {
  out = Dib{};
  ByteReader r(file);
  bool fileHeader = true;
  if (file.size >= 2 && file.data[0] == 'B' && file.data[1] == 'M') {
    fileHeader = true;
  } else if (file.size >= 4 && (file.data[0] == 12 || file.data[0] >= 40) && file.data[1] == 0 &&
             file.data[2] == 0 && file.data[3] == 0) {
    fileHeader = false;  // a packed bitmap without the file header
  } else {
    error = Translate("BmpFormat", "the file is not a bitmap");
    return false;
  }
  BmpHeader h;
  size_t offset = 0;
  if (!ReadHeader(r, fileHeader, h, offset, error)) return false;
  const int64_t rows = h.height < 0 ? -h.height : h.height;
  if (h.width > kMaxDibSide || rows > kMaxDibSide) {
    error = Translate("PictureBuild", kPictureTooLarge);
    return false;
  }
  if (h.compression == kBiRle8 || h.compression == kBiRle4)
    return ReadRle(file, offset, h, out, error);
  return ReadUncompressed(file, offset, h, out, error);
}

namespace {

// File header, 40-byte info header and colour table; the pixel bytes follow.
// The headers of a picture of `colours` palette entries read by `colour`.
void WriteHeaders(int32_t width, int32_t height, int bpp, uint32_t compression, int colours,
                  const std::function<Rgb(int)>& colour, size_t pixelBytes, ByteWriter& o) {
  const uint32_t offBits = 14 + 40 + 4 * uint32_t(colours);
  o.text("BM");
  o.le32(uint32_t(offBits + pixelBytes));
  o.le32(0);
  o.le32(offBits);
  o.le32(40);
  o.le32(uint32_t(width));
  o.le32(uint32_t(height));
  o.le16(1);
  o.le16(uint32_t(bpp));
  o.le32(compression);
  o.le32(uint32_t(pixelBytes));
  o.le32(3780);  // 96 dots per inch
  o.le32(3780);
  o.le32(uint32_t(colours));
  o.le32(0);
  for (int i = 0; i < colours; ++i) {
    const Rgb c = colour(i);
    o.u8(c.b), o.u8(c.g), o.u8(c.r), o.u8(0);
  }
}

void WriteHeaders(const Dib& dib, int bpp, uint32_t compression, int colours, size_t pixelBytes,
                  ByteWriter& o) {
  WriteHeaders(
      DibWidth(dib), DibHeight(dib), bpp, compression, colours,
      [&dib](int i) { return DibColour(dib, i); }, pixelBytes, o);
}

void EncodeRleRow(const uint8_t* idx, int w, bool four, ByteWriter& o);

// The RLE file of `h` rows of `w` palette indices, read bottom row first by `row`: a first pass
// counts the pixels' bytes, which the headers hold.
void WriteRleRows(int32_t w, int32_t h, bool four, int colours,
                  const std::function<Rgb(int)>& colour,
                  const std::function<void(int32_t y, uint8_t* idx)>& row, ByteSink& out) {
  std::vector<uint8_t> idx(size_t(w), 0);
  auto encode = [&](ByteWriter& p) {
    for (int32_t y = h - 1; y >= 0; --y) {
      row(y, idx.data());
      EncodeRleRow(idx.data(), w, four, p);
      if (y > 0) p.u8(0), p.u8(0);
    }
    p.u8(0), p.u8(1);
  };
  CountingSink counted;
  ByteWriter count(counted);
  encode(count);
  ByteWriter o(out);
  WriteHeaders(w, h, four ? 4 : 8, four ? kBiRle4 : kBiRle8, colours, colour, counted.size(), o);
  encode(o);
}

// Length of the run of equal indices starting at i, at most 255.
int RunAt(const uint8_t* idx, int w, int i) {
  int n = 1;
  while (i + n < w && n < 255 && idx[i + n] == idx[i]) ++n;
  return n;
}

// One row of RLE8 or RLE4: runs of three or more equal pixels, absolute runs in between.
void EncodeRleRow(const uint8_t* idx, int w, bool four, ByteWriter& o) {
  int i = 0;
  while (i < w) {
    const int run = RunAt(idx, w, i);
    if (run >= 3) {
      o.u8(uint32_t(run));
      o.u8(four ? uint32_t(idx[i] << 4 | idx[i]) : idx[i]);
      i += run;
      continue;
    }
    int j = i;
    while (j < w && j - i < 255 && RunAt(idx, w, j) < 3) ++j;
    const int n = j - i;
    if (n < 3) {
      for (int k = i; k < j; ++k) o.u8(1), o.u8(four ? uint32_t(idx[k] << 4) : idx[k]);
    } else {
      o.u8(0);
      o.u8(uint32_t(n));
      size_t bytes = 0;
      if (four) {
        for (int k = 0; k < n; k += 2, ++bytes)
          o.u8(uint32_t(idx[i + k] << 4 | (k + 1 < n ? idx[i + k + 1] : 0)));
      } else {
        o.bytes(idx + i, size_t(n));
        bytes = size_t(n);
      }
      if (bytes & 1) o.u8(0);
    }
    i = j;
  }
}

}  // namespace

bool WriteBmpTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  const int bpp = DibBitCount(dib);
  const size_t bytes = size_t(dib.BytesPerLine) * size_t(DibHeight(dib));
  ByteWriter o(out);
  WriteHeaders(dib, bpp, kBiRgb, PaletteEntryCount(bpp), bytes, o);
  o.bytes(dib.Bits, bytes);
  return true;
}

bool WriteRleTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  Dib reduced;
  const Dib* src = &dib;
  if (DibBitCount(dib) == 24) {
    if (!ReduceTo8Bits(dib, reduced)) {
      error = Translate("BmpFormat", "there is not enough memory to reduce the colours");
      return false;
    }
    src = &reduced;
  }
  const int bpp = DibBitCount(*src);
  const bool four = bpp != 8;  // 1-bit pictures are stored as RLE4 with two colours
  WriteRleRows(
      DibWidth(*src), DibHeight(*src), four, PaletteEntryCount(bpp),
      [src](int i) { return DibColour(*src, i); },
      [src, bpp](int32_t y, uint8_t* idx) {
        const uint8_t* row = DibRow(*src, y);
        for (int32_t x = 0; x < DibWidth(*src); ++x)
          idx[x] = uint8_t(GetPacked(row, bpp, uint32_t(x)));
      },
      out);
  if (src == &reduced) FreeDib(reduced);
  return true;
}

bool WriteRleConsuming(Dib& dib, ByteSink& out, std::string& error) {
  if (DibBitCount(dib) != 24) return WriteRleTo(dib, out, error);
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  std::vector<uint8_t> palette;
  {
    // Each row's indices go to the start of the row once the reduction has read it.
    RowReducer reducer(dib);
    palette.assign(reducer.palette(), reducer.palette() + 3 * reducer.colors());
    std::vector<uint8_t> idx(static_cast<size_t>(w));
    for (int32_t y = 0; y < h; ++y) {
      reducer.next(idx.data());
      std::memcpy(DibRow(dib, y), idx.data(), idx.size());
    }
  }
  const int colours = int(palette.size() / 3);
  WriteRleRows(
      w, h, false, PaletteEntryCount(8),
      [&palette, colours](int i) {
        return i < colours ? Rgb{palette[size_t(3 * i)], palette[size_t(3 * i + 1)],
                                 palette[size_t(3 * i + 2)]}
                           : Rgb{0, 0, 0};
      },
      [&dib, w](int32_t y, uint8_t* idx) { std::memcpy(idx, DibRow(dib, y), size_t(w)); }, out);
  return true;
}
