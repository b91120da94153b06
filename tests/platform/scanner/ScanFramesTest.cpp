// Assembling scanner frames into pictures, with damaged and surprising data.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/scanner/ScanFrames.h"

namespace {
FrameFormat Format(FrameKind kind, int width, int lines, int depth, int padding = 0) {
  const int samples = kind == FrameKind::Rgb ? 3 : 1;
  const int bytes = (width * samples * depth + 7) / 8 + padding;
  const bool last = kind == FrameKind::Gray || kind == FrameKind::Rgb || kind == FrameKind::Blue;
  return {kind, last, bytes, width, lines, depth};
}

void Feed(FrameAssembler& a, const std::vector<uint8_t>& bytes, size_t chunk) {
  for (size_t i = 0; i < bytes.size(); i += chunk)
    ASSERT_TRUE(a.addBytes(bytes.data() + i, std::min(chunk, bytes.size() - i))) << a.error();
}

struct Picture {
  ~Picture() { FreeDib(dib); }
  Dib dib;
};
}  // namespace

TEST(FrameAssemblerTest, RgbLinesBecomeBottomUpBgrRowsInAnyChunkSize) {
  for (size_t chunk : {1u, 5u, 1000u}) {
    FrameAssembler a;
    ASSERT_TRUE(a.beginFrame(Format(FrameKind::Rgb, 2, 2, 8)));
    Feed(a, {10, 20, 30, 40, 50, 60, /**/ 70, 80, 90, 100, 110, 120}, chunk);
    ASSERT_TRUE(a.endFrame());
    Picture p;
    ASSERT_TRUE(a.takePicture(p.dib));
    EXPECT_EQ(DibBitCount(p.dib), 24);
    EXPECT_EQ(GetDibPixel(p.dib, 0, 0), 0x0a141eu);
    EXPECT_EQ(GetDibPixel(p.dib, 1, 1), 0x646e78u);
    EXPECT_EQ(p.dib.Bits[0], 90);  // the bottom row comes first in memory, blue first
  }
}

TEST(FrameAssemblerTest, SixteenBitSamplesKeepTheirHighByte) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 2, 1, 16)));
  const uint16_t samples[2] = {0xAB12, 0x0150};
  std::vector<uint8_t> bytes(4);
  std::memcpy(bytes.data(), samples, 4);
  Feed(a, bytes, 3);
  ASSERT_TRUE(a.endFrame());
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(DibBitCount(p.dib), 8);
  EXPECT_EQ(GetDibPixel(p.dib, 0, 0), 0xABu);
  EXPECT_EQ(GetDibPixel(p.dib, 1, 0), 0x01u);
}

TEST(FrameAssemblerTest, OneBitGreyIsLineArtWithBlackForSetBits) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 10, 1, 1)));
  Feed(a, {0b10000000, 0b01000000}, 2);  // pixel 0 and 9 black
  ASSERT_TRUE(a.endFrame());
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(DibBitCount(p.dib), 1);
  EXPECT_EQ(GetDibPixel(p.dib, 0, 0), 0u);
  EXPECT_EQ(GetDibPixel(p.dib, 1, 0), 1u);
  EXPECT_EQ(GetDibPixel(p.dib, 9, 0), 0u);
  EXPECT_EQ(p.dib.Info->bmiColors[0].rgbRed, 0);
  EXPECT_EQ(p.dib.Info->bmiColors[1].rgbRed, 255);
}

TEST(FrameAssemblerTest, GreyIsThresholdedWhenLineArtWasAskedFor) {
  FrameAssembler a(true);
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 3, 1, 8)));
  Feed(a, {0, 127, 128}, 3);
  ASSERT_TRUE(a.endFrame());
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  ASSERT_EQ(DibBitCount(p.dib), 1);
  EXPECT_EQ(GetDibPixel(p.dib, 1, 0), 0u);
  EXPECT_EQ(GetDibPixel(p.dib, 2, 0), 1u);
}

TEST(FrameAssemblerTest, SeparateColourFramesFillTheirChannels) {
  FrameAssembler a;
  const FrameKind order[3] = {FrameKind::Green, FrameKind::Red, FrameKind::Blue};
  const uint8_t value[3] = {0x22, 0x11, 0x33};
  for (int f = 0; f < 3; ++f) {
    ASSERT_TRUE(a.beginFrame(Format(order[f], 2, 1, 8)));
    Feed(a, {value[f], value[f]}, 1);
    ASSERT_TRUE(a.endFrame());
  }
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(GetDibPixel(p.dib, 1, 0), 0x112233u);
}

TEST(FrameAssemblerTest, PaddedLinesAndExtraLinesStayOutsideThePicture) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 2, 2, 8, 3)));
  // Three lines of five bytes (two pixels and three padding bytes) for two announced lines.
  Feed(a, {1, 2, 9, 9, 9, 3, 4, 9, 9, 9, 5, 6, 9, 9, 9}, 4);
  ASSERT_TRUE(a.endFrame());
  EXPECT_TRUE(a.droppedLines());
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(DibHeight(p.dib), 2);
  EXPECT_EQ(GetDibPixel(p.dib, 1, 1), 4u);
}

TEST(FrameAssemblerTest, FewerLinesThanAnnouncedGiveAShorterPicture) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 2, 100, 8)));
  Feed(a, {1, 2, 3, 4, 5}, 5);  // two lines and half a line
  ASSERT_TRUE(a.endFrame());
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(DibHeight(p.dib), 2);
  EXPECT_EQ(GetDibPixel(p.dib, 0, 1), 3u);
}

TEST(FrameAssemblerTest, UnknownLengthGrowsUpToTheLimit) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Gray, 1, -1, 8)));
  std::vector<uint8_t> lines(kMaxDibSide + 5, 7);
  Feed(a, lines, 4096);
  ASSERT_TRUE(a.endFrame());
  EXPECT_TRUE(a.droppedLines());
  EXPECT_EQ(a.percent(), 0);
  Picture p;
  ASSERT_TRUE(a.takePicture(p.dib));
  EXPECT_EQ(DibHeight(p.dib), kMaxDibSide);
}

TEST(FrameAssemblerTest, DamagedFormatsAreRefused) {
  const FrameFormat bad[] = {
      Format(FrameKind::Gray, 10, 10, 4),               // depth
      Format(FrameKind::Gray, 0, 10, 8),                // no width
      Format(FrameKind::Gray, kMaxDibSide + 1, 10, 8),  // too wide
      Format(FrameKind::Rgb, 20000, 20000, 8),          // over the byte limit
      {FrameKind::Rgb, true, 5, 2, 2, 8},               // line shorter than its pixels
      {FrameKind::Gray, true, 1 << 30, 2, 2, 8},        // absurd padding
  };
  for (const FrameFormat& f : bad) {
    FrameAssembler a;
    EXPECT_FALSE(a.beginFrame(f));
    EXPECT_FALSE(a.error().empty());
    Picture p;
    EXPECT_FALSE(a.takePicture(p.dib));
    EXPECT_EQ(p.dib.Bits, nullptr);
  }
}

TEST(FrameAssemblerTest, MismatchedOrMissingFramesAreRefused) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Red, 2, 1, 8)));
  Feed(a, {1, 2}, 2);
  ASSERT_TRUE(a.endFrame());
  EXPECT_FALSE(a.beginFrame(Format(FrameKind::Green, 3, 1, 8)));  // another width
  FrameAssembler empty;
  ASSERT_TRUE(empty.beginFrame(Format(FrameKind::Gray, 2, 2, 8)));
  EXPECT_FALSE(empty.endFrame());
  FrameAssembler unfinished;
  ASSERT_TRUE(unfinished.beginFrame(Format(FrameKind::Red, 1, 1, 8)));
  Feed(unfinished, {1}, 1);
  ASSERT_TRUE(unfinished.endFrame());
  Picture p;
  EXPECT_FALSE(unfinished.takePicture(p.dib));  // green and blue never came
}

TEST(FrameAssemblerTest, PercentCountsAllFrames) {
  FrameAssembler a;
  ASSERT_TRUE(a.beginFrame(Format(FrameKind::Red, 1, 4, 8)));
  Feed(a, {1, 2}, 2);
  EXPECT_EQ(a.percent(), 16);  // 2 of 12 lines
}
