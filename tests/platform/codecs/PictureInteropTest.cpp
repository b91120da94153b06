// Files written by ImageMagick and netpbm decode to the pixels those tools see, and the tools
// read back what our writers produce.
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t before it
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>

#include "platform/codecs/PictureCodecs.h"
#include "tests/platform/codecs/PictureSamples.h"
#include "tests/support/TestFiles.h"

using namespace gfxtest;

namespace {
struct Variant {
  const char* file;     // name of the file the command makes
  const char* command;  // shell command run in the scratch folder
  PictureReader read;
  int bits;       // expected depth; 0: any palette depth
  int tolerance;  // largest channel difference from the tool's own decoding
};

const Variant kVariants[] = {
    {"rgb8.png", "convert src.ppm PNG24:rgb8.png", ReadPng, 24, 0},
    {"rgb16.png", "convert src.ppm -depth 16 PNG48:rgb16.png", ReadPng, 24, 1},
    {"rgba.png", "convert alpha.pam PNG32:rgba.png", ReadPng, 24, 1},
    {"rgba16.png", "convert alpha.pam -depth 16 PNG64:rgba16.png", ReadPng, 24, 1},
    {"interlaced.png", "convert src.ppm -interlace PNG PNG24:interlaced.png", ReadPng, 24, 0},
    {"pal.png", "convert pal.ppm PNG8:pal.png", ReadPng, 8, 0},
    {"two.png", "convert two.ppm PNG8:two.png", ReadPng, 8, 0},
    {"paltrns.png", "convert alphapal.pam PNG8:paltrns.png", ReadPng, 0, 1},
    {"palinter.png", "convert pal.ppm -interlace PNG PNG8:palinter.png", ReadPng, 8, 0},
    {"grey1.png", "pamdepth 1 grey.pgm | pnmtopng > grey1.png", ReadPng, 1, 0},
    {"grey1inter.png", "pamdepth 1 grey.pgm | pnmtopng -interlace > grey1inter.png", ReadPng, 1, 0},
    {"grey2.png", "pamdepth 3 grey.pgm | pnmtopng > grey2.png", ReadPng, 8, 0},
    {"grey4.png", "pamdepth 15 grey.pgm | pnmtopng > grey4.png", ReadPng, 8, 0},
    {"grey8.png", "pnmtopng grey.pgm > grey8.png", ReadPng, 8, 0},
    {"grey16.png", "pamdepth 65535 grey.pgm | pnmtopng > grey16.png", ReadPng, 8, 1},
    {"greytrns.png", "pnmtopng -transparent=gray50 grey.pgm > greytrns.png", ReadPng, 8, 1},
    {"greyalpha.png", "convert alpha.pam -type GrayscaleAlpha PNG:greyalpha.png", ReadPng, 8, 1},
    {"rgbtrns.png", "pnmtopng -transparent=rgb:00/00/00 src.ppm > rgbtrns.png", ReadPng, 24, 0},
    {"base.jpg", "convert src.ppm -quality 90 base.jpg", ReadJpeg, 24, 6},
    {"prog.jpg", "convert src.ppm -interlace JPEG prog.jpg", ReadJpeg, 24, 6},
    {"grey.jpg", "convert src.ppm -colorspace gray grey.jpg", ReadJpeg, 8, 4},
    {"netpbm.jpg", "pnmtojpeg --quality=95 src.ppm > netpbm.jpg", ReadJpeg, 24, 6},
    {"cmyk.jpg", "convert src.ppm -colorspace CMYK cmyk.jpg", ReadJpeg, 24, 8},
    {"none.tif", "convert src.ppm -compress None none.tif", ReadTiff, 24, 0},
    {"lzw.tif", "convert src.ppm -compress LZW lzw.tif", ReadTiff, 24, 0},
    {"packbits.tif", "convert src.ppm -compress RLE packbits.tif", ReadTiff, 24, 0},
    {"zip.tif", "convert src.ppm -compress Zip zip.tif", ReadTiff, 24, 0},
    {"tiled.tif", "convert src.ppm -define tiff:tile-geometry=16x16 tiled.tif", ReadTiff, 24, 0},
    {"planar.tif", "convert src.ppm -interlace Plane planar.tif", ReadTiff, 24, 0},
    {"rgb16.tif", "convert src.ppm -depth 16 rgb16.tif", ReadTiff, 24, 1},
    {"rgba.tif", "convert alpha.pam rgba.tif", ReadTiff, 24, 1},
    {"grey8.tif", "convert grey.pgm grey8.tif", ReadTiff, 8, 0},
    {"grey16.tif", "convert grey.pgm -depth 16 grey16.tif", ReadTiff, 8, 1},
    {"greytiled.tif",
     "convert grey.pgm -define tiff:tile-geometry=16x16 -compress LZW greytiled.tif", ReadTiff, 8,
     0},
    {"mono.tif", "convert src.ppm -monochrome mono.tif", ReadTiff, 8, 0},  // 8-bit samples
    // Bilevel TIFF: every compression, both photometric conventions, both fill orders, tiles.
    {"g4white.tif", "pamthreshold grey.pgm | pamtotiff -g4 -miniswhite > g4white.tif", ReadTiff, 1,
     0},
    {"g4lsb.tif", "pamthreshold grey.pgm | pamtotiff -g4 -lsb2msb > g4lsb.tif", ReadTiff, 1, 0},
    {"g3lsb.tif", "pamthreshold grey.pgm | pamtotiff -g3 -2d -lsb2msb -miniswhite > g3lsb.tif",
     ReadTiff, 1, 0},
    {"rawwhite.tif", "pamthreshold grey.pgm | pamtotiff -none -miniswhite > rawwhite.tif", ReadTiff,
     1, 0},
    {"rawlsb.tif", "pamthreshold grey.pgm | pamtotiff -none -lsb2msb -minisblack > rawlsb.tif",
     ReadTiff, 1, 0},
    {"lzw1.tif", "pamthreshold grey.pgm | pamtotiff -lzw -minisblack > lzw1.tif", ReadTiff, 1, 0},
    {"pack1.tif", "pamthreshold grey.pgm | pamtotiff -packbits -miniswhite > pack1.tif", ReadTiff,
     1, 0},
    {"tiled1.tif",
     "convert src.ppm -monochrome -depth 1 -define tiff:tile-geometry=16x16 -compress Zip "
     "tiled1.tif",
     ReadTiff, 1, 0},
    {"netpbm1.tif", "pamthreshold grey.pgm | pamtotiff -g3 > netpbm1.tif", ReadTiff, 1, 0},
    {"pal.tif", "convert pal.ppm -type Palette pal.tif", ReadTiff, 0, 0},
    {"paltiled.tif", "convert pal.ppm -type Palette -define tiff:tile-geometry=16x16 paltiled.tif",
     ReadTiff, 0, 0},
    {"netpbm.tif", "pamtotiff -lzw src.ppm > netpbm.tif", ReadTiff, 24, 0},
    {"pal.gif", "convert pal.ppm pal.gif", ReadGif, 4, 0},
    {"inter.gif", "convert pal.ppm -interlace GIF inter.gif", ReadGif, 4, 0},
    {"many.gif", "convert src.ppm many.gif", ReadGif, 8, 0},
    {"trans.gif", "convert alphapal.pam trans.gif", ReadGif, 0, 0},
    {"netpbm.gif", "pamtogif pal.ppm > netpbm.gif", ReadGif, 4, 0},
    {"netpbminter.gif", "pamtogif -interlace pal.ppm > netpbminter.gif", ReadGif, 4, 0},
    {"netpbmpal.png", "pnmtopng pal.ppm > netpbmpal.png", ReadPng, 4, 0},
    {"netpbmpal.tif", "pamtotiff pal.ppm > netpbmpal.tif", ReadTiff, 0, 0},
};

class PictureInterop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTool("convert") || !HaveTool("pnmtopng"))
      GTEST_SKIP() << "ImageMagick or netpbm is missing";
    const Rgb src = Pattern(37, 21), pal = Pattern(37, 21, 12), two = Pattern(37, 21, 2);
    WritePnm(dir.file("src.ppm"), src);
    WritePnm(dir.file("pal.ppm"), pal);
    WritePnm(dir.file("two.ppm"), two);
    std::vector<uint8_t> alpha(37 * 21), binary(37 * 21);
    for (size_t i = 0; i < alpha.size(); ++i)
      alpha[i] = uint8_t(i * 7), binary[i] = (i % 5) ? 255 : 0;
    WritePnm(dir.file("alpha.pam"), src, alpha);
    WritePnm(dir.file("alphapal.pam"), pal, binary);
    ASSERT_TRUE(RunShell("cd " + dir.path().string() + " && ppmtopgm src.ppm > grey.pgm"));
  }
  bool Make(const std::string& command) {
    return RunShell("cd " + dir.path().string() + " && " + command);
  }
  TempDir dir;
};
}  // namespace

TEST_F(PictureInterop, FilesOfTheToolsDecodeToTheirPixels) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.file);
    if (!Make(v.command)) {
      ADD_FAILURE() << "the tool could not make " << v.file;
      continue;
    }
    const std::string path = dir.file(v.file);
    const std::vector<uint8_t> bytes = ReadBytes(path);
    OwnedDib dib;
    std::string error;
    ASSERT_TRUE(v.read(View(bytes), dib.dib, error)) << error;
    if (v.bits == 1) {  // bilevel pictures store 0 as black and 1 as white
      const RGBQUAD* t = dib.dib.Info->bmiColors;
      EXPECT_EQ(
          t[0].rgbRed + t[0].rgbGreen + t[0].rgbBlue + t[1].rgbRed + t[1].rgbGreen + t[1].rgbBlue,
          3 * 255);
      EXPECT_EQ(t[1].rgbRed & t[1].rgbGreen & t[1].rgbBlue, 255);
    }
    if (v.bits) {
      EXPECT_EQ(DibBitCount(dib.dib), v.bits);
    } else {
      EXPECT_LE(DibBitCount(dib.dib), 8);
    }
    const Rgb want = MagickPixels(path);
    ASSERT_GT(want.width, 0);
    EXPECT_LE(MaxDifference(PixelsOf(dib.dib), want), v.tolerance);
  }
}

TEST_F(PictureInterop, AdobeAndPlainCmykJpegsGiveTheSameColours) {
  ASSERT_TRUE(Make("convert src.ppm -colorspace CMYK cmyk.jpg"));
  const Rgb src = Pattern(37, 21);
  OwnedDib adobe, plain;
  std::string error;
  const std::vector<uint8_t> bytes = ReadBytes(dir.file("cmyk.jpg"));
  ASSERT_TRUE(ReadJpeg(View(bytes), adobe.dib, error)) << error;
  EXPECT_LE(MaxDifference(PixelsOf(adobe.dib), src), 24);
  // The same colours as plain (not inverted) inks, without the Adobe marker.
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buf = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buf, &size);
  cinfo.image_width = 37, cinfo.image_height = 21, cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, JCS_CMYK);
  cinfo.write_Adobe_marker = FALSE;
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(37 * 4);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 37; ++x)
      for (int k = 0; k < 3; ++k)
        row[size_t(x) * 4 + size_t(k)] =
            uint8_t(255 - src.pixels[size_t(y * 37 + x) * 3 + size_t(k)]);
    for (int x = 0; x < 37; ++x) row[size_t(x) * 4 + 3] = 0;
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  const ByteView view{buf, size};
  EXPECT_TRUE(ReadJpeg(view, plain.dib, error)) << error;
  std::free(buf);
  EXPECT_LE(MaxDifference(PixelsOf(plain.dib), src), 24);
}

TEST_F(PictureInterop, LocalColourTablesAreUsed) {
  std::vector<uint8_t> bytes;
  int err = 0;
  GifFileType* gif = EGifOpen(
      &bytes,
      [](GifFileType* g, const GifByteType* d, int n) {
        auto* out = static_cast<std::vector<uint8_t>*>(g->UserData);
        out->insert(out->end(), d, d + n);
        return n;
      },
      &err);
  ASSERT_NE(gif, nullptr);
  ColorMapObject* global = GifMakeMapObject(2, nullptr);
  ColorMapObject* local = GifMakeMapObject(4, nullptr);
  global->Colors[0] = {0, 0, 0}, global->Colors[1] = {255, 255, 255};
  for (int i = 0; i < 4; ++i) local->Colors[i] = GifColorType{uint8_t(i * 60), 10, 200};
  EGifPutScreenDesc(gif, 5, 3, 1, 0, global);
  EGifPutImageDesc(gif, 0, 0, 5, 3, false, local);
  for (int y = 0; y < 3; ++y) {
    GifPixelType line[5] = {0, 1, 2, 3, GifPixelType(y)};
    EGifPutLine(gif, line, 5);
  }
  EGifCloseFile(gif, &err);
  GifFreeMapObject(global);
  GifFreeMapObject(local);
  WriteBytes(dir.file("local.gif"), bytes);
  OwnedDib dib;
  std::string error;
  ASSERT_TRUE(ReadGif(View(bytes), dib.dib, error)) << error;
  EXPECT_EQ(DibBitCount(dib.dib), 4);
  EXPECT_EQ(MaxDifference(PixelsOf(dib.dib), MagickPixels(dir.file("local.gif"))), 0);
  EXPECT_EQ(dib.dib.Info->bmiColors[3].rgbRed, 180);
}

TEST_F(PictureInterop, ToolsReadBackWhatWeWrite) {
  struct Writer {
    const char* ext;
    PictureWriter write;
    const char* netpbm;  // netpbm's reader of the format
    int tolerance;
  };
  const Writer writers[] = {{"png", WritePng, "pngtopam", 0},
                            {"tif", WriteTiff, "tifftopnm", 0},
                            {"gif", WriteGif, "giftopnm", 0},
                            {"jpg", WriteJpeg, "jpegtopnm", 40}};
  const std::pair<int, bool> depths[] = {
      {1, false}, {4, false}, {8, false}, {8, true}, {24, false}};
  for (const Writer& w : writers)
    for (auto [bits, grey] : depths) {
      SCOPED_TRACE(std::string(w.ext) + " " + std::to_string(bits) + (grey ? " grey" : ""));
      OwnedDib src;
      MakeSample(src.dib, bits, 19, 11, grey);
      if (w.write == WriteGif && bits == 24) {
        FreeDib(src.dib);
        MakeSample(src.dib, 8, 19, 11);  // a true-colour GIF goes through the quantizer
      }
      if (w.write == WriteJpeg) {  // smooth content for a lossy format
        for (int y = 0; y < 11; ++y)
          for (int x = 0; x < 19; ++x)
            SetDibPixel(src.dib, x, y, bits == 24 ? 0x305070u + uint32_t(x) : uint32_t(x > 9));
      }
      std::vector<uint8_t> bytes;
      std::string error;
      ASSERT_TRUE(w.write(src.dib, bytes, error)) << error;
      const std::string path = dir.file(std::string("ours.") + w.ext);
      WriteBytes(path, bytes);
      const Rgb want = PixelsOf(src.dib);
      EXPECT_LE(MaxDifference(MagickPixels(path), want), w.tolerance);
      const std::string ppm = path + ".netpbm.ppm";
      ASSERT_TRUE(RunShell(std::string(w.netpbm) + " '" + path +
                           "' | pamtopnm | ppmtoppm | pamdepth 255 > '" + ppm + "'"));
      EXPECT_LE(MaxDifference(ReadPnm(ppm), want), w.tolerance);
    }
}
