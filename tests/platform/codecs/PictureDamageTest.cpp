// Damaged and hostile files are refused with a reason, without reading or writing out of bounds.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "platform/codecs/PictureCodecs.h"
#include "tests/platform/codecs/PictureSamples.h"

using namespace gfxtest;

namespace {
struct Sample {
  const char* name;
  std::vector<uint8_t> bytes;
  PictureReader read;
};

std::vector<uint8_t> Encode(PictureWriter write, int bits, bool grey = false) {
  OwnedDib dib;
  MakeSample(dib.dib, bits, 21, 13, grey);
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(write(dib.dib, bytes, error)) << error;
  return bytes;
}

std::vector<Sample> Samples() {
  return {{"png 24", Encode(WritePng, 24), ReadPng},   {"png 4", Encode(WritePng, 4), ReadPng},
          {"jpeg", Encode(WriteJpeg, 24), ReadJpeg},   {"jpeg grey", Encode(WriteJpeg, 8, true), ReadJpeg},
          {"tiff 24", Encode(WriteTiff, 24), ReadTiff}, {"tiff 1", Encode(WriteTiff, 1), ReadTiff},
          {"gif 8", Encode(WriteGif, 8), ReadGif},     {"gif 1", Encode(WriteGif, 1), ReadGif}};
}

// Reads and checks that a failure leaves no picture and a success a sane one.
bool ReadChecked(const Sample& s, const std::vector<uint8_t>& bytes, std::string& error) {
  OwnedDib dib;
  const bool ok = s.read(View(bytes), dib.dib, error);
  if (ok) {
    EXPECT_EQ(DibWidth(dib.dib), 21);
    EXPECT_EQ(DibHeight(dib.dib), 13);
  } else {
    EXPECT_EQ(dib.dib.Bits, nullptr);
    EXPECT_FALSE(error.empty());
  }
  return ok;
}

void PutBig16(std::vector<uint8_t>& b, size_t at, uint32_t v) { b[at] = uint8_t(v >> 8), b[at + 1] = uint8_t(v); }
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
      if (tag == 256 || tag == 257) tif[e + 8] = uint8_t(29000 & 255), tif[e + 9] = uint8_t(29000 >> 8);
    }
    OwnedDib dib;
    EXPECT_FALSE(ReadTiff(View(tif), dib.dib, error));
    EXPECT_EQ(dib.dib.Bits, nullptr);
  }
}
