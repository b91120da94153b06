// Our own picture formats: round trips at every depth, hand-made variants, damaged files.
#include <gtest/gtest.h>

#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureBuild.h"
#include "tests/platform/codecs/PictureTestSupport.h"

namespace {

struct Format {
  const char* name;
  PictureReader reader;
  PictureWriter writer;
};

const Format kFormats[] = {{"bmp", ReadBmp, WriteBmp},
                           {"rle", ReadBmp, WriteRle},
                           {"pcx", ReadPcx, WritePcx},
                           {"tga", ReadTga, WriteTga},
                           {"iff", ReadIff, WriteIff}};

bool Decode(PictureReader reader, const std::vector<uint8_t>& bytes, Dib& dib, std::string& error) {
  return reader(ByteView{bytes.data(), bytes.size()}, dib, error);
}

TEST(OwnFormats, EveryWriterRoundTripsEveryDepth) {
  for (const Format& f : kFormats)
    for (int bpp : {1, 4, 8, 24})
      for (auto [w, h] : {std::pair{1, 1}, std::pair{13, 7}, std::pair{70, 9}}) {
        SCOPED_TRACE(std::string(f.name) + " " + std::to_string(bpp) + " bits " +
                     std::to_string(w) + "x" + std::to_string(h));
        OwnedDib src, back, expected;
        MakeTestPicture(src.dib, bpp, w, h);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(f.writer(src.dib, bytes, error)) << error;
        ASSERT_TRUE(Decode(f.reader, bytes, back.dib, error)) << error;
        const bool reduced = f.writer == WriteRle && bpp == 24;
        // The depth the file stores: PCX keeps other two-colour pictures as 16-colour planes,
        // RLE has no 1-bit kind and TGA maps are indexed by 8 bits.
        const bool palette = bpp <= 8;
        const int depth = (f.writer == WritePcx || f.writer == WriteRle) && bpp == 1 ? 4
                          : (f.writer == WriteTga && palette) || reduced             ? 8
                                                                                     : bpp;
        if (reduced) {
          ASSERT_TRUE(ReduceTo8Bits(src.dib, expected.dib));
        }
        const Dib& want = reduced ? expected.dib : src.dib;
        EXPECT_EQ(DibBitCount(back.dib), depth);
        EXPECT_TRUE(SamePixels(Colours(back.dib), Colours(want)));
        if (bpp != 24) {
          for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
              ASSERT_EQ(GetDibPixel(back.dib, x, y), GetDibPixel(src.dib, x, y));
        }
      }
}

TEST(OwnFormats, WritersRefuseAnEmptyPicture) {
  Dib empty;
  for (const Format& f : kFormats) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(f.writer(empty, bytes, error)) << f.name;
    EXPECT_FALSE(error.empty());
  }
}

// --- BMP variants -------------------------------------------------------------------------

// A BMP file: file header, the given info header bytes (size field first), table and pixels.
std::vector<uint8_t> Bmp(const std::vector<uint8_t>& header, const std::vector<uint8_t>& table,
                         const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> out;
  ByteWriter o(out);
  o.text("BM");
  o.le32(uint32_t(14 + header.size() + table.size() + pixels.size()));
  o.le32(0);
  o.le32(uint32_t(14 + header.size() + table.size()));
  o.bytes(header.data(), header.size());
  o.bytes(table.data(), table.size());
  o.bytes(pixels.data(), pixels.size());
  return out;
}

std::vector<uint8_t> InfoHeader(uint32_t size, int32_t w, int32_t h, int bpp, uint32_t compression,
                                uint32_t colours, std::vector<uint32_t> masks = {}) {
  std::vector<uint8_t> out;
  ByteWriter o(out);
  o.le32(size), o.le32(uint32_t(w)), o.le32(uint32_t(h)), o.le16(1), o.le16(uint32_t(bpp));
  o.le32(compression), o.le32(0), o.le32(0), o.le32(0), o.le32(colours), o.le32(0);
  for (uint32_t m : masks) o.le32(m);
  out.resize(std::max<size_t>(out.size(), size), 0);
  return out;
}

std::vector<uint8_t> Table(const std::vector<uint32_t>& rgb, bool triples = false) {
  std::vector<uint8_t> out;
  for (uint32_t c : rgb) {
    out.push_back(uint8_t(c)), out.push_back(uint8_t(c >> 8)), out.push_back(uint8_t(c >> 16));
    if (!triples) out.push_back(0);
  }
  return out;
}

RgbPicture Read(PictureReader reader, const std::vector<uint8_t>& bytes, int expectBpp) {
  OwnedDib d;
  std::string error;
  EXPECT_TRUE(Decode(reader, bytes, d.dib, error)) << error;
  if (!d.dib.Bits) return {};
  EXPECT_EQ(DibBitCount(d.dib), expectBpp);
  return Colours(d.dib);
}

std::string Refusal(PictureReader reader, const std::vector<uint8_t>& bytes) {
  OwnedDib d;
  std::string error;
  EXPECT_FALSE(Decode(reader, bytes, d.dib, error));
  EXPECT_EQ(d.dib.Bits, nullptr);
  EXPECT_FALSE(error.empty());
  return error;
}

TEST(BmpVariants, Os2HeaderWithThreeByteColours) {
  std::vector<uint8_t> header;
  ByteWriter o(header);
  o.le32(12), o.le16(3), o.le16(2), o.le16(1), o.le16(4);
  std::vector<uint32_t> colours(16, 0);
  colours[1] = 0xFF0000, colours[2] = 0x00FF00, colours[15] = 0x0000FF;
  // Bottom row 1 2 F, top row F 2 1; each row padded to 4 bytes.
  const auto file = Bmp(header, Table(colours, true), {0x12, 0xF0, 0, 0, 0xF2, 0x10, 0, 0});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, file, 4),
                         {3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF}}));
}

TEST(BmpVariants, TopDownRowsAndBitFields) {
  // 24 bits stored top-down.
  const auto topDown = Bmp(InfoHeader(40, 1, -2, 24, 0, 0), {}, {1, 2, 3, 0, 4, 5, 6, 0});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, topDown, 24), {1, 2, {0x030201, 0x060504}}));
  // 16 bits 5-6-5 by bit fields after a 40-byte header, and the default 5-5-5.
  const auto rgb565 =
      Bmp(InfoHeader(40, 2, 1, 16, 3, 0, {0xF800, 0x07E0, 0x001F}), {}, {0x00, 0xF8, 0xE0, 0x07});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, rgb565, 24), {2, 1, {0xFF0000, 0x00FF00}}));
  const auto rgb555 = Bmp(InfoHeader(40, 2, 1, 16, 0, 0), {}, {0x00, 0x7C, 0x1F, 0x00});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, rgb555, 24), {2, 1, {0xFF0000, 0x0000FF}}));
  // 32 bits with an alpha mask in a 108-byte header: laid over white.
  const auto argb = Bmp(InfoHeader(108, 3, 1, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}), {},
                        {0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255, 128});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, argb, 24), {3, 1, {0xFF0000, 0xFFFFFF, 0xFF7F7F}}, 1));
  // An alpha mask with every alpha at 0 means an opaque picture.
  const auto noAlpha = Bmp(InfoHeader(108, 1, 1, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}),
                           {}, {0, 0, 255, 0});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, noAlpha, 24), {1, 1, {0xFF0000}}));
  // 32 bits without compression: the fourth byte is unused.
  const auto plain32 = Bmp(InfoHeader(124, 1, 1, 32, 0, 0), {}, {1, 2, 3, 0});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, plain32, 24), {1, 1, {0x030201}}));
}

std::vector<uint8_t> Tga(int type, int w, int h, int bits, int descriptor, int mapLength,
                         int mapBits, const std::vector<uint8_t>& rest) {
  std::vector<uint8_t> out;
  ByteWriter o(out);
  o.u8(0), o.u8(mapLength ? 1 : 0), o.u8(uint32_t(type));
  o.le16(0), o.le16(uint32_t(mapLength)), o.u8(uint32_t(mapBits));
  o.le32(0), o.le16(uint32_t(w)), o.le16(uint32_t(h)), o.u8(uint32_t(bits)),
      o.u8(uint32_t(descriptor));
  o.bytes(rest.data(), rest.size());
  return out;
}

TEST(OwnFormats, ShortColourTablesKeepTheFileDepthPaddedWithBlack) {
  const std::vector<uint8_t> map = {0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0};  // TGA: blue, green, red
  auto tgaPixels = map;
  tgaPixels.insert(tgaPixels.end(), {1, 0, 1});
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureReader read;
    int depth;
  } kFiles[] = {
      {"bmp 8 bits, 2 colours",
       Bmp(InfoHeader(40, 3, 1, 8, 0, 2), Table({0x102030, 0xA0B0C0}), {1, 0, 1, 0}), ReadBmp, 8},
      {"bmp 4 bits, 2 colours",
       Bmp(InfoHeader(40, 3, 1, 4, 0, 2), Table({0x102030, 0xA0B0C0}), {0x10, 0x10, 0, 0}), ReadBmp,
       4},
      {"rle8, 2 colours",
       Bmp(InfoHeader(40, 3, 1, 8, 1, 2), Table({0x102030, 0xA0B0C0}), {1, 1, 1, 0, 1, 1, 0, 1}),
       ReadBmp, 8},
      {"tga 8 bits, 2 colours", Tga(1, 3, 1, 8, 0x20, 2, 24, tgaPixels), ReadTga, 8},
  };
  for (const auto& f : kFiles) {
    SCOPED_TRACE(f.name);
    OwnedDib d;
    std::string error;
    ASSERT_TRUE(Decode(f.read, f.bytes, d.dib, error)) << error;
    EXPECT_EQ(DibBitCount(d.dib), f.depth);
    EXPECT_EQ(d.dib.LogPal.palNumEntries, PaletteEntryCount(f.depth));
    EXPECT_EQ(GetDibPixel(d.dib, 0, 0), 1u);
    EXPECT_TRUE(SamePixels(Colours(d.dib), {3, 1, {0xA0B0C0, 0x102030, 0xA0B0C0}}));
    for (int i = 2; i < PaletteEntryCount(f.depth); ++i) {
      const RGBQUAD& q = d.dib.Info->bmiColors[i];
      ASSERT_EQ(q.rgbRed | q.rgbGreen | q.rgbBlue, 0) << "entry " << i;
    }
  }
}

TEST(BmpVariants, Rle8WithDeltaEndOfLineAndAbsoluteRuns) {
  std::vector<uint32_t> colours(256, 0);
  for (int i = 0; i < 8; ++i) colours[size_t(i)] = uint32_t(i) * 0x111111;
  const std::vector<uint8_t> rle = {2, 1, 0, 2, 2, 1, 0, 0, 0, 3, 5, 6, 7, 0, 0, 1};
  const auto file = Bmp(InfoHeader(40, 4, 3, 8, 1, 0), Table(colours), rle);
  const uint32_t a = 0x111111, five = 0x555555, six = 0x666666, seven = 0x777777;
  EXPECT_TRUE(
      SamePixels(Read(ReadBmp, file, 8), {4, 3, {five, six, seven, 0, 0, 0, 0, 0, a, a, 0, 0}}));
}

TEST(BmpVariants, Rle4RunsAndAbsoluteNibbles) {
  std::vector<uint32_t> colours(16, 0);
  for (int i = 0; i < 16; ++i) colours[size_t(i)] = uint32_t(i) * 0x101010;
  const std::vector<uint8_t> rle = {3, 0x12, 0, 3, 0x34, 0x50, 0, 1};
  const auto file = Bmp(InfoHeader(40, 6, 1, 4, 2, 0), Table(colours), rle);
  EXPECT_TRUE(SamePixels(Read(ReadBmp, file, 4),
                         {6, 1, {0x101010, 0x202020, 0x101010, 0x303030, 0x404040, 0x505050}}));
}

TEST(BmpVariants, TopDownRleAndPackedBitmapWithoutFileHeader) {
  std::vector<uint32_t> colours(256, 0);
  colours[1] = 0x0000FF, colours[2] = 0x00FF00;
  // Top-down RLE: the first coded row is the top one.
  const auto rle = Bmp(InfoHeader(40, 2, -2, 8, 1, 0), Table(colours), {2, 1, 0, 0, 2, 2, 0, 1});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, rle, 8), {2, 2, {0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00}}));
  // A packed bitmap: header, colour table and pixels with no file header before them.
  std::vector<uint8_t> packed = InfoHeader(40, 2, 1, 1, 0, 2);
  const auto table = Table({0xFFFFFF, 0x123456});
  packed.insert(packed.end(), table.begin(), table.end());
  packed.insert(packed.end(), {0x40, 0, 0, 0});
  EXPECT_TRUE(SamePixels(Read(ReadBmp, packed, 1), {2, 1, {0xFFFFFF, 0x123456}}));
}

TEST(BmpVariants, OverrunningRleStreamsAreRefused) {
  const auto table = Table(std::vector<uint32_t>(256, 0));
  auto rle8 = [&](std::vector<uint8_t> stream) {
    return Bmp(InfoHeader(40, 4, 2, 8, 1, 0), table, stream);
  };
  Refusal(ReadBmp, rle8({10, 1, 0, 1}));                            // run beyond the row
  Refusal(ReadBmp, rle8({0, 2, 0, 5, 0, 1}));                       // delta below the picture
  Refusal(ReadBmp, rle8({0, 2, 9, 0, 0, 1}));                       // delta beyond the row
  Refusal(ReadBmp, rle8({0, 6, 1, 2, 3, 4, 5, 6}));                 // absolute run beyond the row
  EXPECT_EQ(Refusal(ReadBmp, rle8({0, 4, 1, 2})), kTruncatedFile);  // absolute run cut short
  EXPECT_EQ(Refusal(ReadBmp, rle8({4, 1, 0, 0})), kTruncatedFile);  // no end of picture
}

TEST(BmpVariants, BadHeadersAreRefused) {
  Refusal(ReadBmp, {'B', 'M'});
  Refusal(ReadBmp, Bmp(InfoHeader(40, 30001, 1, 24, 0, 0), {}, {}));
  Refusal(ReadBmp, Bmp(InfoHeader(40, 20000, 20000, 24, 0, 0), {}, {}));  // over a gigabyte
  Refusal(ReadBmp, Bmp(InfoHeader(40, 0, 5, 24, 0, 0), {}, {}));
  Refusal(ReadBmp, Bmp(InfoHeader(40, 2, 2, 7, 0, 0), {}, std::vector<uint8_t>(16)));
  Refusal(ReadBmp, Bmp(InfoHeader(40, 2, 2, 24, 1, 0), {}, std::vector<uint8_t>(16)));
  Refusal(ReadBmp, Bmp(InfoHeader(40, 2, -2147483647 - 1, 24, 0, 0), {}, {}));
  std::vector<uint8_t> badOffset = Bmp(InfoHeader(40, 1, 1, 24, 0, 0), {}, {1, 2, 3, 0});
  badOffset[10] = 0xFF, badOffset[11] = 0xFF;
  Refusal(ReadBmp, badOffset);
}

// --- TGA variants -------------------------------------------------------------------------

TEST(TgaVariants, ColourMappedRawAndRunLengthBothOrigins) {
  // Colour map (blue, green, red): 0 black, 1 red, 2 green.
  const std::vector<uint8_t> map = {0, 0, 0, 0, 0, 255, 0, 255, 0};
  auto with = [&](std::vector<uint8_t> pixels) {
    std::vector<uint8_t> v = map;
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
  };
  const RgbPicture want{2, 2, {0xFF0000, 0x00FF00, 0x000000, 0xFF0000}};
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(1, 2, 2, 8, 0x20, 3, 24, with({1, 2, 0, 1})), 8), want));
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(1, 2, 2, 8, 0x00, 3, 24, with({0, 1, 1, 2})), 8), want));
  // Type 9: a raw packet of 3 spanning both rows, then a run of 1.
  EXPECT_TRUE(SamePixels(
      Read(ReadTga, Tga(9, 2, 2, 8, 0x20, 3, 24, with({2, 1, 2, 0, 0x80, 1})), 8), want));
  // Right to left.
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(1, 2, 2, 8, 0x30, 3, 24, with({2, 1, 1, 0})), 8), want));
}

TEST(TgaVariants, GreyTrueColourAndAlpha) {
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(3, 2, 1, 8, 0x20, 0, 0, {10, 200}), 8),
                         {2, 1, {0x0A0A0A, 0xC8C8C8}}));
  // Type 11: a run of 3 then one raw pixel, over two rows.
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(11, 2, 2, 8, 0x20, 0, 0, {0x82, 7, 0, 9}), 8),
                         {2, 2, {0x070707, 0x070707, 0x070707, 0x090909}}));
  EXPECT_TRUE(SamePixels(Read(ReadTga, Tga(2, 2, 1, 16, 0x20, 0, 0, {0x00, 0x7C, 0xE0, 0x03}), 24),
                         {2, 1, {0xFF0000, 0x00FF00}}));
  EXPECT_TRUE(
      SamePixels(Read(ReadTga, Tga(2, 1, 1, 24, 0x20, 0, 0, {1, 2, 3}), 24), {1, 1, {0x030201}}));
  // Type 10, 32 bits with 8 alpha bits: transparent becomes white.
  EXPECT_TRUE(SamePixels(
      Read(ReadTga,
           Tga(10, 3, 1, 32, 0x28, 0, 0, {0x01, 0, 0, 255, 255, 0, 0, 255, 0, 0x80, 0, 0, 0, 0}),
           24),
      {3, 1, {0xFF0000, 0xFFFFFF, 0xFFFFFF}}));
}

TEST(TgaVariants, MapOffsetsSixteenBitEntriesAndIndices) {
  // Map entries of 16 bits starting at index 2; indices 2 and 3 select them.
  std::vector<uint8_t> file = Tga(1, 2, 1, 8, 0x20, 2, 16, {0x00, 0x7C, 0x1F, 0x00, 2, 3});
  file[3] = 2;  // first map index
  EXPECT_TRUE(SamePixels(Read(ReadTga, file, 8), {2, 1, {0xFF0000, 0x0000FF}}));
  // 16-bit indices into a 24-bit map give a true-colour picture; an index off the map is white.
  std::vector<uint8_t> wide = Tga(1, 2, 1, 16, 0x20, 1, 24, {1, 2, 3, 0, 0, 5, 0});
  EXPECT_TRUE(SamePixels(Read(ReadTga, wide, 24), {2, 1, {0x030201, 0xFFFFFF}}));
}

TEST(TgaVariants, BadFilesAreRefused) {
  Refusal(ReadTga, Tga(2, 0, 5, 24, 0, 0, 0, {}));
  Refusal(ReadTga, Tga(2, 65535, 65535, 24, 0, 0, 0, {1, 2, 3}));
  Refusal(ReadTga, Tga(10, 30001, 1, 24, 0, 0, 0, std::vector<uint8_t>(1000, 0xFF)));
  Refusal(ReadTga, Tga(4, 1, 1, 24, 0, 0, 0, {1, 2, 3}));
  Refusal(ReadTga, Tga(1, 1, 1, 8, 0, 0, 0, {0}));             // colour-mapped without a map
  Refusal(ReadTga, Tga(1, 1, 1, 8, 0, 200, 24, {0}));          // map longer than the file
  Refusal(ReadTga, Tga(10, 4, 1, 24, 0, 0, 0, {0x83, 1, 2}));  // run cut short
}

// --- PCX variants -------------------------------------------------------------------------

std::vector<uint8_t> Pcx(int version, int bpp, int planes, int w, int h, int bpl,
                         const std::vector<uint8_t>& palette16, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out;
  ByteWriter o(out);
  o.u8(10), o.u8(uint32_t(version)), o.u8(1), o.u8(uint32_t(bpp));
  o.le16(0), o.le16(0), o.le16(uint32_t(w - 1)), o.le16(uint32_t(h - 1)), o.le16(72), o.le16(72);
  std::vector<uint8_t> pal = palette16;
  pal.resize(48, 0);
  o.bytes(pal.data(), 48);
  o.u8(0), o.u8(uint32_t(planes)), o.le16(uint32_t(bpl)), o.le16(1);
  o.fill(0, 128 - out.size());
  o.bytes(data.data(), data.size());
  return out;
}

TEST(PcxVariants, PlanesDepthsAndRuns) {
  // Monochrome without a header palette is black and white.
  EXPECT_TRUE(SamePixels(Read(ReadPcx, Pcx(3, 1, 1, 3, 1, 2, {}, {0xA0, 0}), 1),
                         {3, 1, {0xFFFFFF, 0, 0xFFFFFF}}));
  // Four planes of one bit: index bits from plane 0 upwards. Pixel 0 = 1, pixel 1 = 8 | 2.
  std::vector<uint8_t> pal(48);
  for (int i = 0; i < 16; ++i) pal[size_t(3 * i)] = uint8_t(i * 16);
  EXPECT_TRUE(
      SamePixels(Read(ReadPcx, Pcx(5, 1, 4, 2, 1, 2, pal, {0x80, 0, 0x40, 0, 0, 0, 0x40, 0}), 4),
                 {2, 1, {0x100000, 0xA00000}}));
  // Two bits in one plane, one run byte covering both rows.
  EXPECT_TRUE(
      SamePixels(Read(ReadPcx, Pcx(5, 2, 1, 4, 2, 2, pal, {0xC4, 0x1B}), 4),
                 {4, 2, {0, 0x100000, 0x200000, 0x300000, 0, 0x100000, 0x200000, 0x300000}}));
  // 24 bits as three planes with a fourth plane of alpha.
  EXPECT_TRUE(SamePixels(
      Read(ReadPcx, Pcx(5, 8, 4, 2, 1, 2, {}, {0xC2, 255, 0, 0, 0, 0, 0xC1, 255, 0}), 24),
      {2, 1, {0xFF0000, 0xFFFFFF}}));
}

TEST(PcxVariants, BadFilesAreRefused) {
  Refusal(ReadPcx, Pcx(5, 8, 3, 65535, 65535, 65535, {}, {0xC1, 0}));
  Refusal(ReadPcx, Pcx(5, 8, 1, 4, 1, 2, {}, {1, 2, 3, 4}));                 // row length too short
  Refusal(ReadPcx, Pcx(5, 3, 1, 4, 1, 2, {}, {1, 2}));                       // three bits per pixel
  Refusal(ReadPcx, Pcx(5, 1, 7, 4, 1, 2, {}, std::vector<uint8_t>(14, 1)));  // 128 colours
  Refusal(ReadPcx, Pcx(5, 8, 3, 4, 4, 4, {}, {0xC5, 1}));                    // not enough data
  Refusal(ReadPcx, Pcx(5, 8, 1, 2, 1, 2, {}, {1, 2}));  // 256 colours without palette
}

// --- IFF variants -------------------------------------------------------------------------

// An uncompressed ILBM: values are pixel values of `planes` bits, rows from the top.
std::vector<uint8_t> Ilbm(int w, int h, int planes, uint32_t camg,
                          const std::vector<uint32_t>& cmap, const std::vector<uint32_t>& values,
                          bool mask = false, bool pbm = false) {
  std::vector<uint8_t> out;
  ByteWriter o(out);
  o.text("FORM"), o.be32(0), o.text(pbm ? "PBM " : "ILBM");
  o.text("BMHD"), o.be32(20), o.be16(uint32_t(w)), o.be16(uint32_t(h)), o.be32(0);
  o.u8(uint32_t(planes)), o.u8(mask ? 1 : 0), o.u8(0), o.u8(0), o.be16(0), o.u8(1), o.u8(1);
  o.be16(uint32_t(w)), o.be16(uint32_t(h));
  if (!cmap.empty()) {
    o.text("CMAP"), o.be32(uint32_t(cmap.size() * 3));
    for (uint32_t c : cmap) o.u8(c >> 16), o.u8(c >> 8), o.u8(c);
    if (cmap.size() & 1) o.u8(0);
  }
  if (camg) o.text("CAMG"), o.be32(4), o.be32(camg);
  std::vector<uint8_t> body;
  const size_t planeRow = size_t(w + 15) / 16 * 2;
  for (int y = 0; y < h; ++y) {
    if (pbm) {
      for (int x = 0; x < w; ++x) body.push_back(uint8_t(values[size_t(y * w + x)]));
      if (w & 1) body.push_back(0);
      continue;
    }
    for (int p = 0; p < planes + (mask ? 1 : 0); ++p) {
      std::vector<uint8_t> row(planeRow, 0);
      for (int x = 0; x < w; ++x)
        if (p == planes || (values[size_t(y * w + x)] >> p & 1))
          row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      body.insert(body.end(), row.begin(), row.end());
    }
  }
  o.text("BODY"), o.be32(uint32_t(body.size())), o.bytes(body.data(), body.size());
  if (body.size() & 1) o.u8(0);
  o.patchBe32(4, uint32_t(out.size() - 8));
  return out;
}

TEST(IffVariants, ExtraHalfBriteHamAndChunky) {
  std::vector<uint32_t> cmap(32, 0);
  cmap[1] = 0xFF8040, cmap[2] = 0x204060;
  // EHB: index 33 is colour 1 at half brightness; the picture keeps its 64 indices.
  EXPECT_TRUE(SamePixels(Read(ReadIff, Ilbm(2, 1, 6, 0x80, cmap, {1, 33}), 8),
                         {2, 1, {0xFF8040, 0x7F4020}}));
  // HAM6: set colour 2, then replace the upper four bits of red, green and blue.
  const std::vector<uint32_t> ham = {2, 0x20 | 15, 0x30 | 0, 0x10 | 8};
  EXPECT_TRUE(SamePixels(Read(ReadIff, Ilbm(4, 1, 6, 0x800, cmap, ham), 24),
                         {4, 1, {0x204060, 0xF04060, 0xF00060, 0xF00080}}));
  // HAM8: six-bit modifications.
  const std::vector<uint32_t> ham8 = {1, 0x80 | 63, 0x40 | 0};
  EXPECT_TRUE(SamePixels(Read(ReadIff, Ilbm(3, 1, 8, 0x800, cmap, ham8), 24),
                         {3, 1, {0xFF8040, 0xFF8040, 0xFF8000}}));
  // Chunky PBM with an odd width (rows padded to even length).
  std::vector<uint32_t> pal(256, 0);
  pal[3] = 0x030303, pal[200] = 0xC8C8C8;
  EXPECT_TRUE(
      SamePixels(Read(ReadIff, Ilbm(3, 2, 8, 0, pal, {3, 200, 0, 200, 3, 3}, false, true), 8),
                 {3, 2, {0x030303, 0xC8C8C8, 0, 0xC8C8C8, 0x030303, 0x030303}}));
  // A mask plane is skipped.
  EXPECT_TRUE(
      SamePixels(Read(ReadIff, Ilbm(2, 2, 1, 0, {0x000000, 0xFFFFFF}, {1, 0, 0, 1}, true), 1),
                 {2, 2, {0xFFFFFF, 0, 0, 0xFFFFFF}}));
  // Deep 24 planes uncompressed.
  EXPECT_TRUE(SamePixels(Read(ReadIff, Ilbm(2, 1, 24, 0, {}, {0x0000FF, 0x804020}), 24),
                         {2, 1, {0xFF0000, 0x204080}}));
}

TEST(IffVariants, BadFilesAreRefused) {
  Refusal(ReadIff, {'F', 'O', 'R', 'M', 0, 0, 0, 4, 'A', 'N', 'I', 'M'});
  std::vector<uint8_t> huge = Ilbm(1, 1, 8, 0, {}, {0});
  huge[20] = huge[21] = huge[22] = huge[23] = 0xFF;  // 65535 x 65535
  Refusal(ReadIff, huge);
  Refusal(ReadIff, Ilbm(2, 1, 9, 0, {}, {0, 0}));
  std::vector<uint8_t> noBody = Ilbm(2, 1, 1, 0, {}, {0, 0});
  noBody.resize(noBody.size() - 12);
  Refusal(ReadIff, noBody);
}

// --- Damaged copies of valid files ------------------------------------------------------------

TEST(OwnFormats, TruncatedCopiesAreRefusedAtEveryLength) {
  for (const Format& f : kFormats)
    for (int bpp : {1, 4, 8, 24}) {
      SCOPED_TRACE(std::string(f.name) + " " + std::to_string(bpp));
      OwnedDib src;
      MakeTestPicture(src.dib, bpp, 21, 6);
      std::vector<uint8_t> bytes;
      std::string error;
      ASSERT_TRUE(f.writer(src.dib, bytes, error));
      // A copy that lacks only padding may still decode, but then to the very same picture.
      for (size_t n = 0; n < bytes.size(); ++n) {
        OwnedDib d;
        std::string why;
        if (f.reader(ByteView{bytes.data(), n}, d.dib, why)) {
          ASSERT_GE(n + 4, bytes.size());
          ASSERT_TRUE(SamePixels(Colours(d.dib), Colours(src.dib))) << n;
        } else {
          ASSERT_EQ(d.dib.Bits, nullptr);
          ASSERT_FALSE(why.empty());
        }
      }
    }
}

TEST(OwnFormats, CorruptedBytesNeverBreakTheReaders) {
  uint32_t seed = 12345;
  for (const Format& f : kFormats)
    for (int bpp : {1, 8, 24}) {
      OwnedDib src;
      MakeTestPicture(src.dib, bpp, 17, 5);
      std::vector<uint8_t> bytes;
      std::string error;
      ASSERT_TRUE(f.writer(src.dib, bytes, error));
      for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bad = bytes;
        for (int k = 0; k < 4; ++k) {
          seed = seed * 1103515245u + 12345u;
          bad[(seed >> 8) % bad.size()] = uint8_t(seed >> 20);
        }
        OwnedDib d;
        std::string why;
        if (f.reader(ByteView{bad.data(), bad.size()}, d.dib, why)) {
          ASSERT_NE(d.dib.Bits, nullptr);
          const int out = DibBitCount(d.dib);
          ASSERT_TRUE(out == 1 || out == 4 || out == 8 || out == 24);
        } else {
          ASSERT_EQ(d.dib.Bits, nullptr);
          ASSERT_FALSE(why.empty());
        }
      }
    }
}

}  // namespace

// --- Damaged and merely unusual files -----------------------------------------------------------

void PutBe32At(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}

TEST(OwnFormats, DamagedFilesAreRefusedNamingTheFault) {
  const auto two = Table({0x000000, 0xFFFFFF});
  std::vector<uint8_t> offsetInHeader = Bmp(InfoHeader(40, 1, 1, 24, 0, 0), {}, {1, 2, 3, 0});
  offsetInHeader[10] = 30;
  const std::vector<uint8_t> tgaMap = {0, 0, 0, 255, 255, 255};
  auto tgaWith = [&](std::vector<uint8_t> pixels) {
    std::vector<uint8_t> v = tgaMap;
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
  };
  std::vector<uint8_t> longBody = Ilbm(2, 1, 1, 0, {0, 0xFFFFFF}, {0, 1});
  PutBe32At(longBody, longBody.size() - 6, 1000);  // the BODY length (2 bytes of pixels)
  std::vector<uint8_t> emptyMap = Ilbm(2, 1, 1, 0, {0xFFFFFF}, {0, 0});
  std::vector<uint8_t> tgaMapAt300 = Tga(1, 3, 1, 8, 0x20, 2, 24, tgaWith({0, 1, 1}));
  tgaMapAt300[3] = 300 & 0xFF, tgaMapAt300[4] = 300 >> 8;  // the first map index
  PutBe32At(emptyMap, 44, 2);                              // the CMAP length: not one whole colour
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureReader read;
    const char* message;  // a part of the reason given
  } kDamaged[] = {
      {"bmp pixels cut short", Bmp(InfoHeader(40, 4, 4, 24, 0, 0), {}, std::vector<uint8_t>(40)),
       ReadBmp, kTruncatedFile},
      {"bmp pixels inside the header", offsetInHeader, ReadBmp, "inside the bitmap header"},
      {"bmp header of 41 bytes", Bmp(InfoHeader(41, 1, 1, 24, 0, 0), {}, {1, 2, 3, 0}), ReadBmp,
       "header size 41"},
      {"bmp 300 colours at 8 bits",
       Bmp(InfoHeader(40, 1, 1, 8, 0, 300), Table(std::vector<uint32_t>(300)), {0, 0, 0, 0}),
       ReadBmp, "300 colours"},
      {"bmp 3 colours at 1 bit", Bmp(InfoHeader(40, 1, 1, 1, 0, 3), Table({0, 1, 2}), {0, 0, 0, 0}),
       ReadBmp, "3 colours"},
      {"bmp index past the table", Bmp(InfoHeader(40, 3, 1, 8, 0, 2), two, {1, 0, 5, 0}), ReadBmp,
       kIndexOutsideTable},
      {"bmp 4-bit index past the table", Bmp(InfoHeader(40, 2, 1, 4, 0, 2), two, {0x12, 0, 0, 0}),
       ReadBmp, kIndexOutsideTable},
      {"rle8 index past the table", Bmp(InfoHeader(40, 3, 1, 8, 1, 2), two, {3, 7, 0, 1}), ReadBmp,
       kIndexOutsideTable},
      {"rle8 run past the row", Bmp(InfoHeader(40, 4, 2, 8, 1, 2), two, {9, 1, 0, 1}), ReadBmp,
       "outside the picture"},
      {"rle8 delta below the picture", Bmp(InfoHeader(40, 4, 2, 8, 1, 2), two, {0, 2, 0, 5, 0, 1}),
       ReadBmp, "outside the picture"},
      {"rle8 run past the last row", Bmp(InfoHeader(40, 2, 1, 8, 1, 2), two, {2, 1, 0, 0, 2, 1}),
       ReadBmp, "runs past its last row"},
      {"rle8 end-of-line codes past the last row",
       Bmp(InfoHeader(40, 2, 1, 8, 1, 2), two, std::vector<uint8_t>(4000, 0)), ReadBmp,
       "runs past its last row"},
      {"rle4 without end", Bmp(InfoHeader(40, 4, 2, 4, 2, 2), two, {4, 0x11}), ReadBmp,
       kTruncatedFile},
      {"bmp zero bit fields", Bmp(InfoHeader(40, 1, 1, 16, 3, 0, {0, 0, 0}), {}, {1, 2, 0, 0}),
       ReadBmp, "all zero"},
      {"tga index past the map", Tga(1, 3, 1, 8, 0x20, 2, 24, tgaWith({0, 1, 2})), ReadTga,
       kIndexOutsideTable},
      {"tga map beginning past the indices", tgaMapAt300, ReadTga, "colour map begins beyond"},
      {"tga pixels cut short", Tga(2, 4, 4, 24, 0x20, 0, 0, std::vector<uint8_t>(40)), ReadTga,
       kTruncatedFile},
      {"tga run past the picture's end", Tga(9, 2, 1, 8, 0x20, 2, 24, tgaWith({0x83, 1})), ReadTga,
       kRunPastEnd},
      {"pcx run past the picture's end", Pcx(5, 8, 3, 2, 1, 2, {}, {0xC8, 1}), ReadPcx,
       kRunPastEnd},
      {"pcx rows cut short", Pcx(5, 8, 3, 4, 4, 4, {}, {0xC5, 1}), ReadPcx, kTruncatedFile},
      {"iff chunk longer than the file", longBody, ReadIff,
       "\"BODY\" is longer than the rest of the file"},
      {"iff colour map of no entries", emptyMap, ReadIff, "colour map holds no colours"},
      {"iff chunky index past the map", Ilbm(2, 1, 8, 0, {0, 0xFFFFFF}, {0, 5}, false, true),
       ReadIff, kIndexOutsideTable},
      {"iff planar index past the map", Ilbm(2, 1, 2, 0, {0, 0xFFFFFF}, {0, 3}), ReadIff,
       kIndexOutsideTable},
  };
  for (const auto& d : kDamaged) {
    SCOPED_TRACE(d.name);
    const std::string why = Refusal(d.read, d.bytes);
    if (d.message) {
      EXPECT_NE(why.find(d.message), std::string::npos) << why;
    }
  }
}

TEST(OwnFormats, UnusualButSoundFilesStillOpen) {
  const auto two = Table({0x000000, 0xFFFFFF});
  auto withTail = [](std::vector<uint8_t> v, size_t n) { return v.insert(v.end(), n, 0xAB), v; };
  // A table shorter than declared, ending where the pixels begin; a gap before the pixels.
  std::vector<uint8_t> shortTable = Bmp(InfoHeader(40, 2, 1, 8, 0, 0), two, {0, 1, 0, 0});
  std::vector<uint8_t> gap = Bmp(InfoHeader(40, 2, 1, 8, 0, 2), withTail(two, 6), {0, 1, 0, 0});
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureReader read;
  } kSound[] = {
      {"bmp trailing bytes", withTail(Bmp(InfoHeader(40, 2, 1, 8, 0, 2), two, {0, 1, 0, 0}), 9),
       ReadBmp},
      {"bmp table ending at the pixels", shortTable, ReadBmp},
      {"bmp gap before the pixels", gap, ReadBmp},
      {"bmp 108-byte header", Bmp(InfoHeader(108, 2, 1, 8, 0, 2), two, {0, 1, 0, 0}), ReadBmp},
      {"rle8 padding run and trailing bytes",
       withTail(Bmp(InfoHeader(40, 2, 1, 8, 1, 2), two, {4, 1, 0, 1}), 5), ReadBmp},
      {"rle8 end of line, padding, end of picture",
       Bmp(InfoHeader(40, 2, 1, 8, 1, 2), two, {2, 1, 0, 0, 0, 0, 0, 1}), ReadBmp},
      {"tga trailing footer",
       withTail(Tga(1, 2, 1, 8, 0x20, 2, 24, {0, 0, 0, 255, 255, 255, 0, 1}), 26), ReadTga},
      {"iff trailing bytes", withTail(Ilbm(2, 1, 1, 0, {0, 0xFFFFFF}, {0, 1}), 11), ReadIff},
  };
  for (const auto& s : kSound) {
    SCOPED_TRACE(s.name);
    OwnedDib d;
    std::string error;
    EXPECT_TRUE(Decode(s.read, s.bytes, d.dib, error)) << error;
  }
}
