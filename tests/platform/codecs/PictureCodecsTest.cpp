#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>

#include "platform/codecs/PictureAlpha.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/codecs/TiffMemoryFile.h"
#include "platform/dib/DibRows.h"
#include "platform/dib/Halftone.h"
#include "tests/platform/codecs/PictureSamples.h"

using namespace gfxtest;

namespace {
struct Codec {
  const char* name;
  PictureWriter write;
  PictureReader read;
};
const Codec kLossless[] = {
    {"png", WritePng, ReadPng}, {"tiff", WriteTiff, ReadTiff}, {"gif", WriteGif, ReadGif}};

struct Depth {
  int bits;
  bool grey;
};
const Depth kDepths[] = {{1, false}, {4, false}, {8, false}, {8, true}, {24, false}};

void RoundTrip(const Codec& c, const Dib& src, OwnedDib& back) {
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(c.write(src, bytes, error)) << c.name << ": " << error;
  ASSERT_TRUE(c.read(View(bytes), back.dib, error)) << c.name << ": " << error;
}
}  // namespace

TEST(PictureCodecs, LosslessFormatsKeepEveryDepthAndEveryPixel) {
  for (const Codec& c : kLossless)
    for (const Depth& d : kDepths) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(d.bits) + (d.grey ? " grey" : ""));
      OwnedDib src, back;
      MakeSample(src.dib, d.bits, 13, 7, d.grey);
      if (c.write == WriteGif && d.bits == 24) continue;  // covered by the reduction tests
      RoundTrip(c, src.dib, back);
      EXPECT_EQ(DibBitCount(back.dib), d.bits);
      EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(back.dib)), 0);
      if (d.bits < 24) {
        EXPECT_NE(back.dib.Palette, nullptr);
      }
    }
}

TEST(PictureCodecs, GifOfAFewColouredTrueColourPictureIsExact) {
  OwnedDib src, back;
  NewDib(src.dib, 40, 9, 24, nullptr, 0);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 40; ++x) SetDibPixel(src.dib, x, y, uint32_t((x * 6 + y) * 0x010305));
  RoundTrip(kLossless[2], src.dib, back);
  EXPECT_EQ(DibBitCount(back.dib), 8);
  EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(back.dib)), 0);
}

TEST(PictureCodecs, JpegKeepsTheLookAndTurnsPalettesIntoTrueColour) {
  const Codec jpeg{"jpeg", WriteJpeg, ReadJpeg};
  for (const Depth& d : kDepths) {
    SCOPED_TRACE(d.bits);
    OwnedDib src, back;
    NewDib(src.dib, 24, 16, d.bits, nullptr, 0);
    if (d.grey) {
      SetGreyColors(src.dib);
    } else {
      for (int i = 0; i < PaletteEntryCount(d.bits); ++i)
        SetDibColor(src.dib, i, uint8_t(i * 16), 128, uint8_t(255 - i));
    }
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 24; ++x)
        SetDibPixel(src.dib, x, y, d.bits == 24 ? 0x406080u + uint32_t(x * 2) : uint32_t(x >= 12));
    RoundTrip(jpeg, src.dib, back);
    EXPECT_EQ(DibBitCount(back.dib), d.grey ? 8 : 24);
    EXPECT_LE(MaxDifference(PixelsOf(src.dib), PixelsOf(back.dib)), 40);
  }
}

TEST(ColorReduction, PicturesOfAtMost256ColoursAreMappedExactly) {
  OwnedDib src, out;
  NewDib(src.dib, 64, 4, 24, nullptr, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x) SetDibPixel(src.dib, x, y, uint32_t((y * 64 + x) * 0x00A1B3 + 7));
  ASSERT_TRUE(ReduceTo8Bits(src.dib, out.dib));
  EXPECT_EQ(DibBitCount(out.dib), 8);
  EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(out.dib)), 0);
}

TEST(ColorReduction, ManyColoursAreApproximatedWithSmallAverageError) {
  OwnedDib src, out;
  NewDib(src.dib, 128, 96, 24, nullptr, 0);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 128; ++x)
      SetDibPixel(src.dib, x, y,
                  uint32_t(x * 2) << 16 | uint32_t(y * 2) << 8 | uint32_t((x + y) & 255));
  ASSERT_TRUE(ReduceTo8Bits(src.dib, out.dib));
  ASSERT_EQ(DibBitCount(out.dib), 8);
  // Averaged over 4 x 4 blocks, error diffusion must reproduce the original closely.
  const Rgb a = PixelsOf(src.dib), b = PixelsOf(out.dib);
  double worst = 0;
  for (int by = 0; by < 96; by += 4)
    for (int bx = 0; bx < 128; bx += 4)
      for (int k = 0; k < 3; ++k) {
        double sa = 0, sb = 0;
        for (int y = by; y < by + 4; ++y)
          for (int x = bx; x < bx + 4; ++x)
            sa += a.pixels[size_t(y * 128 + x) * 3 + size_t(k)],
                sb += b.pixels[size_t(y * 128 + x) * 3 + size_t(k)];
        worst = std::max(worst, std::abs(sa - sb) / 16);
      }
  EXPECT_LT(worst, 12.0);
}

// The GIF writer reduces the rows as it writes them: the file holds the reduced picture and the
// smallest table its indices need.
TEST(ColorReduction, AGifOfA24BitPictureHoldsTheReducedPictureInTheSmallestTable) {
  const struct {
    int colours;  // distinct colours of the picture; 0: a gradient of thousands
    int tableBits;
  } kCases[] = {{3, 2}, {5, 3}, {200, 8}, {0, 8}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.colours);
    OwnedDib src, reduced, back;
    NewDib(src.dib, 67, 45, 24, nullptr, 0);
    for (int y = 0; y < 45; ++y)
      for (int x = 0; x < 67; ++x)
        SetDibPixel(src.dib, x, y,
                    c.colours ? uint32_t((y * 67 + x) % c.colours) * 0x0A1B3C
                              : uint32_t(x * 3) << 16 | uint32_t(y * 5) << 8 | uint32_t(x + y));
    std::vector<uint8_t> gif;
    std::string error;
    ASSERT_TRUE(WriteGif(src.dib, gif, error)) << error;
    EXPECT_EQ((gif[10] & 7) + 1, c.tableBits);
    ASSERT_TRUE(ReduceTo8Bits(src.dib, reduced.dib));
    ASSERT_TRUE(ReadGif(View(gif), back.dib, error)) << error;
    EXPECT_EQ(PixelsOf(back.dib).pixels, PixelsOf(reduced.dib).pixels);
  }
}

TEST(ColorReduction, PalettePicturesExpandToTheirColours) {
  OwnedDib src, out;
  MakeSample(src.dib, 4, 9, 5);
  ASSERT_TRUE(ExpandTo24Bits(src.dib, out.dib));
  EXPECT_EQ(DibBitCount(out.dib), 24);
  EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(out.dib)), 0);
}

TEST(Halftone, FlatColoursAverageToTheOriginal) {
  OwnedDib src, out;
  NewDib(src.dib, 32, 32, 24, nullptr, 0);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) SetDibPixel(src.dib, x, y, x < 16 ? 0x3366CCu : 0x808080u);
  HalftoneDib(out.dib, src.dib);
  ASSERT_NE(out.dib.Bits, nullptr);
  EXPECT_EQ(DibBitCount(out.dib), 8);
  EXPECT_EQ(DibWidth(out.dib), 32);
  const Rgb p = PixelsOf(out.dib);
  for (int half = 0; half < 2; ++half) {
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < 32; ++y)
      for (int x = half * 16; x < half * 16 + 16; ++x)
        for (int k = 0; k < 3; ++k) sum[k] += p.pixels[size_t(y * 32 + x) * 3 + size_t(k)];
    const int want[2][3] = {{0x33, 0x66, 0xCC}, {0x80, 0x80, 0x80}};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(sum[k] / 512, want[half][k], 4.0) << half << " " << k;
  }
}

TEST(Halftone, ResamplingAveragesTheCoveredArea) {
  OwnedDib src, small, big;
  NewDib(src.dib, 4, 2, 24, nullptr, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
      SetDibPixel(src.dib, x, y, x < 2 ? ((x + y) % 2 ? 0xFFFFFFu : 0u) : 0x2040C0u);
  ResampleDib24(small.dib, src.dib, 2, 1);
  ASSERT_NE(small.dib.Bits, nullptr);
  EXPECT_NEAR(int(GetDibPixel(small.dib, 0, 0) & 255), 128, 1);
  EXPECT_EQ(GetDibPixel(small.dib, 1, 0), 0x2040C0u);
  HalftoneDibToSize(big.dib, src.dib, 9, 5);
  ASSERT_NE(big.dib.Bits, nullptr);
  EXPECT_EQ(DibWidth(big.dib), 9);
  EXPECT_EQ(DibHeight(big.dib), 5);
  EXPECT_EQ(DibBitCount(big.dib), 8);
  OwnedDib none;
  HalftoneDibToSize(none.dib, src.dib, 0, 5);
  EXPECT_EQ(none.dib.Bits, nullptr);
}

TEST(PictureCodecs, TrueColourGifsGetTheSmallestColourTable) {
  OwnedDib src, back;
  NewDib(src.dib, 10, 10, 24, nullptr, 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) SetDibPixel(src.dib, x, y, x < 5 ? 0xFF0000u : 0x0000FFu);
  RoundTrip(kLossless[2], src.dib, back);
  EXPECT_EQ(DibBitCount(back.dib), 1);
  EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(back.dib)), 0);
}

// Every writer gives the same bytes into a vector and through a sink that passes them on in
// blocks; the sink never holds more than a block, a failed pass is reported at the end, and a
// patch reaches bytes already passed on only through the rewrite.
TEST(PictureCodecs, WritersStreamTheSameBytesInBoundedBlocks) {
  const struct {
    const char* name;
    PictureWriter inMemory;
    PictureStreamWriter streamed;
  } writers[] = {{"bmp", WriteBmp, WriteBmpTo}, {"rle", WriteRle, WriteRleTo},
                 {"pcx", WritePcx, WritePcxTo}, {"tga", WriteTga, WriteTgaTo},
                 {"iff", WriteIff, WriteIffTo}, {"jpeg", WriteJpeg, WriteJpegTo},
                 {"png", WritePng, WritePngTo}, {"tiff", WriteTiff, WriteTiffTo},
                 {"gif", WriteGif, WriteGifTo}};
  for (int bits : {1, 8, 24}) {
    OwnedDib src;
    MakeSample(src.dib, bits, 1201, 611, false);
    for (const auto& w : writers) {
      SCOPED_TRACE(std::string(w.name) + " " + std::to_string(bits));
      std::vector<uint8_t> whole, passed;
      std::string error;
      ASSERT_TRUE(w.inMemory(src.dib, whole, error)) << error;
      size_t largest = 0;
      ByteSink sink(
          [&](const uint8_t* p, size_t n) {
            passed.insert(passed.end(), p, p + n);
            largest = std::max(largest, n);
            return true;
          },
          [&](size_t at, const uint8_t* p, size_t n) {  // TIFF's header, written last
            std::copy(p, p + n, passed.begin() + std::ptrdiff_t(at));
            return true;
          });
      ASSERT_TRUE(w.streamed(src.dib, sink, error)) << error;
      EXPECT_TRUE(sink.finish());
      EXPECT_TRUE(passed == whole);
      EXPECT_EQ(sink.size(), whole.size());
      EXPECT_LE(largest, size_t(1) << 20);
    }
  }
  ByteSink refusing([](const uint8_t*, size_t) { return false; });
  refusing.fill(7, 3 << 20);
  EXPECT_FALSE(refusing.finish());
  EXPECT_EQ(refusing.size(), size_t(3) << 20);
  const uint8_t two[2] = {1, 2};
  EXPECT_FALSE(refusing.patch(0, two, 2));
  std::vector<uint8_t> memory;
  ByteSink held(memory);
  held.fill(9, 3);
  EXPECT_TRUE(held.patch(1, two, 2));
  EXPECT_FALSE(held.patch(2, two, 2));
  EXPECT_EQ(memory, (std::vector<uint8_t>{9, 1, 2}));
}

namespace {
// 2 x 2 pixels, rows from the top: opaque red, half blue / clear green, three-quarter white.
const uint8_t kRgba[16] = {255, 0, 0, 255, 0, 0, 255, 128, 0, 255, 0, 0, 255, 255, 255, 192};

std::vector<uint8_t> Tga(bool rle, bool fromTop) {
  std::vector<uint8_t> f = {0, 0,  uint8_t(rle ? 10 : 2),
                            0, 0,  0,
                            0, 0,  0,
                            0, 0,  0,
                            2, 0,  2,
                            0, 32, uint8_t(8 | (fromTop ? 0x20 : 0))};
  for (int row = 0; row < 2; ++row) {
    const int y = fromTop ? row : 1 - row;
    if (rle) f.push_back(1);  // a raw packet of two pixels
    for (int x = 0; x < 2; ++x) {
      const uint8_t* p = kRgba + 4 * (2 * y + x);
      f.insert(f.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  return f;
}

std::vector<uint8_t> Png() {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = image.height = 2;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, kRgba, 0, nullptr);
  std::vector<uint8_t> out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, kRgba, 0, nullptr));
  out.resize(size);
  return out;
}

std::vector<uint8_t> Tiff() {
  std::vector<uint8_t> out;
  TiffMemoryFile f;
  f.out = &out;
  TIFF* tif = OpenTiffMemory(f, "w");
  const uint16_t extra[1] = {EXTRASAMPLE_UNASSALPHA};
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, 2u);
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, 2u);
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 4);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, extra);
  TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 2);
  for (uint32_t y = 0; y < 2; ++y)
    TIFFWriteScanline(tif, const_cast<uint8_t*>(kRgba + 8 * y), y, 0);
  TIFFClose(tif);
  return out;
}
}  // namespace

TEST(PictureAlpha, PngTiffAndTgaKeepTheirAlphaAndUnblendedColours) {
  using Reader = bool (*)(ByteView, Dib&, std::vector<uint8_t>&, std::string&);
  const struct {
    const char* name;
    std::vector<uint8_t> file;
    Reader read;
    int slack;  // TIFF colours come back from premultiplied values
  } cases[] = {{"png", Png(), ReadPngWithAlpha, 0},
               {"tiff", Tiff(), ReadTiffWithAlpha, 2},
               {"tga", Tga(false, false), ReadTgaWithAlpha, 0},
               {"tga from the top", Tga(false, true), ReadTgaWithAlpha, 0},
               {"tga rle", Tga(true, false), ReadTgaWithAlpha, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OwnedDib dib;
    std::vector<uint8_t> alpha;
    std::string error;
    ASSERT_TRUE(c.read(ByteView{c.file.data(), c.file.size()}, dib.dib, alpha, error)) << error;
    EXPECT_EQ(alpha, (std::vector<uint8_t>{255, 128, 0, 192}));
    for (int i = 0; i < 4; ++i) {
      if (kRgba[4 * i + 3] == 0) continue;  // no colour is left under a clear pixel
      const uint32_t v = GetDibPixel(dib.dib, i % 2, i / 2);
      EXPECT_NEAR(int(v >> 16), kRgba[4 * i], c.slack) << i;
      EXPECT_NEAR(int(v & 255), kRgba[4 * i + 2], c.slack) << i;
    }
  }
  // A cut file is refused with a reason; a file without alpha leaves it to the plain reader.
  std::vector<uint8_t> cut = Tga(true, false);
  cut.resize(cut.size() - 3);
  OwnedDib dib;
  std::vector<uint8_t> alpha;
  std::string error;
  EXPECT_FALSE(ReadTgaWithAlpha(ByteView{cut.data(), cut.size()}, dib.dib, alpha, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(alpha.empty() && !dib.dib.Bits);
  std::vector<uint8_t> opaque = Tga(false, false);
  opaque[17] = 0;
  EXPECT_FALSE(ReadTgaWithAlpha(ByteView{opaque.data(), opaque.size()}, dib.dib, alpha, error));
  EXPECT_TRUE(error.empty());
}
