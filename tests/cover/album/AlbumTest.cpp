#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cover/album/AlbumArt.h"
#include "cover/album/AlbumLayout.h"
#include "cover/text/TextLines.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/device/RecordingDevice.h"
#include "tests/cover/tracks/AudioSamples.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int32_t kMm = 200000;

// A picture of one colour (0x00RRGGBB) as a JPEG or PNG file.
void WritePicture(const std::string& path, int32_t w, int32_t h, uint32_t rgb) {
  Dib dib;
  NewDib(dib, w, h, 24, nullptr, 0);
  ASSERT_TRUE(dib.Bits);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) SetDibPixel(dib, x, y, rgb);
  std::vector<uint8_t> bytes;
  std::string error;
  const bool png = std::filesystem::path(path).extension() == ".png";
  ASSERT_TRUE(png ? WritePng(dib, bytes, error) : WriteJpeg(dib, bytes, error)) << error;
  FreeDib(dib);
  WriteBytes(path, bytes);
}

// A tagged FLAC file with pictures embedded by metaflac ("TYPE|MIME||WxHxD|FILE" or a file).
void MakeFlac(const std::string& path, const std::vector<std::string>& pictures) {
  MakeAudio(path, 1.0);
  TagAudio(path, {"Song", "Band", "The Album", "The Band", 1, 0});
  for (const std::string& p : pictures)
    ASSERT_EQ(std::system(("timeout 30 metaflac '--import-picture-from=" + p + "' '" + path +
                           "' >/dev/null 2>&1")
                              .c_str()),
              0)
        << p;
}
}  // namespace

TEST(AlbumArtTest, EmbeddedFrontCoversComeFirstThenTheLargestAndDamageIsReported) {
  TempDir dir;
  WritePicture(dir.file("small.jpg"), 40, 30, 0xFF0000);
  WritePicture(dir.file("large.jpg"), 80, 60, 0x00FF00);
  WritePicture(dir.file("back.png"), 200, 200, 0x0000FF);
  std::ofstream(dir.file("bad.bin")) << "not a picture";
  TempDir music;
  MakeFlac(music.file("1.flac"), {dir.file("small.jpg")});
  MakeFlac(music.file("2.flac"), {"4|image/png|||" + dir.file("back.png"), dir.file("large.jpg")});
  MakeFlac(music.file("3.flac"),
           {dir.file("small.jpg"), "3|image/jpeg||1x1x24|" + dir.file("bad.bin")});
  WritePicture(music.file("folder.jpg"), 300, 300, 0xFFFFFF);
  AlbumArt art;
  FindAlbumArt(music.path().string(), art);
  ASSERT_TRUE(art.found());
  EXPECT_EQ(art.kind(), ArtKind::FrontCover);
  EXPECT_EQ(std::filesystem::path(art.source()).filename(), "2.flac");
  EXPECT_EQ(DibWidth(art.dib()), 80);
  EXPECT_EQ(DibHeight(art.dib()), 60);
  ASSERT_EQ(art.problems().size(), 1u);  // the same damaged picture would be reported once
  EXPECT_EQ(art.problems()[0].rfind("3.flac: ", 0), 0u) << art.problems()[0];

  // Without embedded art the files beside the music count; the largest wins.
  TempDir side;
  MakeFlac(side.file("1.flac"), {});
  WritePicture(side.file("folder.jpg"), 30, 20, 0x808080);
  AlbumArt only;
  FindAlbumArt(side.path().string(), only);
  ASSERT_TRUE(only.found());
  EXPECT_EQ(only.kind(), ArtKind::SideFile);
  EXPECT_EQ(DibWidth(only.dib()), 30);
  WritePicture(side.file("Front.PNG"), 50, 50, 0x808080);
  std::ofstream(side.file("cover.jpg")) << "damaged";
  const std::string playlist = side.file("list.m3u");
  std::ofstream(playlist) << "1.flac\n";
  AlbumArt beside;
  FindAlbumArt(playlist, beside);
  ASSERT_TRUE(beside.found());
  EXPECT_EQ(std::filesystem::path(beside.source()).filename(), "Front.PNG");
  ASSERT_EQ(beside.problems().size(), 1u);
  EXPECT_EQ(beside.problems()[0].rfind("cover.jpg: ", 0), 0u);

  TempDir none;
  MakeFlac(none.file("1.flac"), {});
  AlbumArt nothing;
  FindAlbumArt(none.path().string(), nothing);
  EXPECT_FALSE(nothing.found());
  EXPECT_TRUE(nothing.problems().empty());
  for (const char* name : {"cover.jpg", "FOLDER.JPEG", "front.png"})
    EXPECT_TRUE(IsArtFileName(name));
  for (const char* name : {"cover.gif", "back.jpg", "folder", "covers.jpg"})
    EXPECT_FALSE(IsArtFileName(name)) << name;
}

TEST(AlbumTextsTest, ColoursReadOverTheArtAndUnheldCharactersAreReplacedAndListed) {
  const struct {
    uint32_t rgb;
    uint32_t text;
  } cases[] = {
      {0x000000, 0xFFFFFF}, {0x202060, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0xF0E080, 0x000000}};
  for (const auto& c : cases) {
    Dib dib;
    NewDib(dib, 100, 3, 24, nullptr, 0);
    for (int32_t x = 0; x < 100; ++x)
      for (int32_t y = 0; y < 3; ++y) SetDibPixel(dib, x, y, c.rgb);
    const ReadableColors colors = ReadableColorsOver(dib);
    EXPECT_EQ(colors.text, c.text) << std::hex << c.rgb;
    EXPECT_EQ(colors.shadow, c.text ^ 0xFFFFFF);
    FreeDib(dib);
  }
  EXPECT_EQ(ReadableColorsOver(Dib{}).text, 0x000000u);
  EXPECT_EQ(ReadableColorsOver(uint32_t(0x400000)).text, 0xFFFFFFu);

  TrackList list;
  list.album =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA";  // "Łódź"
  list.albumArtist = "Caf\xC3\xA9";
  list.tracks = {{0, 1, "One", "", 61000, ""}, {0, 2, "Tw\xC5\x8D", "", 59000, ""}};
  const AlbumTexts texts = MakeAlbumTexts(list, "%n. %t  %d");
  EXPECT_EQ(texts.album,
            "L\xF3"
            "dz");
  EXPECT_EQ(texts.artist, "Caf\xE9");
  EXPECT_EQ(texts.trackLines,
            (std::vector<std::string>{"1. One  1:01", "2. Two  0:59", "Total time: 2:00"}));
  EXPECT_EQ(texts.unheld, (std::vector<std::string>{"\xC5\x81", "\xC5\xBA", "\xC5\x8D"}));
}

namespace {
struct Within {
  ElementBox e;
  bool operator()(int32_t x, int32_t y, int32_t w, int32_t h) const {
    return x >= e.x && y >= e.y && w >= 0 && h >= 0 && int64_t(x) + w <= int64_t(e.x) + e.w &&
           int64_t(y) + h <= int64_t(e.y) + e.h;
  }
};

class AlbumLayoutTest : public testing::Test {
 protected:
  CoverScales scales;
  ObjectTable table{scales};
  RecordingDevice dc;
  AlbumStyle style{FontSpec{}, {0x000000, 0xFFFFFF}};
  TextMeasure measure{dc, style.font};

  // Every text of the slots, their lines in order.
  std::vector<std::string> Lines(const std::vector<int>& slots) {
    std::vector<std::string> all;
    for (int s : slots)
      for (const std::string& l : TextToLines(table[s].Text)) all.push_back(l);
    return all;
  }
  double Pt(int slot) const {
    return CharHeightUnits(table[slot].FontSize, scales) / kMm / 25.39995 * 72;
  }
};
}  // namespace

TEST_F(AlbumLayoutTest, TrackListsTakeColumnsAsTheyNeedAndStayLegibleWithinTheBack) {
  const ElementBox back{13 * kMm, 10 * kMm, 110 * kMm, 100 * kMm};
  const struct {
    int tracks;
    size_t titleLength;
    int minColumns, maxColumns;
    bool allFit;
  } cases[] = {
      {12, 20, 1, 1, true}, {40, 30, 2, 4, true}, {40, 40, 2, 2, true}, {600, 40, 2, 8, false}};
  for (const auto& c : cases) {
    table.clearAll();
    std::vector<std::string> lines;
    for (int i = 1; i <= c.tracks; ++i)
      lines.push_back(std::to_string(i) + ". " + std::string(c.titleLength, 'x'));
    int leftOut = -1;
    const std::vector<int> slots = PlaceTrackList(table, lines, back, style, measure, &leftOut);
    ASSERT_GE(int(slots.size()), c.minColumns) << c.tracks;
    EXPECT_LE(int(slots.size()), c.maxColumns) << c.tracks;
    for (int s : slots) {
      const CoverObject& o = table[s];
      EXPECT_TRUE(Within{back}(o.X, o.Y, o.W, o.H)) << c.tracks;
      EXPECT_GE(Pt(s), kMinLegiblePt - 1e-6);
      EXPECT_LE(Pt(s), kMaxTrackListPt + 1e-6);
      for (const std::string& l : TextToLines(o.Text)) {
        const double ch = CharHeightUnits(o.FontSize, scales);
        EXPECT_LE(measure.width(l, ch), o.W) << l;
      }
      EXPECT_LE(measure.lineHeight(CharHeightUnits(o.FontSize, scales)) *
                    double(TextToLines(o.Text).size()),
                o.H + 1.0);
    }
    if (c.allFit) {
      EXPECT_EQ(Lines(slots), lines);
      EXPECT_EQ(leftOut, 0);
    } else {
      EXPECT_GT(leftOut, 0);
      EXPECT_EQ(int(Lines(slots).size()) + leftOut, c.tracks);
    }
  }
  table.clearAll();
  const std::vector<int> few = PlaceTrackList(table, {"1. A"}, back, style, measure);
  ASSERT_EQ(few.size(), 1u);
  EXPECT_GE(Pt(few[0]), kMaxTrackListPt - 1.5);  // a short list keeps the largest size
}

TEST_F(AlbumLayoutTest, FrontSpinesAndDiscHoldAlbumAndArtistWithinTheirElements) {
  const AlbumTexts texts{"The Album", "The Band", {}, {}};
  const AlbumTexts longTexts{std::string(300, 'A'), "B", {}, {}};
  for (const AlbumTexts* t : {&texts, &longTexts}) {
    table.clearAll();
    const ElementBox front{0, 0, 120 * kMm, 120 * kMm};
    const std::vector<int> f = PlaceFrontTexts(table, *t, front, style, measure);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_LT(table[f[0]].Y, table[f[1]].Y);  // album above artist
    for (int s : f) {
      const CoverObject& o = table[s];
      EXPECT_TRUE(Within{front}(o.X, o.Y, o.W, o.H));
      EXPECT_TRUE(o.ShadowOn);
      EXPECT_EQ(uint32_t(o.FillOrShadow), style.colors.shadow);
      EXPECT_GE(Pt(s), kMinLegiblePt - 1e-6);
      EXPECT_LE(measure.width(o.Text, CharHeightUnits(o.FontSize, scales)), o.W);
    }
    if (t == &texts) {
      EXPECT_EQ(Lines(f), (std::vector<std::string>{"The Album", "The Band"}));
    }

    const ElementBox spine{0, 0, int32_t(6.5 * kMm), 118 * kMm};
    for (int rotation : {1, 3}) {
      const std::vector<int> s = PlaceSpineText(table, *t, spine, rotation, style, measure);
      ASSERT_EQ(s.size(), 1u);
      const CoverObject& o = table[s[0]];
      EXPECT_EQ(o.Rotation, rotation);
      if (t == &texts) {
        EXPECT_EQ(o.Text, "The Album - The Band");
      }
      // The letters' band across the spine: from the baseline, ascent on one side, descent on
      // the other.
      const double ch = CharHeightUnits(o.FontSize, scales);
      const double baseline = rotation == 1 ? o.X : double(o.X) + o.W;
      const double lo =
          rotation == 1 ? baseline - measure.descent(ch) : baseline - measure.ascent(ch);
      const double hi =
          rotation == 1 ? baseline + measure.ascent(ch) : baseline + measure.descent(ch);
      EXPECT_GE(lo, spine.x);
      EXPECT_LE(hi, spine.x + spine.w);
      EXPECT_TRUE(Within{spine}(o.X, o.Y, o.W, o.H));
      EXPECT_GE(o.H, measure.width(o.Text, ch));
      EXPECT_GE(Pt(s[0]), kMinLegiblePt - 1e-6);
    }

    const ElementBox disc{200 * kMm, 0, 118 * kMm, 118 * kMm};
    const int32_t hole = 40 * kMm;
    const std::vector<int> d = PlaceDiscTexts(table, *t, disc, hole, style, measure);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(table.layout(d[0]).shape, TextShape::TopArc);
    EXPECT_EQ(table.layout(d[1]).shape, TextShape::BottomArc);
    for (int s : d) {
      const CoverObject& o = table[s];
      EXPECT_TRUE(Within{disc}(o.X, o.Y, o.W, o.H));
      // The letters, one line height in from the box's inscribed circle, stay out of the hole.
      EXPECT_GE(o.W / 2.0 - measure.lineHeight(CharHeightUnits(o.FontSize, scales)), hole / 2.0);
      EXPECT_GE(Pt(s), kMinLegiblePt - 1e-6);
    }
    if (t == &texts) {
      EXPECT_EQ(Lines(d), (std::vector<std::string>{"The Album", "The Band"}));
    }
  }
}

TEST_F(AlbumLayoutTest, TheDiscGetsTheArtAsAPictureObjectCoveringItsElement) {
  Dib dib;
  NewDib(dib, 64, 48, 24, nullptr, 0);
  std::string error;
  const auto pixels = PicturePixels::Make(dib, {}, error);
  ASSERT_TRUE(pixels) << error;
  const ElementBox disc{5 * kMm, 6 * kMm, 118 * kMm, 118 * kMm};
  const int slot = PlaceDiscArt(table, pixels, disc);
  ASSERT_TRUE(table.isPicture(slot));
  const CoverObject& o = table[slot];
  EXPECT_EQ((std::vector<int32_t>{o.X, o.Y, o.W, o.H}),
            (std::vector<int32_t>{disc.x, disc.y, disc.w, disc.h}));
  EXPECT_EQ(table.picture(slot).settings.fit, PictureFit::Cover);
  EXPECT_EQ(PlaceDiscArt(table, nullptr, disc), 0);
}
