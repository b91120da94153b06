#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/SettingsFile.h"
#include "print/settings/PaperFile.h"
#include "print/settings/PaperFormatList.h"
#include "print/settings/StarterPaper.h"
#include "print/settings/UnitsChoice.h"
#include "tests/support/TestFiles.h"

namespace {
PaperFormat Sample(const std::string& name) {
  PaperFormatFields v;
  v.name = name;
  v.left = 1;
  v.width = 4.7;
  v.spaceH = 0.1;
  return PaperFormatFromFields(v);
}

void PutInt(std::vector<uint8_t>& b, size_t at, int32_t v) {
  std::memcpy(b.data() + at, &v, 4);
}
}  // namespace

TEST(PaperFormatTest, DialogValuesConvertWithTheProgramsInch) {
  const PaperFormat t = Sample("Labels");
  EXPECT_DOUBLE_EQ(t.leftMargin, 25.39995);
  EXPECT_DOUBLE_EQ(t.stepAcross, 4.8 * 25.39995);
  EXPECT_NEAR(t.stepAcross, 121.91976, 1e-9);
  EXPECT_EQ(t.columns, 2);
  EXPECT_EQ(t.rows, 5);
  const PaperFormatFields back = FieldsFromPaperFormat(t);
  EXPECT_DOUBLE_EQ(back.left, 1.0);
  EXPECT_NEAR(back.spaceH, 0.1, 1e-12);
  EXPECT_NEAR(back.width, 4.7, 1e-12);
  EXPECT_EQ(back.name, "Labels");
}

TEST(PaperFormatTest, NameIsCutToFiftyCharactersAndCountsAreWhole) {
  PaperFormatFields v;
  v.name = std::string(60, 'x');
  v.countH = 3.9;
  v.countV = 50;
  const PaperFormat t = PaperFormatFromFields(v);
  EXPECT_EQ(t.name.size(), 50u);
  EXPECT_EQ(t.columns, 3);
  EXPECT_EQ(t.rows, 50);
}

TEST(PaperFileTest, WritesTheRecordLayoutByteForByte) {
  PaperFormat t = Sample("No name0");
  t.columns = 3;
  t.rows = 7;
  const std::vector<uint8_t> b = EncodePaperFormats({t});
  ASSERT_EQ(b.size(), 8u + 112u);
  const std::vector<uint8_t> head = {0xAF, 0xFC, 0x00, 0x00, 1, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 8), head);
  double d;
  std::memcpy(&d, &b[8 + 16], 8);
  EXPECT_DOUBLE_EQ(d, t.stepAcross);
  std::memcpy(&d, &b[8 + 40], 8);
  EXPECT_DOUBLE_EQ(d, t.height);
  EXPECT_EQ(b[8 + 48], 3);
  EXPECT_EQ(b[8 + 52], 7);
  EXPECT_EQ(b[8 + 56], 8);
  EXPECT_EQ(std::string(b.begin() + 8 + 57, b.begin() + 8 + 65), "No name0");
  for (size_t i = 8 + 65; i < b.size(); ++i) EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(PaperFileTest, SavedFormatsReadBackUnchanged) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::vector<PaperFormat> list = {Sample("A"), Sample(std::string(50, 'n')), Sample("\xe9t\xe9")};
  ASSERT_EQ(SavePaperFormats(path, list), "");
  const PaperLoadResult r = LoadPaperFormats(path);
  EXPECT_EQ(r.status, PaperLoadResult::Loaded);
  EXPECT_EQ(r.formats, list);
  ASSERT_EQ(SavePaperFormats(path, {}), "");
  EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>({0xAF, 0xFC, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(LoadPaperFormats(path).formats.empty());
}

TEST(PaperFileTest, MissingFileIsNoFault) {
  TempDir dir;
  const PaperLoadResult r = LoadPaperFormats(dir.file("paper.dat"));
  EXPECT_EQ(r.status, PaperLoadResult::Missing);
  EXPECT_TRUE(r.message.empty());
}

TEST(PaperFileTest, DamagedFilesAreReportedAndKeepOnlyWholeValidRecords) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::vector<uint8_t> good = EncodePaperFormats({Sample("one"), Sample("two"), Sample("three")});

  // Shorter than its count: the two whole records stay, the cut third is dropped.
  WriteBytes(path, std::vector<uint8_t>(good.begin(), good.end() - 40));
  PaperLoadResult r = LoadPaperFormats(path);
  EXPECT_EQ(r.status, PaperLoadResult::Damaged);
  ASSERT_EQ(r.formats.size(), 2u);
  EXPECT_EQ(r.formats[1].name, "two");
  EXPECT_NE(r.message.find("2 of 3"), std::string::npos) << r.message;

  // Wrong magic, too short, negative and absurd counts keep nothing.
  std::vector<uint8_t> bad = good;
  bad[0] = 0;
  WriteBytes(path, bad);
  EXPECT_EQ(LoadPaperFormats(path).status, PaperLoadResult::Damaged);
  EXPECT_TRUE(LoadPaperFormats(path).formats.empty());
  WriteBytes(path, {0xAF, 0xFC, 0});
  EXPECT_EQ(LoadPaperFormats(path).status, PaperLoadResult::Damaged);
  for (int32_t count : {-1, INT32_MIN, kMaxPaperFormats + 1, INT32_MAX}) {
    bad = good;
    PutInt(bad, 4, count);
    WriteBytes(path, bad);
    r = LoadPaperFormats(path);
    EXPECT_EQ(r.status, PaperLoadResult::Damaged) << count;
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
    r = LoadPaperFormats(path);
    EXPECT_EQ(r.status, PaperLoadResult::Damaged) << at;
    ASSERT_EQ(r.formats.size(), 1u) << at;
    EXPECT_EQ(r.formats[0].name, "one");
  }
}

TEST(PaperFileTest, FailedWriteKeepsTheOldFileAndSaysSo) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  ASSERT_EQ(SavePaperFormats(path, {Sample("kept")}), "");
  const auto before = ReadBytes(path);
  std::string error;
  {
    const FileSizeLimit full(150);
    error = SavePaperFormats(path, {Sample("new"), Sample("newer")});
  }
  EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PaperFileTest, UnreplaceableTargetLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  std::filesystem::create_directories(path + "/inside");
  EXPECT_NE(SavePaperFormats(path, {Sample("x")}), "");
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PaperFormatListTest, DamagedFileIsKeptAsideOnceAndAnUnreadableOneNeverReplaced) {
  TempDir dir;
  const std::string path = dir.file("paper.dat");
  auto damaged = EncodePaperFormats({Sample("whole"), Sample("cut")});
  damaged.resize(damaged.size() - 10);
  WriteBytes(path, damaged);
  PaperFormatList list;
  const std::string message = list.load(path, {});
  EXPECT_NE(message.find("is damaged"), std::string::npos) << message;
  EXPECT_NE(message.find(path + ".damaged when the list is saved"), std::string::npos);
  ASSERT_EQ(list.formats().size(), 1u);
  EXPECT_TRUE(list.damaged());
  list.add(Sample("new"), FormatDetails{});
  EXPECT_EQ(list.save().outcome, PaperListSave::Saved);
  EXPECT_EQ(ReadBytes(path + ".damaged"), damaged);
  list.remove(0);
  EXPECT_EQ(list.save().outcome, PaperListSave::Saved);  // later saves leave the copy alone
  EXPECT_EQ(ReadBytes(path + ".damaged"), damaged);
  EXPECT_EQ(LoadPaperFormats(path).formats.at(0).name, "new");

  const auto before = ReadBytes(path);
  SetFileReaderForTests([](const std::string&, size_t, bool*) {
    errno = EACCES;
    return std::optional<std::vector<uint8_t>>();
  });
  PaperFormatList unreadable;
  EXPECT_NE(unreadable.load(path, {}).find("cannot be read"), std::string::npos);
  SetFileReaderForTests(nullptr);
  EXPECT_TRUE(unreadable.formats().empty());  // no starter formats in place of the user's own
  unreadable.add(Sample("lost at the end"), FormatDetails{});
  const PaperListSave first = unreadable.save(), second = unreadable.save();
  EXPECT_EQ(first.outcome, PaperListSave::Unreadable);
  EXPECT_EQ(first.message,
            "The paper format list cannot be saved, because " + path + " cannot be read.");
  EXPECT_EQ(second.outcome, PaperListSave::Unreadable);
  EXPECT_EQ(second.message, "");  // told once
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(PaperFormatListTest, ChangesImportsAndExportsKeepEachFormatWithItsDetails) {
  TempDir dir;
  PaperFormatList list;
  EXPECT_EQ(list.load(dir.file("paper.dat"), {}), "");  // none yet: the starter formats
  const size_t starters = list.formats().size();
  EXPECT_EQ(list.unitsFile(), dir.file("paper-units.txt"));
  PaperFormat disc = Sample("Disc");
  disc.width = disc.height = disc.stepAcross = disc.stepDown = 117;
  FormatDetails d;
  d.shape = {ShapeKind::Disc, 0, 117, 41};
  list.replace(0, disc, d);
  ASSERT_EQ(list.exportFormat(0, dir.file("disc.xml")), "");
  list.remove(0);
  EXPECT_EQ(list.detailsAt(0), StarterCatalogue().details.at(1));  // the next format's, moved up
  ASSERT_EQ(list.importFile(dir.file("disc.xml")), "");
  EXPECT_NE(list.importFile(dir.file("missing.xml")), "");
  ASSERT_EQ(list.formats().size(), starters);
  EXPECT_EQ(list.formats().back().name, "Disc");
  EXPECT_EQ(list.detailsAt(starters - 1).shape, d.shape);
  EXPECT_EQ(list.detailsAt(starters), FormatDetails{});  // beyond the list: plain
  ASSERT_EQ(list.save().outcome, PaperListSave::Saved);
  PaperFormatList again;
  again.load(dir.file("paper.dat"), {});
  EXPECT_EQ(again.formats(), list.formats());
  EXPECT_EQ(again.details(), list.details());
}

TEST(PaperFormatListTest, AnImportAddsOnlyWhatTheListCanReadBack) {
  TempDir dir;
  PaperFormatList list;
  list.load(dir.file("paper.dat"), {});
  const size_t starters = list.formats().size();
  const auto xml = [](const std::string& label) {
    return "<Glabels-templates><Template brand=\"B\" part=\"1\" size=\"A4\">" + label +
           "</Template></Glabels-templates>";
  };
  const std::string cases[] = {
      "<Label-cd id=\"0\" radius=\"-5\" hole=\"1\"><Layout nx=\"1\" ny=\"1\" x0=\"0\" "
      "y0=\"0\" dx=\"0\" dy=\"0\"/></Label-cd>",
      "<Label-rectangle id=\"0\" width=\"1000000in\" height=\"1in\"><Layout nx=\"1\" "
      "ny=\"1\" x0=\"0\" y0=\"0\" dx=\"0\" dy=\"0\"/></Label-rectangle>",
      "<Label-rectangle id=\"0\" width=\"1in\" height=\"1in\"><Layout nx=\"2\" ny=\"1\" "
      "x0=\"1000000in\" y0=\"0\" dx=\"1in\" dy=\"0\"/></Label-rectangle>",
      "<Label-rectangle id=\"0\" width=\"1in\" height=\"1in\"><Layout nx=\"2\" ny=\"1\" "
      "x0=\"0\" y0=\"0\" dx=\"1000000in\" dy=\"0\"/></Label-rectangle>"};
  for (const std::string& label : cases) {
    const std::string text = xml(label), file = dir.file("t.xml");
    WriteBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_NE(list.importFile(file), "") << label;
    EXPECT_EQ(list.formats().size(), starters) << label;
  }
  // The list's limit: an import that would pass it is refused whole.
  while (list.formats().size() < size_t(kMaxPaperFormats) - 1) list.add(Sample("x"), {});
  const std::string two =
      xml("<Label-rectangle id=\"0\" width=\"1in\" height=\"1in\"><Layout nx=\"2\" ny=\"1\" "
          "x0=\"0\" y0=\"0\" dx=\"1in\" dy=\"0\"/></Label-rectangle>"
          "</Template><Template brand=\"B\" part=\"2\" size=\"A4\">"
          "<Label-rectangle id=\"0\" width=\"1in\" height=\"1in\"><Layout nx=\"1\" ny=\"1\" "
          "x0=\"0\" y0=\"0\" dx=\"0\" dy=\"0\"/></Label-rectangle>");
  WriteBytes(dir.file("two.xml"), std::vector<uint8_t>(two.begin(), two.end()));
  EXPECT_NE(list.importFile(dir.file("two.xml")).find("more than 10000"), std::string::npos);
  EXPECT_EQ(list.formats().size(), size_t(kMaxPaperFormats) - 1);
}

TEST(PaperFormatListTest, TheUnitFileFollowsTheRuleOfEverySettingsFile) {
  TempDir dir;
  const std::string file = dir.file("paper-units.txt");
  EXPECT_FALSE(ReadUnitsChoice(file));  // none yet: inches, silently
  ASSERT_TRUE(KeepUnitsChoice(file, true).written());
  std::string message;
  EXPECT_TRUE(ReadUnitsChoice(file, &message));
  EXPECT_EQ(message, "");
  WriteBytes(file, {'c', 'm', '\n'});
  EXPECT_FALSE(ReadUnitsChoice(file, &message));
  EXPECT_NE(message.find(file + ".damaged"), std::string::npos) << message;
  ASSERT_TRUE(KeepUnitsChoice(file, false).written());
  EXPECT_EQ(ReadBytes(file + ".damaged"), (std::vector<uint8_t>{'c', 'm', '\n'}));
  EXPECT_EQ(ReadBytes(file), (std::vector<uint8_t>{'i', 'n', 'c', 'h', '\n'}));
}
