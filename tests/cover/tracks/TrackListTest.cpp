#include <gtest/gtest.h>

#include "cover/text/CoverText.h"
#include "cover/text/TextLines.h"
#include "cover/tracks/CueSheet.h"
#include "cover/tracks/Playlist.h"
#include "cover/tracks/TrackList.h"
#include "cover/tracks/TrackTexts.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
using Lines = std::vector<std::string>;

Track T(int disc, int number, const std::string& title, int64_t ms = -1,
        const std::string& file = "") {
  Track t;
  t.disc = disc;
  t.number = number;
  t.title = title;
  t.artist = "Art";
  t.lengthMs = ms;
  t.sortName = file.empty() ? title : file;
  return t;
}

Lines Titles(const std::vector<Track>& tracks) {
  Lines out;
  for (const Track& t : tracks)
    out.push_back(std::to_string(t.disc) + "/" + std::to_string(t.number) + " " + t.title);
  return out;
}
}  // namespace

TEST(TrackListTest, LengthsAreRoundedToTheSecondWithHoursFromOneHourOn) {
  const std::pair<int64_t, const char*> cases[] = {{-1, ""},
                                                   {0, "0:00"},
                                                   {499, "0:00"},
                                                   {500, "0:01"},
                                                   {59'499, "0:59"},
                                                   {59'500, "1:00"},
                                                   {754'000, "12:34"},
                                                   {3'599'499, "59:59"},
                                                   {3'599'500, "1:00:00"},
                                                   {3'723'000, "1:02:03"},
                                                   {36'000'000, "10:00:00"}};
  for (const auto& [ms, text] : cases) EXPECT_EQ(FormatLength(ms), text) << ms;
}

TEST(TrackListTest, PatternFieldsAndPercentSigns) {
  Track t = T(1, 7, "Song", 185'000);
  t.artist = "Band";
  const std::pair<const char*, const char*> cases[] = {
      {kDefaultTrackPattern, "7. Song - Band  3:05"},
      {"%N %t (%d)", "07 Song (3:05)"},
      {"100%% %a", "100% Band"},
      {"%x%", "%x%"},
      {"", ""}};
  for (const auto& [pattern, line] : cases) EXPECT_EQ(FormatTrack(t, pattern), line) << pattern;
  t.number = 123;
  EXPECT_EQ(FormatTrack(t, "%N"), "123");
}

TEST(TrackListTest, SortsByDiscAndNumberThenNamesAndNumbersTheRestByPosition) {
  std::vector<Track> tracks = {T(2, 1, "d2t1"),
                               T(0, 0, "b-untagged", -1, "b10.flac"),
                               T(1, 10, "d1t10"),
                               T(1, 2, "d1t2"),
                               T(0, 0, "a-untagged", -1, "b9.flac"),
                               T(0, 1, "d0t1"),
                               T(0, 0, "c-untagged", -1, "b09.flac")};
  SortTracks(tracks);
  EXPECT_EQ(Titles(tracks), (Lines{"0/1 d0t1", "1/2 d1t2", "1/10 d1t10", "0/4 a-untagged",
                                   "0/5 c-untagged", "0/6 b-untagged", "2/1 d2t1"}));
}

TEST(TrackListTest, DiscLinesOnlyWithSeveralDiscsAndTotalOfKnownLengths) {
  TrackList list;
  list.tracks = {T(1, 1, "a", 61'000), T(1, 2, "b", 59'400)};
  EXPECT_EQ(TrackLines(list, "%n %t"), (Lines{"1 a", "2 b"}));
  list.tracks.push_back(T(2, 1, "c"));
  EXPECT_EQ(TrackLines(list, "%n %t %d"),
            (Lines{"Disc 1", "1 a 1:01", "2 b 0:59", "Disc 2", "1 c "}));
  int unknown = 0;
  EXPECT_EQ(TotalLengthMs(list, &unknown), 120'400);
  EXPECT_EQ(unknown, 1);
  EXPECT_EQ(FormatLength(TotalLengthMs(list)), "2:00");
  list.album = "Album";
  EXPECT_EQ(TitleLines(list), (Lines{"Album"}));
  list.albumArtist = "Someone";
  EXPECT_EQ(TitleLines(list), (Lines{"Album", "Someone"}));
}

TEST(CueSheetTest, ReadsTitlesPerformersDiscAndIndexTimes) {
  const std::string text =
      "REM DISCNUMBER 2\r\nPERFORMER \"The Band\"\r\nTITLE \"Live Album\"\r\n"
      "FILE \"disc.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE \"Opening\"\r\n    INDEX 01 "
      "00:00:00\r\n"
      "  TRACK 02 AUDIO\r\n    TITLE \"Second One\"\r\n    PERFORMER Guest\r\n"
      "    INDEX 00 03:10:00\r\n    INDEX 01 03:12:37\r\n"
      "FILE other.wav WAVE\n  TRACK 03 AUDIO\n    INDEX 01 61:02:74\n";
  CueSheet sheet;
  std::string error;
  ASSERT_TRUE(ParseCueSheet(text, sheet, error)) << error;
  EXPECT_EQ(sheet.title, "Live Album");
  EXPECT_EQ(sheet.performer, "The Band");
  EXPECT_EQ(sheet.disc, 2);
  EXPECT_EQ(sheet.files, (Lines{"disc.wav", "other.wav"}));
  ASSERT_EQ(sheet.tracks.size(), 3u);
  EXPECT_EQ(sheet.tracks[0].performer, "The Band");
  EXPECT_EQ(sheet.tracks[1].performer, "Guest");
  EXPECT_EQ(sheet.tracks[1].startMs, 192'493);  // 37 frames of 1/75 s
  EXPECT_EQ(sheet.tracks[2].startMs, 3'662'986);
  EXPECT_EQ(sheet.tracks[2].file, 1u);
}

TEST(CueSheetTest, DamagedSheetsAreRejectedWithTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"TRACK 01 AUDIO\n", "line 1: TRACK before any FILE"},
      {"FILE a.wav WAVE\nTRACK xx AUDIO\n", "line 2: TRACK without a number"},
      {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:60:00\n",
       "line 3: INDEX needs a number and a time mm:ss:ff"},
      {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:75\n",
       "line 3: INDEX needs a number and a time mm:ss:ff"},
      {"FILE a.wav WAVE\nINDEX 01 00:00:00\n", "line 2: INDEX outside a TRACK"},
      {"FILE a.wav WAVE\nTRACK 01 AUDIO\n", "track 1 has no INDEX 01"},
      {"TITLE \"unterminated\nPERFORMER x\n", "no TRACK"},
      {"", "no TRACK"}};
  for (const auto& [text, message] : cases) {
    CueSheet sheet;
    std::string error;
    EXPECT_FALSE(ParseCueSheet(text, sheet, error)) << text;
    EXPECT_EQ(error, message) << text;
  }
  std::string many = "FILE a.wav WAVE\n";
  for (int i = 0; i < 1000; ++i) many += "TRACK 01 AUDIO\nINDEX 01 00:00:00\n";
  CueSheet sheet;
  std::string error;
  EXPECT_FALSE(ParseCueSheet(many, sheet, error));
  EXPECT_EQ(error, "line 2000: more than 999 tracks");
}

TEST(PlaylistTest, ResolvesRelativeEntriesAndSkipsComments) {
  const std::string text =
      "#EXTM3U\r\n#EXTINF:123,Band - Song\r\nsong.mp3\r\n\r\n  sub\\dir\\b.flac  \r\n"
      "../up.ogg\r\n/abs/c.opus\r\nfile:///abs/with%20blank.wav\r\n";
  EXPECT_EQ(ParsePlaylist(text, "/music/list"),
            (Lines{"/music/list/song.mp3", "/music/list/sub/dir/b.flac", "/music/up.ogg",
                   "/abs/c.opus", "/abs/with blank.wav"}));
}

TEST(CoverTextTest, KeepsWindowsCharactersAndReplacesOthersByTheNearestLetter) {
  const std::tuple<const char*, const char*, Lines> cases[] = {
      {"Caf\xC3\xA9 \xE2\x82\xAC 5?", "Caf\xE9 \x80 5?", {}},
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "L\xF3"
       "dz",
       {"\xC5\x81", "\xC5\xBA"}},
      {"Pr\xC3\xADli\xC5\xA1 \xC5\x91s\xE2\x80\x90\xE1\xBA\xA1",
       "Pr\xEDli\x9A os-a",
       {"\xC5\x91", "\xE2\x80\x90", "\xE1\xBA\xA1"}},
      {"\xE6\x97\xA5\xE6\x97\xA5!",
       "?"
       "?!",
       {"\xE6\x97\xA5"}},
      {"bad\xFF", "bad?", {"\xFF"}}};
  for (const auto& [utf8, cover, unheld] : cases) {
    EXPECT_EQ(ToCoverText(utf8), cover) << utf8;
    EXPECT_EQ(UnheldCharacters(utf8), unheld) << utf8;
  }
}

TEST(TrackTextsTest, PlacesBlocksDownFromTheViewPointWithTheFont) {
  CoverScales scales;
  scales.ViewScale = scales.BaseScale / 2;  // zoomed in twice
  ObjectTable table(scales);
  table[1].Kind = kShape;
  table[2].Rotation = 3;  // a deleted text's rotation stays, as for any new text
  FontSpec font;
  font.name = "Liberation Serif";
  font.size = 14;
  const auto slots = PlaceTextBlocks(
      table, 40, 60, {{{"Album", "Artist"}, 100, 30}, {{"1. a", "2. b"}, 80.5, 40}}, font);
  ASSERT_EQ(slots, (std::vector<int>{2, 3}));
  const CoverObject& title = table[2];
  const CoverObject& list = table[3];
  EXPECT_EQ(title.Kind, kText);
  EXPECT_EQ(title.SubKind, 0);
  EXPECT_EQ(title.Text, "Album\rArtist");
  EXPECT_EQ(title.X, int32_t(20 * scales.BaseScale));
  EXPECT_EQ(title.Y, int32_t(30 * scales.BaseScale));
  EXPECT_EQ(title.W, int32_t(100 * scales.BaseScale));
  EXPECT_EQ(title.Rotation, 3);
  EXPECT_EQ(list.Text, "1. a\r2. b");
  EXPECT_EQ(list.X, title.X);
  EXPECT_EQ(list.Y, title.Y + title.H);
  EXPECT_EQ(list.W, int32_t(80.5 * scales.BaseScale));
  EXPECT_EQ(list.FontName, "Liberation Serif");
  EXPECT_EQ(list.FontSize, 14);
  EXPECT_EQ(table.selectedSlot, 3);

  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  for (int i = 4; i < ObjectTable::kSlots; ++i) table[i].Kind = kShape;
  EXPECT_TRUE(PlaceTextBlocks(table, 0, 0, {{{"a"}, 1, 1}, {{"b"}, 1, 1}}, font).empty());
  EXPECT_EQ(dialogs.messages(), (Lines{"The are to many objects"}));
  EXPECT_EQ(table[ObjectTable::kSlots].Kind, kFree);

  // A list longer than a text may hold is split over texts that Save takes, not one it refuses.
  ObjectTable roomy(scales);
  const std::vector<std::string> lines(3000, std::string(49, 't'));  // 150000 bytes with breaks
  const std::string huge(70000, 'h');                                // one line too long itself
  const auto parts = PlaceTextBlocks(roomy, 0, 0, {{lines, 100, 300}, {{huge}, 100, 10}}, font);
  ASSERT_EQ(parts.size(), 5u);
  std::string joined;
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_LE(roomy[parts[i]].Text.size(), kMaxObjectTextBytes);
    joined += (i ? "\r" : "") + roomy[parts[i]].Text;
    if (i) {
      EXPECT_EQ(roomy[parts[i]].Y, roomy[parts[i - 1]].Y + roomy[parts[i - 1]].H);
    }
  }
  EXPECT_EQ(joined, LinesToText(lines));
  EXPECT_EQ(roomy[parts[3]].Text + roomy[parts[4]].Text, huge);
}
