#include <gtest/gtest.h>

#include <cstring>

#include "platform/codecs/BmpDirect.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/codecs/PictureFile.h"
#include "tests/support/TestFiles.h"

namespace {
// A plain 24-bit bottom-up BMP of 5 x 3 whose row padding holds stray bytes.
std::vector<uint8_t> PlainBmp(uint32_t headerSize = 40) {
  const int w = 5, h = 3, stride = 16;
  std::vector<uint8_t> f(14 + headerSize + stride * h, 0);
  auto le32 = [&](size_t at, uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[0] = 'B', f[1] = 'M';
  le32(2, uint32_t(f.size()));
  le32(10, 14 + headerSize);
  le32(14, headerSize);
  le32(18, w);
  le32(22, h);
  f[26] = 1, f[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int i = 0; i < stride; ++i)
      f[14 + headerSize + y * stride + i] = uint8_t(i < 15 ? 10 * y + i : 0xEE);
  return f;
}
}  // namespace

TEST(BmpDirect, PlainFilesMatchTheGeneralReaderWithZeroPadding) {
  TempDir dir;
  for (uint32_t headerSize : {40u, 124u}) {
    const std::vector<uint8_t> bytes = PlainBmp(headerSize);
    WriteBytes(dir.file("p.bmp"), bytes);
    Dib direct, general;
    std::string error;
    ASSERT_EQ(ReadPlainBmp(dir.file("p.bmp"), direct, error), DirectRead::Done) << error;
    ASSERT_TRUE(ReadBmp(ByteView{bytes.data(), bytes.size()}, general, error)) << error;
    ASSERT_EQ(direct.Info->bmiHeader.biSizeImage, general.Info->bmiHeader.biSizeImage);
    EXPECT_EQ(std::memcmp(direct.Bits, general.Bits, general.Info->bmiHeader.biSizeImage), 0);
    EXPECT_EQ(direct.Bits[15], 0);  // the stray padding byte is not taken over
    FreeDib(direct);
    FreeDib(general);
  }
}

TEST(BmpDirect, OtherAndDamagedFilesGoToTheGeneralReaders) {
  TempDir dir;
  std::vector<uint8_t> bytes = PlainBmp();
  Dib out;
  std::string error;
  bytes[28] = 8;  // 8 bits: not plain 24-bit
  WriteBytes(dir.file("a.bmp"), bytes);
  EXPECT_EQ(ReadPlainBmp(dir.file("a.bmp"), out, error), DirectRead::NotApplicable);
  bytes = PlainBmp();
  bytes.resize(bytes.size() - 10);  // the last row cut into
  WriteBytes(dir.file("b.bmp"), bytes);
  EXPECT_EQ(ReadPlainBmp(dir.file("b.bmp"), out, error), DirectRead::NotApplicable);
  EXPECT_FALSE(LoadPictureFile(out, dir.file("b.bmp"), error));
  EXPECT_EQ(out.Bits, nullptr);
  EXPECT_EQ(ReadPlainBmp(dir.file("missing.bmp"), out, error), DirectRead::NotApplicable);
}
