// Our BMP, RLE, PCX, TGA and IFF code against ImageMagick and netpbm: files they write decode to
// the pixels they decode, and they read back what we write.
#include <gtest/gtest.h>

#include "tests/platform/codecs/PictureTestSupport.h"

namespace {

// Source pictures for the tools: true colour, 256, 16 and 2 colours, and one with alpha.
class Sources {
 public:
  explicit Sources(const TempDir& dir) : dir_(dir) {
    for (int bpp : {24, 8, 4, 1}) {
      OwnedDib d;
      MakeTestPicture(d.dib, bpp, 23, 11);
      WritePpm(path(bpp), Colours(d.dib));
    }
    std::string pam = "P7\nWIDTH 5\nHEIGHT 3\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::vector<uint8_t> bytes(pam.begin(), pam.end());
    for (int i = 0; i < 15; ++i) {
      const uint8_t alpha[] = {0, 255, 128, 64, 255};
      bytes.insert(bytes.end(),
                   {uint8_t(i * 17), uint8_t(200 - i * 9), uint8_t(i * 5), alpha[i % 5]});
    }
    WriteBytes(dir.file("alpha.pam"), bytes);
  }
  std::string path(int bpp) const { return dir_.file("src" + std::to_string(bpp) + ".ppm"); }

 private:
  const TempDir& dir_;
};

struct ToolFile {
  const char* make;       // writes $F from the sources ($S24, $S8, $S4, $S1, $A)
  const char* reference;  // decodes $F to $R as PNM
  PictureReader reader;
  int depth;  // our depth for the file, 0 when not fixed
  int tolerance;
};

// ImageMagick keeps the stored row order of TGA files unless asked to orient them.
constexpr const char* kMagickRef =
    "convert $F -auto-orient -background white -flatten -depth 8 ppm:$R";
constexpr const char* kMagickTgaRef =
    "convert tga:$F -auto-orient -background white -flatten -depth 8 ppm:$R";

const ToolFile kMagickFiles[] = {
    {"convert $S24 bmp3:$F", kMagickRef, ReadBmp, 24, 0},
    {"convert $S24 bmp:$F", kMagickRef, ReadBmp, 24, 0},
    {"convert $S24 bmp2:$F", kMagickRef, ReadBmp, 24, 0},
    {"convert $S8 -type Palette bmp3:$F", kMagickRef, ReadBmp, 8, 0},  // RLE8
    {"convert $S8 -type Palette -compress None bmp3:$F", kMagickRef, ReadBmp, 8, 0},
    {"convert $S4 -type Palette bmp3:$F", kMagickRef, ReadBmp, 4, 0},
    {"convert $S24 -type Bilevel bmp3:$F", kMagickRef, ReadBmp, 1, 0},
    {"convert $S24 -define bmp:subtype=RGB565 bmp:$F", kMagickRef, ReadBmp, 24, 1},
    {"convert $A bmp:$F", kMagickRef, ReadBmp, 24, 1},
    {"convert $S24 tga:$F", kMagickTgaRef, ReadTga, 24, 0},
    {"convert $S24 -compress RLE tga:$F", kMagickTgaRef, ReadTga, 24, 0},
    {"convert $S8 -type Palette tga:$F", kMagickTgaRef, ReadTga, 8, 0},
    {"convert $S8 -type Palette -compress RLE tga:$F", kMagickTgaRef, ReadTga, 8, 0},
    {"convert $S24 -type Grayscale tga:$F", kMagickTgaRef, ReadTga, 8, 0},
    {"convert $S24 -type Grayscale -compress RLE tga:$F", kMagickTgaRef, ReadTga, 8, 0},
    {"convert $A tga:$F", kMagickTgaRef, ReadTga, 24, 1},
    {"convert $S24 pcx:$F", kMagickRef, ReadPcx, 24, 0},
    {"convert $S8 -type Palette pcx:$F", kMagickRef, ReadPcx, 8, 0},
    {"convert $S24 -type Bilevel pcx:$F", kMagickRef, ReadPcx, 0, 0},  // written as 3 planes
};

const ToolFile kNetpbmFiles[] = {
    {"ppmtobmp -bpp=24 $S24 >$F", "bmptopnm $F >$R", ReadBmp, 24, 0},
    {"ppmtobmp $S8 >$F", "bmptopnm $F >$R", ReadBmp, 8, 0},
    {"ppmtobmp -bpp=4 $S4 >$F", "bmptopnm $F >$R", ReadBmp, 4, 0},
    {"ppmtobmp -bpp=1 $S1 >$F", "bmptopnm $F >$R", ReadBmp, 1, 0},
    {"ppmtobmp -os2 $S8 >$F", "bmptopnm $F >$R", ReadBmp, 8, 0},
    {"ppmtobmp -os2 -bpp=4 $S4 >$F", "bmptopnm $F >$R", ReadBmp, 4, 0},
    {"ppmtopcx -24bit $S24 >$F", "pcxtoppm $F >$R", ReadPcx, 24, 0},
    {"ppmtopcx -8bit $S8 >$F", "pcxtoppm $F >$R", ReadPcx, 8, 0},
    {"ppmtopcx $S4 >$F", "pcxtoppm $F >$R", ReadPcx, 4, 0},
    {"ppmtopcx -packed $S4 >$F", "pcxtoppm $F >$R", ReadPcx, 4, 0},
    {"ppmtopcx $S1 >$F", "pcxtoppm $F >$R", ReadPcx, 1, 0},
    {"pamtotga -cmap $S8 >$F", "tgatoppm $F >$R", ReadTga, 8, 0},
    {"pamtotga -cmap -norle $S4 >$F", "tgatoppm $F >$R", ReadTga, 8, 0},
    {"pamtotga -rgb $S24 >$F", "tgatoppm $F >$R", ReadTga, 24, 0},
    {"pamtotga -rgb -norle $S24 >$F", "tgatoppm $F >$R", ReadTga, 24, 0},
    {"ppmtopgm $S24 | pamtotga -mono >$F", "tgatoppm $F >$R", ReadTga, 8, 0},
    {"ppmtoilbm $S4 >$F", "ilbmtoppm $F >$R", ReadIff, 4, 0},
    {"ppmtoilbm -nocompress $S1 >$F", "ilbmtoppm $F >$R", ReadIff, 1, 0},
    {"ppmtoilbm -maxplanes 8 $S8 >$F", "ilbmtoppm $F >$R", ReadIff, 8, 0},
    {"ppmtoilbm -24force $S24 >$F", "ilbmtoppm $F >$R", ReadIff, 24, 0},
    {"ppmtoilbm -ham6 $S24 >$F", "ilbmtoppm $F >$R", ReadIff, 24, 0},
    {"ppmtoilbm -ham8 $S24 >$F", "ilbmtoppm $F >$R", ReadIff, 24, 0},
};

std::string Expand(std::string text, const TempDir& dir, const Sources& src) {
  const std::pair<std::string, std::string> names[] = {
      {"$S24", src.path(24)},     {"$S8", src.path(8)},          {"$S4", src.path(4)},
      {"$S1", src.path(1)},       {"$A", dir.file("alpha.pam")}, {"$F", dir.file("tool.pic")},
      {"$R", dir.file("ref.pnm")}};
  for (const auto& [key, value] : names)
    for (size_t at; (at = text.find(key)) != std::string::npos;)
      text.replace(at, key.size(), "'" + value + "'");
  return text;
}

void CheckToolFiles(const ToolFile* files, size_t count, const char* tool) {
  if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
  TempDir dir;
  const Sources src(dir);
  for (size_t i = 0; i < count; ++i) {
    const ToolFile& t = files[i];
    SCOPED_TRACE(t.make);
    ASSERT_TRUE(Run(Expand(t.make, dir, src)));
    ASSERT_TRUE(Run(Expand(t.reference, dir, src)));
    RgbPicture want;
    ASSERT_TRUE(ReadPnm(dir.file("ref.pnm"), want));
    OwnedDib d;
    std::string error;
    ASSERT_TRUE(ReadFile(t.reader, dir.file("tool.pic"), d.dib, error)) << error;
    if (t.depth) {
      EXPECT_EQ(DibBitCount(d.dib), t.depth);
    }
    EXPECT_TRUE(SamePixels(Colours(d.dib), want, t.tolerance));
  }
}

TEST(OwnFormatsInterop, FilesWrittenByImageMagickDecodeAlike) {
  CheckToolFiles(kMagickFiles, std::size(kMagickFiles), "convert");
}

TEST(OwnFormatsInterop, FilesWrittenByNetpbmDecodeAlike) {
  CheckToolFiles(kNetpbmFiles, std::size(kNetpbmFiles), "ppmtobmp");
}

struct OurFormat {
  const char* prefix;  // ImageMagick's name for the format, or null when it has none
  const char* netpbm;  // netpbm's reader
  PictureWriter writer;
};

const OurFormat kOurFormats[] = {{"bmp", "bmptopnm", WriteBmp},
                                 {"bmp", "bmptopnm", WriteRle},
                                 {"pcx", "pcxtoppm", WritePcx},
                                 {"tga", "tgatoppm", WriteTga},
                                 {nullptr, "ilbmtoppm", WriteIff}};

void CheckToolsReadOurFiles(bool magick) {
  if (!HaveTool(magick ? "convert" : "bmptopnm")) GTEST_SKIP() << "the tool is not installed";
  TempDir dir;
  for (const OurFormat& f : kOurFormats) {
    if (magick && !f.prefix) continue;
    for (int bpp : {1, 4, 8, 24}) {
      SCOPED_TRACE(std::string(magick ? f.prefix : f.netpbm) + " " + std::to_string(bpp) +
                   (f.writer == WriteRle ? " rle" : ""));
      OwnedDib src, reduced;
      MakeTestPicture(src.dib, bpp, 23, 11);
      std::vector<uint8_t> bytes;
      std::string error;
      ASSERT_TRUE(f.writer(src.dib, bytes, error)) << error;
      const std::string file = dir.file("ours.pic"), ref = dir.file("ref.pnm");
      WriteBytes(file, bytes);
      const std::string command = magick ? "convert " + std::string(f.prefix) + ":'" + file +
                                               "' -auto-orient -depth 8 ppm:'" + ref + "'"
                                         : std::string(f.netpbm) + " '" + file + "' >'" + ref + "'";
      ASSERT_TRUE(Run(command));
      RgbPicture seen;
      ASSERT_TRUE(ReadPnm(ref, seen));
      if (f.writer == WriteRle && bpp == 24) {
        ASSERT_TRUE(ReduceTo8Bits(src.dib, reduced.dib));
      }
      EXPECT_TRUE(SamePixels(seen, Colours(reduced.dib.Bits ? reduced.dib : src.dib)));
    }
  }
}

TEST(OwnFormatsInterop, ImageMagickReadsWhatWeWrite) {
  CheckToolsReadOurFiles(true);
}
TEST(OwnFormatsInterop, NetpbmReadsWhatWeWrite) {
  CheckToolsReadOurFiles(false);
}

}  // namespace
