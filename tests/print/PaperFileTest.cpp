#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "print/PaperFile.h"
#include "tests/support/TestFiles.h"

namespace {
TEttType Sample(const std::string& name) {
  EttDialogValues v;
  v.name = name;
  v.left = 1;
  v.width = 4.7;
  v.spaceH = 0.1;
  return EttFromDialog(v);
}

void PutInt(std::vector<uint8_t>& b, size_t at, int32_t v) { std::memcpy(b.data() + at, &v, 4); }
}  // namespace

TEST(EttTypeTest, DialogValuesConvertWithTheProgramsInch) {
  const TEttType t = Sample("Labels");
  EXPECT_DOUBLE_EQ(t.RandLinks, 25.39995);
  EXPECT_DOUBLE_EQ(t.SchrittH, 4.8 * 25.39995);
  EXPECT_NEAR(t.SchrittH, 121.91976, 1e-9);
  EXPECT_EQ(t.AnzH, 2);
  EXPECT_EQ(t.AnzV, 5);
  const EttDialogValues back = EttToDialog(t);
  EXPECT_DOUBLE_EQ(back.left, 1.0);
  EXPECT_NEAR(back.spaceH, 0.1, 1e-12);
  EXPECT_NEAR(back.width, 4.7, 1e-12);
  EXPECT_EQ(back.name, "Labels");
}

TEST(EttTypeTest, NameIsCutToFiftyCharactersAndCountsAreWhole) {
  EttDialogValues v;
  v.name = std::string(60, 'x');
  v.countH = 3.9;
  v.countV = 50;
  const TEttType t = EttFromDialog(v);
  EXPECT_EQ(t.Name.size(), 50u);
  EXPECT_EQ(t.AnzH, 3);
  EXPECT_EQ(t.AnzV, 50);
}

TEST(PaperFileTest, WritesTheRecordLayoutByteForByte) {
  TEttType t = Sample("No name0");
  t.AnzH = 3;
  t.AnzV = 7;
  const std::vector<uint8_t> b = EncodeEttTypes({t});
  ASSERT_EQ(b.size(), 8u + 112u);
  const std::vector<uint8_t> head = {0xAF, 0xFC, 0x00, 0x00, 1, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 8), head);
  double d;
  std::memcpy(&d, &b[8 + 16], 8);
  EXPECT_DOUBLE_EQ(d, t.SchrittH);
  std::memcpy(&d, &b[8 + 40], 8);
  EXPECT_DOUBLE_EQ(d, t.Hoehe);
  EXPECT_EQ(b[8 + 48], 3);
  EXPECT_EQ(b[8 + 52], 7);
  EXPECT_EQ(b[8 + 56], 8);
  EXPECT_EQ(std::string(b.begin() + 8 + 57, b.begin() + 8 + 65), "No name0");
  for (size_t i = 8 + 65; i < b.size(); ++i) EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(PaperFileTest, SavedFormatsReadBackUnchanged) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::vector<TEttType> list = {Sample("A"), Sample(std::string(50, 'n')), Sample("\xe9t\xe9")};
  ASSERT_EQ(SaveEttTypes(path, list), "");
  const EttLoadResult r = LoadEttTypes(path);
  EXPECT_EQ(r.status, EttLoadResult::Loaded);
  EXPECT_EQ(r.formats, list);
  ASSERT_EQ(SaveEttTypes(path, {}), "");
  EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>({0xAF, 0xFC, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(LoadEttTypes(path).formats.empty());
}

TEST(PaperFileTest, MissingFileIsNoFault) {
  TempDir dir;
  const EttLoadResult r = LoadEttTypes(dir.file("paper.dat"));
  EXPECT_EQ(r.status, EttLoadResult::Missing);
  EXPECT_TRUE(r.message.empty());
}

TEST(PaperFileTest, DamagedFilesAreReportedAndKeepOnlyWholeValidRecords) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::vector<uint8_t> good = EncodeEttTypes({Sample("one"), Sample("two"), Sample("three")});

  // Shorter than its count: the two whole records stay, the cut third is dropped.
  WriteBytes(path, std::vector<uint8_t>(good.begin(), good.end() - 40));
  EttLoadResult r = LoadEttTypes(path);
  EXPECT_EQ(r.status, EttLoadResult::Damaged);
  ASSERT_EQ(r.formats.size(), 2u);
  EXPECT_EQ(r.formats[1].Name, "two");
  EXPECT_NE(r.message.find("2 of 3"), std::string::npos) << r.message;

  // Wrong magic, too short, negative and absurd counts keep nothing.
  std::vector<uint8_t> bad = good;
  bad[0] = 0;
  WriteBytes(path, bad);
  EXPECT_EQ(LoadEttTypes(path).status, EttLoadResult::Damaged);
  EXPECT_TRUE(LoadEttTypes(path).formats.empty());
  WriteBytes(path, {0xAF, 0xFC, 0});
  EXPECT_EQ(LoadEttTypes(path).status, EttLoadResult::Damaged);
  for (int32_t count : {-1, INT32_MIN, kMaxEttCount + 1, INT32_MAX}) {
    bad = good;
    PutInt(bad, 4, count);
    WriteBytes(path, bad);
    r = LoadEttTypes(path);
    EXPECT_EQ(r.status, EttLoadResult::Damaged) << count;
    EXPECT_TRUE(r.formats.empty()) << count;
  }

  // A record that cannot be a format (no elements across, a name longer than 50, NaN).
  for (size_t at : {size_t(48), size_t(56), size_t(0)}) {
    bad = good;
    if (at == 0)
      std::memset(&bad[8 + 112 + 0], 0xFF, 8);
    else if (at == 48)
      PutInt(bad, 8 + 112 + 48, 0);
    else
      bad[8 + 112 + 56] = 51;
    WriteBytes(path, bad);
    r = LoadEttTypes(path);
    EXPECT_EQ(r.status, EttLoadResult::Damaged) << at;
    ASSERT_EQ(r.formats.size(), 1u) << at;
    EXPECT_EQ(r.formats[0].Name, "one");
  }
}

TEST(PaperFileTest, FailedWriteKeepsTheOldFileAndSaysSo) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  ASSERT_EQ(SaveEttTypes(path, {Sample("kept")}), "");
  const auto before = ReadBytes(path);
  // A file size limit makes the write fail half-way, as a full disk would.
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 150;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const std::string error = SaveEttTypes(path, {Sample("new"), Sample("newer")});
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PaperFileTest, UnreplaceableTargetLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::filesystem::create_directories(path + "/inside");
  EXPECT_NE(SaveEttTypes(path, {Sample("x")}), "");
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
