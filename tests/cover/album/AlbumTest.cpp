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
using Lines = std::vector<std::string>;

// A white picture as a JPEG or PNG file.
void WritePicture(const std::string& path, int32_t w, int32_t h) {
  Dib dib;
  NewWhiteDib(dib, w, h);
  std::vector<uint8_t> bytes;
  std::string error;
  const bool png = std::filesystem::path(path).extension() == ".png";
  ASSERT_TRUE(png ? WritePng(dib, bytes, error) : WriteJpeg(dib, bytes, error)) << error;
  FreeDib(dib);
  WriteBytes(path, bytes);
}

// A tagged FLAC file with pictures embedded by metaflac ("TYPE|MIME||WxHxD|FILE" or a file).
void MakeFlac(const std::string& path, const Lines& pictures = {}) {
  MakeAudio(path, 1.0);
  TagAudio(path, {"Song", "Band", "The Album", "The Band", 1, 0});
  for (const std::string& p : pictures) {
    const std::string command =
        "timeout 30 metaflac '--import-picture-from=" + p + "' '" + path + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << p;
  }
}

std::string Name(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}
}  // namespace

TEST(AlbumArtTest, EmbeddedFrontCoversComeFirstThenTheLargestAndDamageIsReported) {
  TempDir dir, music, side, none;
  WritePicture(dir.file("small.jpg"), 40, 30);
  WritePicture(dir.file("large.jpg"), 80, 60);
  WritePicture(dir.file("back.png"), 200, 200);
  std::ofstream(dir.file("bad.bin")) << "not a picture";
  MakeFlac(music.file("1.flac"), {dir.file("small.jpg")});
  MakeFlac(music.file("2.flac"), {"4|image/png|||" + dir.file("back.png"), dir.file("large.jpg")});
  MakeFlac(music.file("3.flac"),
           {dir.file("small.jpg"), "3|image/jpeg||1x1x24|" + dir.file("bad.bin")});
  WritePicture(music.file("folder.jpg"), 300, 300);
  AlbumArt art;
  FindAlbumArt(music.path().string(), art);
  ASSERT_TRUE(art.found());
  EXPECT_EQ(art.kind(), ArtKind::FrontCover);
  EXPECT_EQ(Name(art.source()), "2.flac");
  EXPECT_EQ(DibWidth(art.dib()) * 1000 + DibHeight(art.dib()), 80060);
  ASSERT_EQ(art.problems().size(), 1u);
  EXPECT_EQ(art.problems()[0].rfind("3.flac: ", 0), 0u) << art.problems()[0];

  // Without embedded art the files beside the music count, also for a playlist; the largest wins.
  MakeFlac(side.file("1.flac"));
  WritePicture(side.file("folder.jpg"), 30, 20);
  AlbumArt only;
  FindAlbumArt(side.path().string(), only);
  EXPECT_EQ(only.kind(), ArtKind::SideFile);
  EXPECT_EQ(DibWidth(only.dib()), 30);
  WritePicture(side.file("Front.PNG"), 50, 50);
  std::ofstream(side.file("cover.jpg")) << "damaged";
  std::ofstream(side.file("list.m3u")) << "1.flac\n";
  AlbumArt beside;
  FindAlbumArt(side.file("list.m3u"), beside);
  EXPECT_EQ(Name(beside.source()), "Front.PNG");
  ASSERT_EQ(beside.problems().size(), 1u);
  EXPECT_EQ(beside.problems()[0].rfind("cover.jpg: ", 0), 0u);

  MakeFlac(none.file("1.flac"));
  AlbumArt nothing;
  FindAlbumArt(none.path().string(), nothing);
  EXPECT_FALSE(nothing.found());
  EXPECT_TRUE(nothing.problems().empty());
  for (const auto& [name, art] : {std::pair{"cover.jpg", true},
                                  {"FOLDER.JPEG", true},
                                  {"front.png", true},
                                  {"cover.gif", false},
                                  {"covers.jpg", false}})
    EXPECT_EQ(IsArtFileName(name), art) << name;
}

TEST(AlbumTextsTest, ColoursReadOverTheArtAndUnheldCharactersAreReplacedAndListed) {
  for (const auto& [bgr, text] : {std::pair{0x000000u, 0xFFFFFFu},
                                  {0x602020u, 0xFFFFFFu},
                                  {0xFFFFFFu, 0x000000u},
                                  {0x80E0F0u, 0x000000u}}) {
    const ReadableColors colors = ReadableColorsOver(bgr);
    EXPECT_EQ(colors.text, text) << std::hex << bgr;
    EXPECT_EQ(colors.shadow, text ^ 0xFFFFFF);
  }
  Dib black, white;
  NewDib(black, 90, 3, 8, nullptr, 0);  // every index 0 of a black palette
  NewWhiteDib(white, 90, 30);
  EXPECT_EQ(ReadableColorsOver(black).text, 0xFFFFFFu);
  EXPECT_EQ(ReadableColorsOver(white).text, 0x000000u);
  EXPECT_EQ(ReadableColorsOver(Dib{}).text, 0x000000u);
  for (int32_t y = 0; y < 30; ++y)  // dark above, light below: each band its own colours
    for (int32_t x = 0; x < 90; ++x) SetDibPixel(white, x, y, y < 15 ? 0x101010 : 0xF0F0F0);
  CoverScales scales;
  ObjectTable table(scales);
  RecordingDevice dc;
  TextMeasure measure(dc, FontSpec{});
  const std::vector<int> slots = PlaceFrontTexts(table, {"Album", "Band", {}, {}},
                                                 {0, 0, 120 * kMm, 120 * kMm}, {}, measure, &white);
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(table[slots[0]].Color, 0xFFFFFFu);
  EXPECT_EQ(table[slots[1]].Color, 0x000000u);
  FreeDib(black);
  FreeDib(white);

  TrackList list;
  list.album =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA";  // "Łódź"
  list.albumArtist = "Caf\xC3\xA9";
  list.tracks = {{0, 1, "One", "", 61000, ""}, {0, 2, "Tw\xC5\x8D", "", 59000, ""}};
  const AlbumTexts texts = MakeAlbumTexts(list, "%n. %t  %d");
  EXPECT_EQ(texts.album + "|" + texts.artist,
            "L\xF3"
            "dz|Caf\xE9");
  EXPECT_EQ(texts.trackLines, (Lines{"1. One  1:01", "2. Two  0:59", "Total time: 2:00"}));
  EXPECT_EQ(texts.unheld, (Lines{"\xC5\x81", "\xC5\xBA", "\xC5\x8D"}));
}

namespace {
class AlbumLayoutTest : public testing::Test {
 protected:
  CoverScales scales;
  ObjectTable table{scales};
  RecordingDevice dc;
  AlbumStyle style{FontSpec{}, {0x000000, 0xFFFFFF}};
  TextMeasure measure{dc, style.font};

  Lines LinesOf(const std::vector<int>& slots) {
    Lines all;
    for (int s : slots)
      for (const std::string& l : TextToLines(table[s].Text)) all.push_back(l);
    return all;
  }
  double Ch(int slot) const { return CharHeightUnits(table[slot].FontSize, scales); }
  // The object's box lies in the element and its letters are at least the legible size.
  void ExpectWithin(int slot, ElementBox e) const {
    const CoverObject& o = table[slot];
    EXPECT_TRUE(o.X >= e.x && o.Y >= e.y && o.W >= 0 && o.H >= 0 &&
                int64_t(o.X) + o.W <= int64_t(e.x) + e.w &&
                int64_t(o.Y) + o.H <= int64_t(e.y) + e.h)
        << o.Text;
    EXPECT_GE(Ch(slot) / kMm / 25.39995 * 72, kMinLegiblePt - 1e-6);
  }
};
}  // namespace

TEST_F(AlbumLayoutTest, TrackListsTakeColumnsAsTheyNeedAndStayLegibleWithinTheBack) {
  const ElementBox back{13 * kMm, 10 * kMm, 110 * kMm, 100 * kMm};
  const struct {
    int tracks;
    size_t titleLength;
    size_t minColumns, maxColumns;
  } cases[] = {{1, 1, 1, 1}, {12, 20, 1, 1}, {40, 30, 2, 4}, {40, 40, 2, 2}, {600, 40, 2, 8}};
  for (const auto& c : cases) {
    table.clearAll();
    Lines lines;
    for (int i = 1; i <= c.tracks; ++i)
      lines.push_back(std::to_string(i) + ". " + std::string(c.titleLength, 'x'));
    int leftOut = -1;
    const std::vector<int> slots = PlaceTrackList(table, lines, back, style, measure, &leftOut);
    ASSERT_GE(slots.size(), c.minColumns) << c.tracks;
    EXPECT_LE(slots.size(), c.maxColumns) << c.tracks;
    for (int s : slots) {
      ExpectWithin(s, back);
      EXPECT_LE(Ch(s) / kMm / 25.39995 * 72, kMaxTrackListPt + 1e-6);
      const Lines own = TextToLines(table[s].Text);
      for (const std::string& l : own) EXPECT_LE(measure.width(l, Ch(s)), table[s].W) << l;
      EXPECT_LE(measure.lineHeight(Ch(s)) * double(own.size()), table[s].H + 1.0);
    }
    if (c.tracks == 1) {
      EXPECT_GE(Ch(slots[0]) / kMm / 25.39995 * 72, kMaxTrackListPt - 1.5);
    }
    if (c.tracks < 600) {
      EXPECT_EQ(LinesOf(slots), lines);  // a 40-track album fits whole
      EXPECT_EQ(leftOut, 0);
    } else {
      EXPECT_GT(leftOut, 0);
      EXPECT_EQ(int(LinesOf(slots).size()) + leftOut, c.tracks);
    }
  }
}

TEST_F(AlbumLayoutTest, FrontSpinesAndDiscHoldAlbumAndArtistWithinTheirElements) {
  const ElementBox front{0, 0, 120 * kMm, 120 * kMm}, spine{0, 0, int32_t(6.5 * kMm), 118 * kMm},
      disc{200 * kMm, 0, 118 * kMm, 118 * kMm};
  const int32_t hole = 40 * kMm;
  for (const AlbumTexts& t : {AlbumTexts{"The Album", "The Band", {}, {}},
                              AlbumTexts{std::string(300, 'A'), "B", {}, {}}}) {
    const bool plain = t.album.size() < 300;
    table.clearAll();
    const std::vector<int> f = PlaceFrontTexts(table, t, front, style, measure);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_LT(table[f[0]].Y, table[f[1]].Y);  // album above artist
    for (int s : f) {
      ExpectWithin(s, front);
      EXPECT_TRUE(table[s].ShadowOn && uint32_t(table[s].FillOrShadow) == style.colors.shadow);
      EXPECT_LE(measure.width(table[s].Text, Ch(s)), table[s].W);
    }
    if (plain) {
      EXPECT_EQ(LinesOf(f), (Lines{"The Album", "The Band"}));
    }

    for (int rotation : {1, 3}) {
      const std::vector<int> s = PlaceSpineText(table, t, spine, rotation, style, measure);
      ASSERT_EQ(s.size(), 1u);
      const CoverObject& o = table[s[0]];
      EXPECT_EQ(o.Rotation, rotation);
      if (plain) {
        EXPECT_EQ(o.Text, "The Album - The Band");
      }
      // Across the spine the letters stand on the baseline: the ascent on one side of it, the
      // descent on the other.
      const double ch = Ch(s[0]), baseline = rotation == 1 ? o.X : double(o.X) + o.W;
      const double up = measure.ascent(ch), down = measure.descent(ch);
      EXPECT_GE(baseline - (rotation == 1 ? down : up), spine.x);
      EXPECT_LE(baseline + (rotation == 1 ? up : down), spine.x + spine.w);
      EXPECT_GE(o.H, measure.width(o.Text, ch));
      ExpectWithin(s[0], spine);
    }

    const std::vector<int> d = PlaceDiscTexts(table, t, disc, hole, style, measure);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(table.layout(d[0]).shape, TextShape::TopArc);
    EXPECT_EQ(table.layout(d[1]).shape, TextShape::BottomArc);
    for (int s : d) {
      ExpectWithin(s, disc);
      // The letters, one line height in from the box's inscribed circle, stay out of the hole.
      EXPECT_GE(table[s].W / 2.0 - measure.lineHeight(Ch(s)), hole / 2.0);
    }
    if (plain) {
      EXPECT_EQ(LinesOf(d), (Lines{"The Album", "The Band"}));
    }
  }
  // A back inlay: the list between the spines, the spine text on both.
  table.clearAll();
  const ElementBox back{0, 0, 151 * kMm, 118 * kMm};
  const AlbumTexts t2{"The Album", "The Band", {"1. One", "2. Two"}, {}};
  const std::vector<int> b = PlaceBackInlay(table, t2, back, spine.w, style, measure);
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(LinesOf(b),
            (Lines{"1. One", "2. Two", "The Album - The Band", "The Album - The Band"}));
  ExpectWithin(b[0], {spine.w, 0, back.w - 2 * spine.w, back.h});
  ExpectWithin(b[1], {0, 0, spine.w, back.h});
  ExpectWithin(b[2], {back.w - spine.w, 0, spine.w, back.h});
  // Elements too small for a legible line get none.
  const AlbumTexts t{"A", "B", {}, {}};
  const ElementBox tiny{0, 0, kMm, kMm};
  EXPECT_TRUE(PlaceFrontTexts(table, t, tiny, style, measure).empty());
  EXPECT_TRUE(PlaceSpineText(table, t, tiny, 1, style, measure).empty());
  EXPECT_TRUE(PlaceDiscTexts(table, t, tiny, 0, style, measure).empty());
  EXPECT_TRUE(PlaceTrackList(table, {"1. A"}, tiny, style, measure).empty());
  // The art covers the disc's element as a picture object.
  Dib dib;
  NewWhiteDib(dib, 64, 48);
  std::string error;
  const int slot = PlaceDiscArt(table, PicturePixels::Make(dib, {}, error), disc);
  ASSERT_TRUE(table.isPicture(slot)) << error;
  const CoverObject& o = table[slot];
  EXPECT_EQ((std::vector<int32_t>{o.X, o.Y, o.W, o.H}),
            (std::vector<int32_t>{disc.x, 0, disc.w, disc.h}));
  EXPECT_EQ(table.picture(slot).settings.fit, PictureFit::Cover);
  EXPECT_EQ(PlaceDiscArt(table, nullptr, disc), 0);
}
