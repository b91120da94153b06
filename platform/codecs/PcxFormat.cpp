// ZSoft PCX pictures: 1 to 4 planes of 1, 2, 4 or 8 bits, run-length encoded.
#include <algorithm>

#include "platform/Translate.h"
#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"

namespace {

constexpr size_t kHeaderSize = 128;
constexpr size_t kEndPaletteSize = 769;  // the byte 12 and 256 colours

// Decodes the PCX run-length stream; runs may continue across rows.
class PcxStream {
 public:
  PcxStream(const uint8_t* p, size_t size, bool encoded) : p_(p), size_(size), encoded_(encoded) {}

  bool read(uint8_t* dst, size_t n) {
    size_t done = 0;
    while (done < n) {
      if (runLeft_ > 0) {
        const size_t k = std::min(runLeft_, n - done);
        std::fill(dst + done, dst + done + k, runValue_);
        runLeft_ -= k;
        done += k;
        continue;
      }
      if (pos_ >= size_) return false;
      const uint8_t b = p_[pos_++];
      if (encoded_ && (b & 0xC0) == 0xC0) {
        if (pos_ >= size_) return false;
        runLeft_ = b & 0x3F;
        runValue_ = p_[pos_++];
      } else {
        dst[done++] = b;
      }
    }
    return true;
  }
  // True when the last run promised more bytes than the picture holds.
  bool runLeft() const { return runLeft_ > 0; }

 private:
  const uint8_t* p_;
  size_t size_, pos_ = 0, runLeft_ = 0;
  uint8_t runValue_ = 0;
  bool encoded_;
};

}  // namespace

bool ReadPcx(ByteView file, Dib& out, std::string& error) {
  out = Dib{};
  ByteReader r(file);
  if (file.size < kHeaderSize || file.data[0] != 0x0A) {
    error = Translate("PcxFormat", "the file is not a PCX picture");
    return false;
  }
  r.skip(1);
  const int version = r.u8(), encoding = r.u8(), bpp = r.u8();
  const int xmin = r.le16(), ymin = r.le16(), xmax = r.le16(), ymax = r.le16();
  const uint8_t* header = file.data + 16;
  r.seek(65);
  const int planes = r.u8();
  const size_t bpl = r.le16();
  const int w = xmax - xmin + 1, h = ymax - ymin + 1;
  if (w <= 0 || h <= 0) {
    error = Translate("PcxFormat", "the picture has no pixels");
    return false;
  }
  const int total = bpp * planes;
  // Up to 16 colours from the header palette, or 256 colours in one plane of bytes.
  const bool indexed = ((bpp == 1 || bpp == 2 || bpp == 4) && planes >= 1 && total <= 4) ||
                       (bpp == 8 && planes == 1);
  const bool rgb = bpp == 8 && (planes == 3 || planes == 4);
  if ((!indexed && !rgb) || encoding > 1) {
    error = Translate("PcxFormat", "this kind of PCX picture is not supported");
    return false;
  }
  if (bpl == 0 || bpl < (size_t(w) * size_t(bpp) + 7) / 8) {
    error = Translate("PcxFormat", "the PCX row length is too short for the picture");
    return false;
  }
  size_t dataEnd = file.size;
  Rgb colours[256];
  int count = 0;
  if (indexed && total == 8) {
    count = 256;
    if (file.size >= kHeaderSize + kEndPaletteSize &&
        file.data[file.size - kEndPaletteSize] == 12) {
      dataEnd = file.size - kEndPaletteSize;
      const uint8_t* p = file.data + dataEnd + 1;
      for (int i = 0; i < 256; ++i) colours[i] = Rgb{p[3 * i], p[3 * i + 1], p[3 * i + 2]};
    } else if (version >= 5) {
      error = Translate("PcxFormat", "the colour table at the end of the PCX file is missing");
      return false;
    } else {
      for (int i = 0; i < 256; ++i) colours[i] = Rgb{uint8_t(i), uint8_t(i), uint8_t(i)};
    }
  } else if (indexed) {
    count = 1 << total;
    for (int i = 0; i < count; ++i)
      colours[i] = Rgb{header[3 * i], header[3 * i + 1], header[3 * i + 2]};
    // Monochrome files often leave the header palette empty: black and white then.
    if (total == 1 &&
        (version == 3 || (colours[0].r == colours[1].r && colours[0].g == colours[1].g &&
                          colours[0].b == colours[1].b))) {
      colours[0] = Rgb{0, 0, 0};
      colours[1] = Rgb{255, 255, 255};
    }
  }
  const size_t lineBytes = bpl * size_t(planes);
  // Each stored byte yields at most 63 decoded ones: refuse hopeless sizes before allocating.
  const uint64_t need = uint64_t(lineBytes) * uint64_t(h);
  const uint64_t have = uint64_t(dataEnd - kHeaderSize) * (encoding ? 63 : 1);
  if (need > have) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  if (!(indexed ? NewPalettePictureOfDepth(out, w, h, total, colours, count, error)
                : NewTruecolourPicture(out, w, h, error)))
    return false;
  const int outBpp = DibBitCount(out);
  std::vector<uint8_t> line(lineBytes);
  PcxStream stream(file.data + kHeaderSize, dataEnd - kHeaderSize, encoding == 1);
  for (int y = 0; y < h; ++y) {
    if (!stream.read(line.data(), lineBytes)) {
      FreeDib(out);
      error = Translate("PictureBuild", kTruncatedFile);
      return false;
    }
    uint8_t* dst = DibRow(out, y);
    if (rgb) {
      const uint8_t *R = line.data(), *G = R + bpl, *B = G + bpl, *A = B + bpl;
      for (int x = 0; x < w; ++x) {
        if (planes == 4)
          PutRgb(dst, uint32_t(x), OverWhite(R[x], A[x]), OverWhite(G[x], A[x]),
                 OverWhite(B[x], A[x]));
        else
          PutRgb(dst, uint32_t(x), R[x], G[x], B[x]);
      }
    } else if (planes == 1 && bpp == outBpp) {
      std::copy(line.data(), line.data() + (size_t(w) * size_t(bpp) + 7) / 8, dst);
    } else {
      for (int x = 0; x < w; ++x) {
        uint32_t index = 0;
        for (int p = 0; p < planes; ++p)
          index |= GetPacked(line.data() + size_t(p) * bpl, bpp, uint32_t(x)) << (p * bpp);
        PutIndex(dst, outBpp, uint32_t(x), index);
      }
    }
  }
  if (stream.runLeft()) {
    FreeDib(out);
    error = Translate("PictureBuild", kRunPastEnd);
    return false;
  }
  return true;
}

namespace {

void EncodePcxLine(const uint8_t* p, size_t n, ByteWriter& o) {
  size_t i = 0;
  while (i < n) {
    size_t run = 1;
    while (i + run < n && run < 63 && p[i + run] == p[i]) ++run;
    if (run > 1 || p[i] >= 0xC0) o.u8(0xC0 | uint32_t(run));
    o.u8(p[i]);
    i += run;
  }
}

}  // namespace

bool WritePcxTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  const int bpp = DibBitCount(dib), w = DibWidth(dib), h = DibHeight(dib);
  // Many readers show one-plane files in black and white whatever their palette says: other
  // two-colour pictures go as 16-colour planes.
  const Rgb c0 = DibColour(dib, 0), c1 = DibColour(dib, 1);
  const bool mono =
      bpp == 1 && c0.r == 0 && c0.g == 0 && c0.b == 0 && c1.r == 255 && c1.g == 255 && c1.b == 255;
  const bool planar = bpp == 4 || (bpp == 1 && !mono);
  const int planes = bpp == 24 ? 3 : (planar ? 4 : 1);
  const int planeBits = (bpp == 8 || bpp == 24) ? 8 : 1;
  size_t bpl = (size_t(w) * size_t(planeBits) + 7) / 8;
  bpl += bpl & 1;  // rows of an even number of bytes
  ByteWriter o(out);
  o.u8(0x0A), o.u8(5), o.u8(1), o.u8(uint32_t(planeBits));
  o.le16(0), o.le16(0), o.le16(uint32_t(w - 1)), o.le16(uint32_t(h - 1));
  o.le16(96), o.le16(96);
  for (int i = 0; i < 16; ++i) {
    const Rgb c = bpp <= 4 && i < PaletteEntryCount(bpp) ? DibColour(dib, i) : Rgb{};
    o.u8(c.r), o.u8(c.g), o.u8(c.b);
  }
  o.u8(0), o.u8(uint32_t(planes)), o.le16(uint32_t(bpl)), o.le16(1);
  o.fill(0, kHeaderSize - o.size());
  std::vector<uint8_t> line(bpl * size_t(planes));
  for (int y = 0; y < h; ++y) {
    std::fill(line.begin(), line.end(), 0);
    const uint8_t* src = DibRow(dib, y);
    if (bpp == 24) {
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) line[size_t(c) * bpl + size_t(x)] = src[3 * x + 2 - c];
    } else if (planar) {
      for (int x = 0; x < w; ++x) {
        const uint32_t index = GetPacked(src, bpp, uint32_t(x));
        for (int p = 0; p < 4; ++p)
          if (index >> p & 1) line[size_t(p) * bpl + size_t(x >> 3)] |= uint8_t(0x80u >> (x & 7));
      }
    } else {
      std::copy(src, src + (size_t(w) * size_t(bpp) + 7) / 8, line.begin());
    }
    for (int p = 0; p < planes; ++p) EncodePcxLine(line.data() + size_t(p) * bpl, bpl, o);
  }
  if (bpp == 8) {
    o.u8(12);
    for (int i = 0; i < 256; ++i) {
      const Rgb c = DibColour(dib, i);
      o.u8(c.r), o.u8(c.g), o.u8(c.b);
    }
  }
  return true;
}
