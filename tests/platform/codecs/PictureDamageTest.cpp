// Damaged and hostile files are refused with a reason, without reading or writing out of bounds.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <random>

#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/codecs/TiffMemoryFile.h"
#include "platform/dib/DibRows.h"
#include "tests/platform/codecs/PictureSamples.h"

using namespace gfxtest;

namespace {
using SourceReader = bool (*)(PictureSource&, Dib&, std::string&);
struct Sample {
  const char* name;
  std::vector<uint8_t> bytes;
  PictureReader read;
  SourceReader readFile = nullptr;  // the same reader taking the bytes from an open file
};

// Reads `bytes` as an open file holding them, never as a whole in memory.
bool ReadAsFile(SourceReader read, const std::vector<uint8_t>& bytes, std::string& error) {
  const int fd = memfd_create("picture", 0);
  EXPECT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  PictureSource file(fd, bytes.size());
  OwnedDib dib;
  const bool ok = read(file, dib.dib, error);
  close(fd);
  EXPECT_EQ(ok, dib.dib.Bits != nullptr);
  return ok;
}

std::vector<uint8_t> Encode(PictureWriter write, int bits, bool grey = false) {
  OwnedDib dib;
  MakeSample(dib.dib, bits, 21, 13, grey);
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(write(dib.dib, bytes, error)) << error;
  return bytes;
}

std::vector<Sample> Samples() {
  return {{"png 24", Encode(WritePng, 24), ReadPng, ReadPngFrom},
          {"png 4", Encode(WritePng, 4), ReadPng, ReadPngFrom},
          {"jpeg", Encode(WriteJpeg, 24), ReadJpeg, ReadJpegFrom},
          {"jpeg grey", Encode(WriteJpeg, 8, true), ReadJpeg, ReadJpegFrom},
          {"tiff 24", Encode(WriteTiff, 24), ReadTiff, ReadTiffFrom},
          {"tiff 1", Encode(WriteTiff, 1), ReadTiff, ReadTiffFrom},
          {"iff 24", Encode(WriteIff, 24), ReadIff, ReadIffFrom},
          {"iff 8", Encode(WriteIff, 8), ReadIff, ReadIffFrom},
          {"gif 8", Encode(WriteGif, 8), ReadGif},
          {"gif 1", Encode(WriteGif, 1), ReadGif}};
}

// Reads and checks that a failure leaves no picture and a success a sane one, and that reading
// the bytes from a file gives the same outcome and reason.
bool ReadChecked(const Sample& s, const std::vector<uint8_t>& bytes, std::string& error) {
  OwnedDib dib;
  const bool ok = s.read(View(bytes), dib.dib, error);
  std::string fileError;
  if (s.readFile) {
    EXPECT_EQ(ReadAsFile(s.readFile, bytes, fileError), ok) << "length " << bytes.size();
    EXPECT_EQ(fileError, error);
  }
  if (ok) {
    EXPECT_EQ(DibWidth(dib.dib), 21);
    EXPECT_EQ(DibHeight(dib.dib), 13);
  } else {
    EXPECT_EQ(dib.dib.Bits, nullptr);
    EXPECT_FALSE(error.empty());
  }
  return ok;
}

void PutBig16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = uint8_t(v >> 8), b[at + 1] = uint8_t(v);
}
void PutBig32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  PutBig16(b, at, v >> 16);
  PutBig16(b, at + 2, v & 0xFFFF);
}
}  // namespace

TEST(PictureDamage, TruncatedFilesAreRefusedAtEveryLength) {
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    std::string error;
    ASSERT_TRUE(ReadChecked(s, s.bytes, error)) << error;
    // Only trailers (end chunks, terminators) may be missing from a file that still reads.
    for (size_t n = 0; n + 16 < s.bytes.size(); ++n) {
      const std::vector<uint8_t> cut(s.bytes.begin(), s.bytes.begin() + long(n));
      EXPECT_FALSE(ReadChecked(s, cut, error)) << "length " << n;
    }
    for (size_t n = s.bytes.size() > 16 ? s.bytes.size() - 16 : 0; n < s.bytes.size(); ++n)
      ReadChecked(s, std::vector<uint8_t>(s.bytes.begin(), s.bytes.begin() + long(n)), error);
  }
}

TEST(PictureDamage, CorruptedBytesNeverCrash) {
  std::mt19937 random(7);
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    for (int round = 0; round < 300; ++round) {
      std::vector<uint8_t> bad = s.bytes;
      const int flips = 1 + int(random() % 4);
      for (int i = 0; i < flips; ++i) bad[random() % bad.size()] = uint8_t(random());
      std::string error;
      OwnedDib dib;
      if (!s.read(View(bad), dib.dib, error)) {
        EXPECT_EQ(dib.dib.Bits, nullptr);
      }
    }
  }
}

TEST(PictureDamage, HugeDeclaredSizesAreRefusedBeforeAllocating) {
  std::string error;
  {  // PNG: IHDR of 100000 x 100000 and of 20000 x 20000 (over the byte limit), valid CRCs
    for (uint32_t side : {100000u, 20000u}) {
      std::vector<uint8_t> png = Encode(WritePng, 24);
      PutBig32(png, 16, side);
      PutBig32(png, 20, side);
      PutBig32(png, 29, uint32_t(crc32(0, png.data() + 12, 17)));
      OwnedDib dib;
      EXPECT_FALSE(ReadPng(View(png), dib.dib, error)) << side;
      EXPECT_EQ(dib.dib.Bits, nullptr);
    }
  }
  {  // JPEG: frame header of 30000 x 30000
    std::vector<uint8_t> jpg = Encode(WriteJpeg, 24);
    size_t sof = 2;
    while (sof + 9 < jpg.size() && !(jpg[sof] == 0xFF && jpg[sof + 1] == 0xC0)) ++sof;
    ASSERT_LT(sof + 9, jpg.size());
    PutBig16(jpg, sof + 5, 30000);
    PutBig16(jpg, sof + 7, 30000);
    OwnedDib dib;
    EXPECT_FALSE(ReadJpeg(View(jpg), dib.dib, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
  }
  {  // GIF: image of 65535 x 65535 (the descriptor follows the 256-entry global table)
    std::vector<uint8_t> gif = Encode(WriteGif, 8);
    const size_t desc = 13 + 3 * 256;
    ASSERT_EQ(gif[desc], 0x2C);
    for (size_t at : {desc + 5, desc + 7}) gif[at] = 0xFF, gif[at + 1] = 0xFF;
    OwnedDib dib;
    EXPECT_FALSE(ReadGif(View(gif), dib.dib, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
  }
  {  // TIFF: width and height tags of 29000
    std::vector<uint8_t> tif = Encode(WriteTiff, 24);
    ASSERT_EQ(tif[0], 'I');
    const size_t ifd = size_t(tif[4] | tif[5] << 8 | tif[6] << 16 | tif[7] << 24);
    const size_t count = size_t(tif[ifd] | tif[ifd + 1] << 8);
    for (size_t i = 0; i < count; ++i) {
      const size_t e = ifd + 2 + 12 * i;
      const int tag = tif[e] | tif[e + 1] << 8;
      if (tag == 256 || tag == 257)
        tif[e + 8] = uint8_t(29000 & 255), tif[e + 9] = uint8_t(29000 >> 8);
    }
    OwnedDib dib;
    EXPECT_FALSE(ReadTiff(View(tif), dib.dib, error));
    EXPECT_EQ(dib.dib.Bits, nullptr);
  }
}

namespace {
// A 40 x 30 bilevel TIFF with the given compression, in one strip or in 16 x 16 tiles.
std::vector<uint8_t> BilevelTiff(uint16_t compression, bool tiled, uint32_t rowsPerStrip = 30) {
  std::vector<uint8_t> out;
  TiffMemoryFile f;
  f.out = &out;
  TIFF* tif = OpenTiffMemory(f, "w");
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, 40u);
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, 30u);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
  std::vector<uint8_t> rows(5 * 30);
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = uint8_t(i * 37 + 11);
  if (tiled) {
    TIFFSetField(tif, TIFFTAG_TILEWIDTH, 16u);
    TIFFSetField(tif, TIFFTAG_TILELENGTH, 16u);
    std::vector<uint8_t> tile(2 * 16, 0x5A);
    for (uint32_t t = 0; t < TIFFNumberOfTiles(tif); ++t)
      TIFFWriteEncodedTile(tif, t, tile.data(), tmsize_t(tile.size()));
  } else {
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
    for (uint32_t y = 0; y < 30; ++y) TIFFWriteScanline(tif, &rows[5 * y], y, 0);
  }
  TIFFClose(tif);
  return out;
}

// Sets value `index` of a SHORT or LONG tag of a little-endian TIFF (in the entry or in its
// array).
std::vector<uint8_t> WithTiffTag(std::vector<uint8_t> tif, int tag, uint32_t value,
                                 size_t index = 0) {
  auto le32 = [&](size_t at) {
    return uint32_t(tif[at] | tif[at + 1] << 8 | tif[at + 2] << 16 | uint32_t(tif[at + 3]) << 24);
  };
  const size_t ifd = le32(4), count = size_t(tif[ifd] | tif[ifd + 1] << 8);
  for (size_t i = 0; i < count; ++i) {
    const size_t e = ifd + 2 + 12 * i;
    if ((tif[e] | tif[e + 1] << 8) != tag) continue;
    const int size = tif[e + 2] == 3 ? 2 : 4;  // SHORT or LONG
    const size_t at = (le32(e + 4) * size_t(size) > 4 ? le32(e + 8) : e + 8) + index * size_t(size);
    for (int k = 0; k < size; ++k) tif[at + size_t(k)] = uint8_t(value >> (8 * k));
  }
  return tif;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}
void NoFlush(png_structp) {}

// An 8-bit palette PNG of two colours whose one row holds the given indices.
std::vector<uint8_t> PalettePng(const std::vector<uint8_t>& row) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, png_uint_32(row.size()), 1, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color colours[2] = {{0, 0, 0}, {255, 255, 255}};
  png_set_PLTE(png, info, colours, 2);
  png_write_info(png, info);
  png_write_row(png, row.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

// A PNG whose first chunk after the header claims 2 GiB of text.
std::vector<uint8_t> PngWithHugeText() {
  std::vector<uint8_t> png = Encode(WritePng, 24);
  const uint8_t chunk[] = {0x7F, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't', 'a', 'b', 'c'};
  png.insert(png.begin() + 33, std::begin(chunk), std::end(chunk));
  return png;
}

// A 2 x 1 GIF with two colours whose LZW data holds the index 3.
const std::vector<uint8_t> kGifIndexThree = {
    'G', 'I',  'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 0,    0,    0, 255, 255,
    255, 0x2C, 0,   0,   0,   0,   2, 0, 1, 0, 0,    2, 2, 0xC4, 0x0A, 0, 0x3B};
}  // namespace

TEST(PictureDamage, DamagedFilesOfTheLibraryFormatsAreRefusedNamingTheFault) {
  const std::vector<uint8_t> strip = BilevelTiff(COMPRESSION_NONE, false);
  const std::vector<uint8_t> tiles = BilevelTiff(COMPRESSION_LZW, true);
  // Three strips of 10 rows (50 bytes); the last one's 20 bytes end the file.
  const std::vector<uint8_t> strips = BilevelTiff(COMPRESSION_NONE, false, 10);
  const std::vector<uint8_t> lastCut =
      WithTiffTag(WithTiffTag(strips, TIFFTAG_STRIPOFFSETS, uint32_t(strips.size() - 20), 2),
                  TIFFTAG_STRIPBYTECOUNTS, 20, 2);
  std::vector<uint8_t> gif88 = kGifIndexThree;
  gif88[4] = '8';
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureReader read;
    const char* message;
  } kDamaged[] = {
      {"png text chunk of 2 GiB", PngWithHugeText(), ReadPng,
       "\"tEXt\" is longer than the rest of the file"},
      {"png index past the palette", PalettePng({1, 0, 2}), ReadPng, kIndexOutsideTable},
      {"gif index past the table", kGifIndexThree, ReadGif, kIndexOutsideTable},
      {"gif of version 88a", gif88, ReadGif, "the GIF version is neither 87a nor 89a"},
      {"tiff last strip cut short", lastCut, ReadTiff,
       "strip 3 of the TIFF picture is missing or cut short"},
      {"tiff palette without a colour map",
       WithTiffTag(Encode(WriteTiff, 8, true), TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE), ReadTiff,
       "the colour map is missing"},
      {"tiff strip past the file's end",
       WithTiffTag(strip, TIFFTAG_STRIPOFFSETS, uint32_t(strip.size() - 20)), ReadTiff,
       "strip 1 of the TIFF picture is missing or cut short"},
      {"tiff strip starting past the end", WithTiffTag(strip, TIFFTAG_STRIPOFFSETS, 60000),
       ReadTiff, "strip 1"},
      {"tiff tile past the file's end", WithTiffTag(tiles, TIFFTAG_TILEBYTECOUNTS, 60000), ReadTiff,
       "tile 1 of the TIFF picture is missing or cut short"},
      {"tiff empty tile", WithTiffTag(tiles, TIFFTAG_TILEBYTECOUNTS, 0), ReadTiff, "tile 1"},
      {"tiff lzw tile cut short", WithTiffTag(tiles, TIFFTAG_TILEBYTECOUNTS, 2), ReadTiff,
       "damaged"},
      {"tiff g4 strip cut short",
       WithTiffTag(BilevelTiff(COMPRESSION_CCITTFAX4, false), TIFFTAG_STRIPBYTECOUNTS, 3), ReadTiff,
       "damaged"},
      {"tiff g3 strip cut short",
       WithTiffTag(BilevelTiff(COMPRESSION_CCITTFAX3, false), TIFFTAG_STRIPBYTECOUNTS, 3), ReadTiff,
       "damaged"},
  };
  for (const auto& d : kDamaged) {
    SCOPED_TRACE(d.name);
    OwnedDib dib;
    std::string error;
    EXPECT_FALSE(d.read(View(d.bytes), dib.dib, error));
    EXPECT_EQ(dib.dib.Bits, nullptr);
    EXPECT_NE(error.find(d.message), std::string::npos) << error;
    if (d.read == ReadGif) continue;
    std::string fileError;
    EXPECT_FALSE(ReadAsFile(d.read == ReadPng ? ReadPngFrom : ReadTiffFrom, d.bytes, fileError));
    EXPECT_EQ(fileError, error);
  }
  // The sound files these were made from open, as 1-bit pictures; so does a strip whose byte
  // count is wrong while its pixels are all in the file (libtiff recomputes the count).
  for (const auto& tif : {strip, tiles, strips, BilevelTiff(COMPRESSION_CCITTFAX4, false),
                          WithTiffTag(strip, TIFFTAG_STRIPBYTECOUNTS, 50)}) {
    OwnedDib dib;
    std::string error;
    EXPECT_TRUE(ReadTiff(View(tif), dib.dib, error)) << error;
    EXPECT_EQ(DibBitCount(dib.dib), 1);
  }
}

TEST(PictureDamage, TheReadLimitRefusesLargerPicturesOfEveryFormat) {
  SetPictureReadLimit(21 * 13 - 1);
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    OwnedDib dib;
    std::string error;
    EXPECT_FALSE(s.read(View(s.bytes), dib.dib, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
  }
  SetPictureReadLimit(21 * 13);
  for (const Sample& s : Samples()) {
    OwnedDib dib;
    std::string error;
    EXPECT_TRUE(s.read(View(s.bytes), dib.dib, error)) << s.name << ": " << error;
  }
  SetPictureReadLimit(uint64_t(kMaxDibSide) * kMaxDibSide);
}
