#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "app/coverfile/ByteSource.h"
#include "cover/tracks/AudioTags.h"
#include "cover/tracks/SourceText.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/scanner/ScanSettings.h"
#include "print/settings/PaperFile.h"
#include "print/templates/LabelTemplate.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
std::vector<uint8_t> Pattern(size_t n) {
  std::vector<uint8_t> b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i * 7 + (i >> 13));
  return b;
}
}  // namespace

// Large reads are shared with a helper thread; the bytes, their order in the file and the
// reports on the calling thread must be as if one thread had read every block.
TEST(FileSourceTest, ALargeBlockReadLandsEveryByteInPlaceAndReadingGoesOnAfterIt) {
  TempDir dir;
  const size_t n = (size_t(12) << 20) + 12345, block = 1000000;
  const std::vector<uint8_t> bytes = Pattern(5 + n + 3);
  WriteBytes(dir.file("big.bin"), bytes);
  FileSource s(dir.file("big.bin"));
  uint32_t first = 0;
  uint8_t fifth = 0;
  ASSERT_TRUE(s.u32(first) && s.u8(fifth));
  std::vector<uint8_t> got(n);
  std::vector<size_t> ends;
  const auto caller = std::this_thread::get_id();
  bool elsewhere = false;
  ASSERT_TRUE(s.readBlocks(got.data(), n, block, [&](size_t end) {
    ends.push_back(end);
    elsewhere |= std::this_thread::get_id() != caller;
  }));
  EXPECT_TRUE(std::equal(got.begin(), got.end(), bytes.begin() + 5));
  EXPECT_FALSE(elsewhere);
  ASSERT_FALSE(ends.empty());
  EXPECT_EQ(ends.back(), n);
  for (size_t i = 0; i < ends.size(); ++i) {
    EXPECT_TRUE(ends[i] % block == 0 || ends[i] == n) << ends[i];
    if (i) {
      EXPECT_LE(ends[i - 1], ends[i]);
    }
  }
  uint8_t tail[3];
  ASSERT_TRUE(s.read(tail, 3));
  EXPECT_TRUE(std::equal(tail, tail + 3, bytes.end() - 3));
  EXPECT_EQ(s.remaining(), 0u);
  EXPECT_FALSE(s.u8(fifth));
}

TEST(FileSourceTest, AFileCutShortWhileItIsReadFailsTheRead) {
  TempDir dir;
  const size_t n = size_t(16) << 20;
  WriteBytes(dir.file("big.bin"), Pattern(n));
  FileSource s(dir.file("big.bin"));
  ASSERT_EQ(truncate(dir.file("big.bin").c_str(), off_t(n / 2)), 0);
  std::vector<uint8_t> got(n);
  EXPECT_FALSE(s.readBlocks(got.data(), n, 1 << 20, [](size_t) {}));
  EXPECT_FALSE(s.readBlocks(got.data(), n + 1, 1 << 20, [](size_t) {}));
}

TEST(FileSourceTest, ALargeCoverComesBackWithEveryRowReportedOnceInOrder) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  Document doc;
  SetSamplePage(doc);
  SetSamplePicture(doc, 24, 3001, 1003);  // over 9 MB of rows with padding
  ASSERT_TRUE(SaveFile(doc, dir.file("big.cov")));
  ProgressLog log;
  Document back;
  ASSERT_TRUE(OpenFile(back, dir.file("big.cov")));
  const size_t size = size_t(doc.picture.BytesPerLine) * 1003;
  EXPECT_TRUE(std::equal(back.picture.Bits, back.picture.Bits + size, doc.picture.Bits));
  ASSERT_EQ(log.values.size(), 1003u + 2);
  for (int row = 0; row < 1003; ++row)
    ASSERT_EQ(log.values[size_t(row) + 1], RowPercent(row, 1003));
  EXPECT_EQ(log.values.front(), 0);
  EXPECT_EQ(log.values.back(), 0);
  EXPECT_TRUE(dialogs.asked.empty());
}

// Every reader of a named file opens it through OpenRegularFile: a pipe or a device is refused
// at once with its reason, never waited on or read without end.
TEST(NamedFilesTest, EveryReaderRefusesAPipeOrADeviceAtOnce) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
  const std::string kReason = "it is not a file but a device or a pipe";
  for (const std::string& path : {dir.file("pipe"), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    const auto says = [&](const std::string& message) {
      EXPECT_NE(message.find(kReason), std::string::npos) << message;
    };
    std::string error, text;
    Dib dib;
    EXPECT_FALSE(LoadPictureFile(dib, path, error));
    EXPECT_EQ(dib.Bits, nullptr);
    says(error);
    const PaperLoadResult paper = LoadPaperFormats(path);
    EXPECT_EQ(paper.status, PaperLoadResult::Unreadable);
    says(paper.message);
    std::vector<LabelTemplate> templates;
    says(ImportTemplateFile(path, templates));
    EXPECT_FALSE(ReadSourceText(path, text, error));  // cue sheets and playlists
    says(error);
    AudioFileTags tags;
    EXPECT_FALSE(ReadAudioTags(path, tags, error));
    says(error);
    ScanSettings scanner;
    EXPECT_FALSE(LoadScanSettings(path, scanner, error));
    EXPECT_FALSE(FileSource(path).ok());
  }
}
