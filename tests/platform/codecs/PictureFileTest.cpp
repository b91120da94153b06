#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "platform/Progress.h"
#include "platform/RegularFile.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/platform/codecs/PictureSamples.h"
#include "tests/support/TestFiles.h"

using namespace gfxtest;

namespace {
int CountEntries(const std::string& filter) {
  int bars = 0;
  for (char c : filter) bars += c == '|';
  return (bars + 1) / 2;
}

std::vector<std::string> FilesIn(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    names.push_back(e.path().filename().string());
  return names;
}
}  // namespace

TEST(PictureFile, FiltersListTheFormatsInTheOrderOfTheirCodes) {
  EXPECT_EQ(CountEntries(kPictureOpenFilter), 14);
  const std::string save = PictureSaveFilter();
  EXPECT_EQ(CountEntries(save), 12);
  EXPECT_EQ(save.rfind("PNG - Portable Graphics Network|*.PNG"), save.size() - 37);
  const char* extensions[] = {".bmp", ".dib", ".gif", ".iff", ".jif", ".jpg",
                              ".lbm", ".pcx", ".rle", ".tga", ".tif", ".png"};
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(SaveFormatExtension(i), extensions[i - 1]);
    EXPECT_EQ(SaveCodeForExtension(std::string("cover") + extensions[i - 1]), i + 2);
  }
  EXPECT_EQ(SaveFormatExtension(0), "");
  EXPECT_EQ(SaveFormatExtension(13), "");
  EXPECT_EQ(SaveCodeForExtension("COVER.JPG"), 8);
  EXPECT_EQ(SaveCodeForExtension("cover.txt"), 0);
}

TEST(PictureFile, SavesEveryLibraryFormatByCodeAndOpensItByContents) {
  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  OwnedDib src;
  MakeSample(src.dib, 8, 17, 9);
  for (int code : {5, 7, 8, 13, 14}) {
    SCOPED_TRACE(code);
    // The extension deliberately disagrees with the format: the contents decide.
    const std::string path = dir.file("picture" + std::to_string(code) + ".pcx");
    ASSERT_TRUE(SaveDib(src.dib, path, code));
    OwnedDib back;
    OpenDib(back.dib, path);
    ASSERT_NE(back.dib.Bits, nullptr);
    EXPECT_EQ(DibWidth(back.dib), 17);
    EXPECT_EQ(DibBitCount(back.dib), code == 7 || code == 8 ? 24 : 8);
    if (code != 7 && code != 8) {  // JPEG is lossy; its fidelity is tested with the codec
      EXPECT_EQ(MaxDifference(PixelsOf(src.dib), PixelsOf(back.dib)), 0);
    }
  }
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(FilesIn(dir).size(), 5u);
}

// A picture not needed afterwards may be reduced into its own rows: the file is the same.
TEST(PictureFile, SavingAPictureNotNeededAfterwardsWritesTheSameBytes) {
  TempDir dir;
  struct Case {
    int bits, width, height, code;
  } const cases[] = {{24, 60, 40, 11},  // many colours: diffused into a palette
                     {24, 6, 5, 11},    // few colours: each its own entry
                     {8, 17, 9, 11},    // already a palette
                     {24, 60, 40, 3}};  // not RLE: saved as usual
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + " " + std::to_string(c.width) + " " +
                 std::to_string(c.code));
    OwnedDib kept, consumed;
    MakeSample(kept.dib, c.bits, c.width, c.height);
    MakeSample(consumed.dib, c.bits, c.width, c.height);
    std::string error;
    ASSERT_TRUE(SavePictureFile(kept.dib, dir.file("kept"), c.code, error)) << error;
    ASSERT_TRUE(SavePictureFileConsuming(consumed.dib, dir.file("consumed"), c.code, error));
    const auto a = ReadRegularFile(dir.file("kept"), 1 << 20),
               b = ReadRegularFile(dir.file("consumed"), 1 << 20);
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(*a == *b);
  }
}

// Files read a block at a time give what their bytes give in memory, whole or cut short.
TEST(PictureFile, OpeningAFileReadsWhatItsBytesHoldAcrossManyBlocks) {
  TempDir dir;
  OwnedDib src;
  MakeSample(src.dib, 24, 401, 257);  // 300 KB of pixels: many blocks of the file
  for (int code : {5, 8, 13, 14}) {
    const std::string path = dir.file("p" + std::to_string(code));
    std::string error;
    ASSERT_TRUE(SavePictureFile(src.dib, path, code, error)) << error;
    const std::vector<uint8_t> bytes = ReadBytes(path);
    for (size_t size : {bytes.size(), bytes.size() * 3 / 5}) {
      SCOPED_TRACE(std::to_string(code) + " " + std::to_string(size));
      WriteBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(size)));
      OwnedDib fromFile, fromBytes;
      std::string memoryError;
      const bool ok = ReadPictureBytes(ByteView{bytes.data(), size}, PictureFormat::Unknown,
                                       fromBytes.dib, memoryError);
      EXPECT_EQ(LoadPictureFile(fromFile.dib, path, error), ok);
      EXPECT_EQ(ok, size == bytes.size()) << memoryError;
      EXPECT_EQ(error, memoryError);
      if (ok) {
        EXPECT_EQ(MaxDifference(PixelsOf(fromFile.dib), PixelsOf(fromBytes.dib)), 0);
      }
    }
  }
}

TEST(PictureFile, FailuresShowOneErrorNamingTheFileAndLeaveNoPicture) {
  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  WriteBytes(dir.file("noise.xyz"), std::vector<uint8_t>(300, 0x55));
  WriteBytes(dir.file("empty.png"), {});
  const std::vector<uint8_t> png = [] {
    OwnedDib d;
    MakeSample(d.dib, 24, 8, 8);
    std::vector<uint8_t> b;
    std::string e;
    WritePng(d.dib, b, e);
    return b;
  }();
  WriteBytes(dir.file("cut.png"), std::vector<uint8_t>(png.begin(), png.begin() + 40));
  // A pipe without a writer must not hold the program; a device is no picture file either.
  ASSERT_EQ(mkfifo(dir.file("pipe.bmp").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.png");
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {{"missing.png", "does not exist"},
               {"noise.xyz", "not a picture of a known format"},
               {"empty.png", "empty"},
               {"cut.png", "truncated"},
               {"pipe.bmp", "not a file"},
               {"zero.png", "not a file"},
               {"", "it is a folder"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.asked.clear();
    OwnedDib dib;
    OpenDib(dib.dib, dir.file(c.name));
    EXPECT_EQ(dib.dib.Bits, nullptr);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Error");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
    EXPECT_NE(dialogs.messages()[0].find(dir.file(c.name)), std::string::npos);
    EXPECT_NE(dialogs.messages()[0].find(c.reason), std::string::npos) << dialogs.messages()[0];
  }
}

TEST(PictureFile, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scope(dialogs);
  OwnedDib src;
  MakeSample(src.dib, 24, 8, 8);
  // A folder under the chosen name cannot be replaced.
  std::filesystem::create_directory(dir.file("taken.png"));
  EXPECT_FALSE(SaveDib(src.dib, dir.file("taken.png"), 14));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.png")));
  EXPECT_EQ(FilesIn(dir).size(), 1u);
  // An unknown code and a missing folder are reported too.
  WriteBytes(dir.file("old.png"), {1, 2, 3});
  EXPECT_FALSE(SaveDib(src.dib, dir.file("old.png"), 15));
  EXPECT_EQ(ReadBytes(dir.file("old.png")), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(SaveDib(src.dib, dir.file("no/such/folder.png"), 14));
  EXPECT_EQ(dialogs.messages().size(), 3u);
  EXPECT_EQ(FilesIn(dir).size(), 2u);
  // A successful save replaces the old file.
  EXPECT_TRUE(SaveDib(src.dib, dir.file("old.png"), 14));
  EXPECT_GT(ReadBytes(dir.file("old.png")).size(), 3u);
  EXPECT_EQ(FilesIn(dir).size(), 2u);
}

TEST(PictureFile, SavedFilesGetTheUsualPermissionsOrKeepTheOldOnes) {
  TempDir dir;
  OwnedDib src;
  MakeSample(src.dib, 1, 8, 8);
  std::string error;
  ASSERT_TRUE(SavePictureFile(src.dib, dir.file("new.png"), 14, error)) << error;
  namespace fs = std::filesystem;
  const fs::perms mode = fs::status(dir.file("new.png")).permissions();
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(unsigned(mode), 0666u & ~unsigned(mask));  // not the private mode of a scratch file
  WriteBytes(dir.file("old.png"), {1});
  fs::permissions(dir.file("old.png"), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(SavePictureFile(src.dib, dir.file("old.png"), 14, error)) << error;
  EXPECT_EQ(fs::status(dir.file("old.png")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(PictureFile, OpeningAndSavingReportRowProgressAndEndAtZero) {
  struct Recorder : ProgressSink {
    std::vector<int> seen;
    void setProgress(int percent) override { seen.push_back(percent); }
  } recorder;
  TempDir dir;
  OwnedDib src;
  MakeSample(src.dib, 24, 30, 40);
  for (int code : {5, 8, 13, 14}) {
    SCOPED_TRACE(code);
    ProgressSink* old = SetProgressSink(&recorder);
    recorder.seen.clear();
    std::string error;
    const std::string path = dir.file("p" + std::to_string(code));
    EXPECT_TRUE(SavePictureFile(src.dib, path, code, error)) << error;
    OwnedDib back;
    EXPECT_TRUE(LoadPictureFile(back.dib, path, error)) << error;
    SetProgressSink(old);
    ASSERT_GE(recorder.seen.size(), 4u);
    EXPECT_EQ(recorder.seen.front(), 0);
    EXPECT_EQ(recorder.seen.back(), 0);
    EXPECT_GE(std::count(recorder.seen.begin(), recorder.seen.end(), 100), 1);
  }
}
