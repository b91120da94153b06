// IFF pictures: planar ILBM (1 to 8 planes, EHB, HAM6/HAM8, 24/32-plane deep) and chunky PBM.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Translate.h"
#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/codecs/PictureSource.h"

namespace {

constexpr uint32_t Tag(const char (&s)[5]) {
  return uint32_t(uint8_t(s[0])) << 24 | uint32_t(uint8_t(s[1])) << 16 |
         uint32_t(uint8_t(s[2])) << 8 | uint32_t(uint8_t(s[3]));
}

constexpr uint32_t kCamgEhb = 0x80, kCamgHam = 0x800;

struct Bmhd {
  int w = 0, h = 0, planes = 0, masking = 0, compression = 0;
};

// Decodes ByteRun1 (or copies raw bytes) from the body's bytes, taken from the file a block at a
// time; a run may continue into the next row.
class BodyStream {
 public:
  BodyStream(PictureSource& file, uint64_t at, uint64_t size, bool packed)
      : file_(file), at_(at), left_(size), packed_(packed) {}

  bool read(uint8_t* dst, size_t n) {
    size_t done = 0;
    while (done < n) {
      if (run_ > 0) {
        const size_t k = std::min(run_, n - done);
        if (literal_) {
          if (!take(dst + done, k)) return false;
        } else {
          std::fill(dst + done, dst + done + k, value_);
        }
        run_ -= k;
        done += k;
        continue;
      }
      if (!packed_) {
        run_ = size_t(std::min<uint64_t>(bytesLeft(), SIZE_MAX)), literal_ = true;
        if (run_ == 0) return false;
        continue;
      }
      uint8_t c = 0;
      if (!take(&c, 1)) return false;
      if (int8_t(c) >= 0) {
        run_ = size_t(c) + 1, literal_ = true;
      } else if (int8_t(c) != -128) {
        if (!take(&value_, 1)) return false;
        run_ = size_t(1 - int8_t(c)), literal_ = false;
      }
    }
    return true;
  }

 private:
  uint64_t bytesLeft() const { return left_ + (buffer_.size() - pos_); }
  // The body's next `k` bytes; false when it or the file ends first.
  bool take(uint8_t* dst, size_t k) {
    if (bytesLeft() < k) return false;
    while (k > 0) {
      if (pos_ == buffer_.size()) {
        buffer_.resize(size_t(std::min<uint64_t>(left_, kBlockBytes)));
        if (file_.read(at_, buffer_.data(), buffer_.size()) != buffer_.size()) return false;
        at_ += buffer_.size(), left_ -= buffer_.size(), pos_ = 0;
      }
      const size_t part = std::min(k, buffer_.size() - pos_);
      std::copy(buffer_.data() + pos_, buffer_.data() + pos_ + part, dst);
      pos_ += part, dst += part, k -= part;
    }
    return true;
  }

  static constexpr uint64_t kBlockBytes = 64 * 1024;
  PictureSource& file_;
  uint64_t at_, left_;  // the body's bytes not yet in the buffer
  std::vector<uint8_t> buffer_;
  size_t pos_ = 0, run_ = 0;
  bool literal_ = false, packed_;
  uint8_t value_ = 0;
};

std::string ChunkName(uint32_t id) {
  std::string name;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = char(id >> shift);
    name += c >= ' ' && c <= '~' ? c : '?';
  }
  return name;
}

}  // namespace

bool ReadIff(ByteView file, Dib& out, std::string& error) {
  PictureSource source(file);
  return ReadIffFrom(source, out, error);
}

bool ReadIffFrom(PictureSource& file, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  uint8_t head[12] = {};
  ByteReader r(ByteView{head, file.read(0, head, sizeof head)});
  const uint32_t form = r.be32();
  r.be32();
  const uint32_t kind = r.be32();
  if (!r.ok() || form != Tag("FORM") || (kind != Tag("ILBM") && kind != Tag("PBM "))) {
    error = Translate("IffFormat", "the file is not an IFF picture");
    return false;
  }
  const bool chunky = kind == Tag("PBM ");
  Bmhd hd;
  bool haveHeader = false;
  Rgb cmap[256];
  int cmapCount = 0;
  uint32_t camg = 0;
  uint64_t body = 0, bodySize = 0;
  const uint64_t size = file.size();
  for (uint64_t at = 12; size - at >= 8 && !body;) {
    uint8_t header[8];
    ByteReader h(ByteView{header, file.read(at, header, sizeof header)});
    const uint32_t id = h.be32(), length = h.be32();
    if (!h.ok()) break;
    at += 8;
    if (length > size - at) {
      error = Translate("IffFormat", "the chunk \"") + ChunkName(id) +
              Translate("IffFormat", "\" is longer than the rest of the file");
      return false;
    }
    uint8_t small[768];  // all that is read of a header, colour map or display mode
    ByteReader c(ByteView{
        small,
        id == Tag("BODY") ? 0 : file.read(at, small, std::min<uint64_t>(length, sizeof small))});
    if (id == Tag("BMHD")) {
      hd.w = c.be16(), hd.h = c.be16();
      c.skip(4);
      hd.planes = c.u8(), hd.masking = c.u8(), hd.compression = c.u8();
      if (!c.ok()) break;
      haveHeader = true;
    } else if (id == Tag("CMAP")) {
      cmapCount = int(std::min<uint64_t>(length / 3, 256));
      if (cmapCount == 0) {
        error = Translate("IffFormat", "the colour map holds no colours");
        return false;
      }
      for (int i = 0; i < cmapCount; ++i) cmap[i] = Rgb{c.u8(), c.u8(), c.u8()};
    } else if (id == Tag("CAMG")) {
      camg = c.be32();
    } else if (id == Tag("BODY")) {
      body = at, bodySize = length;
    }
    at += std::min<uint64_t>(uint64_t(length) + (length & 1), size - at);
  }
  if (!haveHeader || !body) {
    error = haveHeader ? Translate("IffFormat", "the IFF picture has no pixel data")
                       : Translate("IffFormat", "the IFF picture has no header");
    return false;
  }
  const int planes = hd.planes;
  const bool ham = (camg & kCamgHam) && (planes == 6 || planes == 8) && !chunky;
  const bool deep = planes == 24 || planes == 32;
  const bool ehb = !ham && !chunky && planes == 6 && ((camg & kCamgEhb) || cmapCount == 32);
  if ((chunky && planes != 8) || (!chunky && !deep && (planes < 1 || planes > 8)) ||
      hd.compression > 1) {
    error = Translate("IffFormat", "this kind of IFF picture is not supported");
    return false;
  }
  if (hd.w == 0 || hd.h == 0) {
    error = Translate("IffFormat", "the picture has no pixels");
    return false;
  }
  // Palette: the colour map, a grey ramp without one, and the halved colours of EHB.
  int count = ham ? 0 : (deep ? 0 : 1 << std::min(planes, 8));
  if (!deep && cmapCount == 0)
    for (int i = 0; i < 256; ++i) {
      const uint8_t g = ScaleTo8(uint32_t(i) & ((1u << planes) - 1), planes);
      cmap[i] = Rgb{g, g, g};
    }
  if (ehb) {
    for (int i = 0; i < 32; ++i)
      cmap[32 + i] = Rgb{uint8_t(cmap[i].r / 2), uint8_t(cmap[i].g / 2), uint8_t(cmap[i].b / 2)};
  } else if (!deep && !ham && cmapCount > 0) {
    count = std::min(count, cmapCount);
  }
  const size_t planeRow = (size_t(hd.w) + 15) / 16 * 2;
  const int storedPlanes = planes + (hd.masking == 1 ? 1 : 0);
  const size_t rowBytes = chunky ? size_t(hd.w) + (hd.w & 1) : planeRow * size_t(storedPlanes);
  // ByteRun1 turns 2 bytes into at most 128: refuse hopeless sizes before allocating.
  if (uint64_t(rowBytes) * uint64_t(hd.h) > bodySize * (hd.compression ? 64 : 1)) {
    error = Translate("PictureBuild", kTruncatedFile);
    return false;
  }
  const bool truecolour = deep || ham;
  if (!(truecolour ? NewTruecolourPicture(out, hd.w, hd.h, error)
                   : NewPalettePicture(out, hd.w, hd.h, cmap, count, error)))
    return false;
  const int outBpp = DibBitCount(out);
  std::vector<uint8_t> row(rowBytes);
  BodyStream stream(file, body, bodySize, hd.compression == 1);
  const int hamBits = planes - 2;
  for (int y = 0; y < hd.h; ++y) {
    if (!stream.read(row.data(), rowBytes)) {
      FreeDib(out);
      error = Translate("PictureBuild", kTruncatedFile);
      return false;
    }
    uint8_t* dst = DibRow(out, y);
    if (chunky) {
      for (int x = 0; x < hd.w; ++x) {
        if (row[size_t(x)] >= count) {
          FreeDib(out);
          error = Translate("PictureBuild", kIndexOutsideTable);
          return false;
        }
        PutIndex(dst, outBpp, uint32_t(x), row[size_t(x)]);
      }
      continue;
    }
    Rgb hold = cmap[0];
    for (int x = 0; x < hd.w; ++x) {
      const size_t byte = size_t(x) >> 3;
      const int bit = 7 - (x & 7);
      uint32_t v = 0;
      for (int p = 0; p < planes; ++p)
        v |= uint32_t(row[size_t(p) * planeRow + byte] >> bit & 1) << p;
      if (deep) {
        const uint8_t a = planes == 32 ? uint8_t(v >> 24) : 255;
        PutRgb(dst, uint32_t(x), OverWhite(uint8_t(v), a), OverWhite(uint8_t(v >> 8), a),
               OverWhite(uint8_t(v >> 16), a));
      } else if (ham) {
        // A modification replaces the upper bits of one component and keeps its lower bits.
        const uint32_t value = v & ((1u << hamBits) - 1);
        const uint8_t keep = uint8_t((1u << (8 - hamBits)) - 1),
                      high = uint8_t(value << (8 - hamBits));
        switch (v >> hamBits) {
          case 0:
            hold = cmap[value];
            break;
          case 1:
            hold.b = uint8_t(high | (hold.b & keep));
            break;
          case 2:
            hold.r = uint8_t(high | (hold.r & keep));
            break;
          default:
            hold.g = uint8_t(high | (hold.g & keep));
            break;
        }
        PutRgb(dst, uint32_t(x), hold.r, hold.g, hold.b);
      } else if (v >= uint32_t(count)) {
        FreeDib(out);
        error = Translate("PictureBuild", kIndexOutsideTable);
        return false;
      } else {
        PutIndex(dst, outBpp, uint32_t(x), v);
      }
    }
  }
  return true;
}

namespace {

void PackByteRun1(const uint8_t* p, size_t n, ByteWriter& o) {
  size_t i = 0;
  while (i < n) {
    size_t run = 1;
    while (i + run < n && run < 128 && p[i + run] == p[i]) ++run;
    if (run >= 3) {
      o.u8(uint32_t(257 - run));
      o.u8(p[i]);
      i += run;
      continue;
    }
    size_t j = i;
    while (j < n && j - i < 128 && !(j + 2 < n && p[j] == p[j + 1] && p[j] == p[j + 2])) ++j;
    o.u8(uint32_t(j - i - 1));
    o.bytes(p + i, j - i);
    i = j;
  }
}

}  // namespace

bool WriteIffTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  if (!CheckWritable(dib, error)) return false;
  const int bpp = DibBitCount(dib), w = DibWidth(dib), h = DibHeight(dib);
  if (w > 0xFFFF || h > 0xFFFF) {
    error = Translate("IffFormat", "the picture is too large for an IFF file");
    return false;
  }
  const size_t planeRow = (size_t(w) + 15) / 16 * 2;
  std::vector<uint8_t> plane(planeRow);
  auto body = [&](ByteWriter& o) {
    for (int y = 0; y < h; ++y) {
      const uint8_t* src = DibRow(dib, y);
      for (int p = 0; p < bpp; ++p) {
        std::fill(plane.begin(), plane.end(), 0);
        for (int x = 0; x < w; ++x) {
          // Deep pictures store red, green, blue planes, each from its least significant bit.
          const uint32_t v =
              bpp == 24 ? src[3 * x + 2 - p / 8] >> (p % 8) : GetPacked(src, bpp, uint32_t(x)) >> p;
          if (v & 1) plane[size_t(x) >> 3] |= uint8_t(0x80u >> (x & 7));
        }
        PackByteRun1(plane.data(), planeRow, o);
      }
    }
  };
  // The chunk lengths come first: a first pass only counts the body.
  CountingSink counted;
  ByteWriter count(counted);
  body(count);
  const size_t bodySize = counted.size();
  const int colours = PaletteEntryCount(bpp);
  const size_t cmap = colours > 0 ? 8 + size_t(colours) * 3 : 0;
  ByteWriter o(out);
  o.text("FORM");
  o.be32(uint32_t(4 + 8 + 20 + cmap + 8 + bodySize + (bodySize & 1)));
  o.text("ILBMBMHD");
  o.be32(20);
  o.be16(uint32_t(w)), o.be16(uint32_t(h)), o.be32(0);
  o.u8(uint32_t(bpp)), o.u8(0), o.u8(1), o.u8(0);
  o.be16(0), o.u8(1), o.u8(1), o.be16(uint32_t(w)), o.be16(uint32_t(h));
  if (colours > 0) {
    o.text("CMAP");
    o.be32(uint32_t(colours * 3));
    for (int i = 0; i < colours; ++i) {
      const Rgb c = DibColour(dib, i);
      o.u8(c.r), o.u8(c.g), o.u8(c.b);
    }
  }
  o.text("BODY");
  o.be32(uint32_t(bodySize));
  body(o);
  if (bodySize & 1) o.u8(0);
  return true;
}
