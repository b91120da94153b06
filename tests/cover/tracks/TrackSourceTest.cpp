#include <gtest/gtest.h>
#include <sys/stat.h>
#include <taglib/fileref.h>

#include <fstream>

#include "cover/tracks/AudioFileStream.h"
#include "cover/tracks/TrackSource.h"
#include "tests/cover/tracks/AudioSamples.h"
#include "tests/support/TestFiles.h"

namespace {
using Lines = std::vector<std::string>;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

Lines Read(const std::string& path, const std::string& pattern, Lines* problems = nullptr) {
  TrackList list;
  std::string error;
  EXPECT_TRUE(ReadTrackList(path, list, error)) << path << ": " << error;
  if (problems) *problems = list.problems;
  return TrackLines(list, pattern);
}

// One folder of tagged files in every format the tools make, shared by the tests.
class TrackSourceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    const auto make = [](const std::string& name, double seconds, const SampleTags& tags) {
      MakeAudio(dir_->file(name), seconds);
      if (!tags.title.empty() || tags.track) TagAudio(dir_->file(name), tags);
    };
    make("z-first.flac", 2.6, {"Intro", "Band", "The Album", "The Band", 1, 1});
    make("a-second.mp3", 61.2, {"Long One", "Band feat. Guest", "The Album", "The Band", 2, 1});
    make("c-third.ogg", 1.2, {"Third", "Band", "The Album", "The Band", 10, 1});
    make("b-disc2.opus", 3.0, {"Encore", "Band", "The Album", "The Band", 1, 2});
    make("m-wave.wav", 4.4, {"W\xC5\x82odek", "Band", "The Album", "", 3, 1});
    make("untagged song.flac", 2.0, {});
    WriteText(dir_->file("broken.mp3"), "this is not audio at all");
    WriteText(dir_->file("cover.jpg"), "not looked at");
  }
  static void TearDownTestSuite() { delete dir_; }
  static TempDir* dir_;
};
TempDir* TrackSourceTest::dir_ = nullptr;
}  // namespace

TEST_F(TrackSourceTest, FolderIsOrderedByDiscAndNumberWithLengthsAndUntaggedNames) {
  Lines problems;
  EXPECT_EQ(Read(dir_->path().string(), "%N %t|%a|%d", &problems),
            (Lines{"Disc 1", "01 Intro|Band|0:03", "02 Long One|Band feat. Guest|1:01",
                   "03 W\xC5\x82odek|Band|0:04", "10 Third|Band|0:01", "05 untagged song||0:02",
                   "Disc 2", "01 Encore|Band|0:03"}));
  EXPECT_EQ(problems, (Lines{"broken.mp3: not an audio file that can be read"}));
  TrackList list;
  std::string error;
  ASSERT_TRUE(ReadTrackList(dir_->path().string(), list, error));
  EXPECT_EQ(TitleLines(list), (Lines{"The Album", "The Band"}));
  EXPECT_NEAR(TotalLengthMs(list), 74'400, 400);
}

TEST_F(TrackSourceTest, CueSheetTakesLengthsFromIndexTimesAndTheAudioFile) {
  TempDir cueDir;
  MakeAudio(cueDir.file("whole.flac"), 200.0);  // converted after the sheet named whole.wav
  const std::string cue =
      "\xEF\xBB\xBFPERFORMER \"Cue Band\"\nTITLE \"Cue Album\"\nFILE \"whole.wav\" WAVE\n"
      "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
      "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 00 01:00:00\n    INDEX 01 01:02:38\n"
      "FILE \"missing.flac\" WAVE\n  TRACK 03 AUDIO\n    TITLE \"Caf\xE9\"\n    INDEX 01 00:00:00\n"
      "  TRACK 04 AUDIO\n    INDEX 01 65:00:00\n";  // Windows-1252 text, as old rippers write it
  WriteText(cueDir.file("album.cue"), cue);
  Lines problems;
  EXPECT_EQ(Read(cueDir.file("album.cue"), "%n %t - %a [%d]", &problems),
            (Lines{"1 One - Cue Band [1:03]", "2 Two - Cue Band [2:17]",
                   "3 Caf\xC3\xA9 - Cue Band [1:05:00]", "4 Track 4 - Cue Band []"}));
  EXPECT_EQ(problems, (Lines{"missing.flac: not found; the length of its last track is unknown"}));
}

TEST_F(TrackSourceTest, PlaylistKeepsItsOrderWithRelativePathsAndReportsMissingEntries) {
  const std::string sub = dir_->file("lists");
  std::filesystem::create_directory(sub);
  WriteText(sub + "/mix.m3u8",
            "#EXTM3U\n#EXTINF:61,Band - Long One\n../a-second.mp3\n..\\z-first.flac\n"
            "../gone.ogg\n" +
                dir_->file("b-disc2.opus") + "\n");
  Lines problems;
  EXPECT_EQ(Read(sub + "/mix.m3u8", "%n %t", &problems),
            (Lines{"1 Long One", "2 Intro", "3 Encore"}));
  EXPECT_EQ(problems, (Lines{"gone.ogg: not found"}));
}

TEST_F(TrackSourceTest, SourcesWithoutTracksFailWithAReason) {
  TempDir empty;
  WriteText(empty.file("notes.txt"), "x");
  WriteText(empty.file("bad.flac"), "");
  WriteText(empty.file("list.m3u"), "#EXTM3U\n");
  WriteText(empty.file("bad.cue"), "FILE a.wav WAVE\nTRACK 01 AUDIO\n");
  const std::pair<std::string, std::string> cases[] = {
      {empty.path().string(), "holds no audio file that can be read"},
      {empty.file("list.m3u"), "holds no audio files"},
      {empty.file("bad.cue"), "track 1 has no INDEX 01"},
      {empty.file("notes.txt"),
       "is neither a folder, a cue sheet (.cue) nor a playlist (.m3u, .m3u8)"},
      {empty.file("nothing"), "not found"},
      {empty.file("long.m3u"), "holds more than 10000 entries"},
      {empty.file("pipe.cue"), "cannot be opened (it is not a file but a device or a pipe)"},
      {empty.file("pipe.m3u"), "cannot be opened (it is not a file but a device or a pipe)"}};
  std::string entries;
  for (int i = 0; i <= 10000; ++i) entries += "song" + std::to_string(i) + ".flac\n";
  WriteText(empty.file("long.m3u"), entries);
  ASSERT_EQ(mkfifo(empty.file("pipe.cue").c_str(), 0600), 0);  // must not wait for a writer
  ASSERT_EQ(mkfifo(empty.file("pipe.m3u").c_str(), 0600), 0);
  for (const auto& [path, reason] : cases) {
    TrackList list;
    std::string error;
    EXPECT_FALSE(ReadTrackList(path, list, error)) << path;
    EXPECT_EQ(error, reason) << path;
  }
}

TEST_F(TrackSourceTest, UnbelievableAndDamagedAudioIsReportedAndSkippedReadingAtMostTheLimit) {
  TempDir odd;
  std::vector<uint8_t> noise(200000);  // TagLib takes it for Musepack of several hours
  uint32_t seed = 1;
  for (uint8_t& b : noise) b = uint8_t((seed = seed * 1103515245 + 12345) >> 24);
  WriteBytes(odd.file("noise.mpc"), noise);
  std::ofstream(odd.file("zeros.mp3")).close();
  std::filesystem::resize_file(odd.file("zeros.mp3"), 4 * kMaxAudioReadBytes);  // sparse
  std::filesystem::copy_file(dir_->file("z-first.flac"), odd.file("tagged.flac"));
  TagAudio(odd.file("tagged.flac"), {"Line\nBreak", "Tab\tBand", "", "", 1, 0});
  Lines problems;
  EXPECT_EQ(Read(odd.path().string(), "%t|%a", &problems), (Lines{"Line\\x0ABreak|Tab\\x09Band"}));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].rfind("noise.mpc: its length is not believable (", 0), 0u) << problems[0];
  EXPECT_EQ(problems[1], "zeros.mp3: not an audio file that can be read");
  // The search for a first frame ends at the budget, not at the end of the file.
  AudioFileStream stream(odd.file("zeros.mp3"));
  ASSERT_TRUE(stream.isOpen());
  { TagLib::FileRef file(&stream, true, TagLib::AudioProperties::Average); }
  EXPECT_LE(stream.bytesRead(), kMaxAudioReadBytes);
  EXPECT_TRUE(stream.exhausted());
}
