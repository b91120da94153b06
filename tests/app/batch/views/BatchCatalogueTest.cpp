#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/batch/views/BatchCatalogue.h"
#include "app/batch/views/BatchFormats.h"
#include "platform/SettingsFile.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFile.h"
#include "print/settings/StarterPaper.h"
#include "print/views/PaperFormatPanel.h"
#include "tests/support/TestFiles.h"

namespace {
const ProductCatalogue& Database() {
  static ProductCatalogue c;
  if (!c.loaded()) c.load({{"/usr/share/libglabels-3.0/templates"}, ""});
  return c;
}

struct CommandRun {
  int code;
  std::vector<std::string> lines;
};

CommandRun Catalogue(const Args& args, const std::string& paperFile,
                     const ProductCatalogue& c = Database()) {
  testing::internal::CaptureStdout();
  const int code = RunCatalogueCommandWith(args, c, paperFile);
  std::istringstream out(testing::internal::GetCapturedStdout());
  CommandRun r{code, {}};
  for (std::string line; std::getline(out, line);) r.lines.push_back(line);
  return r;
}
}  // namespace

TEST(BatchCatalogue, ListsMatchingProductsAndAddsOne) {
  TempDir dir;
  const std::string paper = dir.file("paper.dat");
  const CommandRun one = Catalogue({"L7676"}, paper);
  ASSERT_EQ(one.code, 0);
  ASSERT_EQ(one.lines.size(), 1u);
  EXPECT_EQ(one.lines[0], "Avery\tL7676\tCD/DVD Labels\tA4\tdisc\t117.00 x 117.00 mm\t2 per sheet");

  const CommandRun media = Catalogue({"cd", "--category", "media", "--paper", "Letter"}, paper);
  ASSERT_EQ(media.code, 0);
  ASSERT_GT(media.lines.size(), 5u);
  for (const std::string& line : media.lines)
    EXPECT_NE(line.find("\tUS Letter\t"), std::string::npos) << line;
  EXPECT_EQ(Catalogue({"--category", "CD/DVD or other media"}, paper).lines.size(),
            Catalogue({"--category", "media"}, paper).lines.size());
  EXPECT_EQ(Catalogue({}, paper).lines.size(), Database().products().size());

  // Added to the starter list, numbered as `formats` numbers it.
  const size_t starters = LoadCatalogueAtStart(paper, StarterPaperFiles()).formats.size();
  const CommandRun added = Catalogue({"--add", "sheetlabels:SL113"}, paper);
  ASSERT_EQ(added.code, 0);
  ASSERT_EQ(added.lines.size(), 1u);
  EXPECT_EQ(added.lines[0], std::to_string(starters + 1) + "\tSheetLabels SL113 CD/DVD Labels");
  const PaperLoadResult saved = LoadPaperFormats(paper);
  ASSERT_EQ(saved.status, PaperLoadResult::Loaded);
  ASSERT_EQ(saved.formats.size(), starters + 1);
  EXPECT_EQ(LoadDetailsFor(paper, saved.formats).back(),
            Database().find("SheetLabels", "SL113")->details);
  EXPECT_EQ(Catalogue({"--add", "Avery:L7676"}, paper).lines.at(0).substr(0, 3),
            std::to_string(starters + 2) + "\t");

  // A product's markups become its format's guides, listed after its grids.
  ASSERT_EQ(Catalogue({"--add", "Avery:8435B"}, paper).code, 0);
  testing::internal::CaptureStdout();
  ASSERT_EQ(RunFormatsCommandWith({}, paper), 0);
  const std::string listed = testing::internal::GetCapturedStdout();
  EXPECT_NE(listed.find("\t1 x 1\tmargin 2.00; line 8.50/0.00 to 8.50/122.00; line 146.50/0.00 "
                        "to 146.50/122.00\n"),
            std::string::npos)
      << listed;
  EXPECT_NE(listed.find("mm\t1 x 1\n"), std::string::npos);  // no column without guides

  EXPECT_EQ(Catalogue({"--add", "Avery"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--add", ""}, paper).code, 2);  // not the whole catalogue
  EXPECT_EQ(Catalogue({"--add", "Avery:no-such-part"}, paper).code, 1);
  EXPECT_EQ(Catalogue({"--paper", "A3"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--category", "nothing"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--unknown"}, paper).code, 2);
  EXPECT_EQ(LoadPaperFormats(paper).formats.size(), starters + 3);

  // The parts of one sheet, joined, are listed and added like any product, grids and all.
  const CommandRun cd13 = Catalogue({"rayfilm", "cd13"}, paper);
  ASSERT_EQ(cd13.lines.size(), 4u);
  EXPECT_EQ(cd13.lines[0],
            "Rayfilm\tCD13 (all parts)\tCD/DVD Labels\tA4\tdisc\t116.00 x 116.00 "
            "mm\t6 per sheet");
  ASSERT_EQ(Catalogue({"--add", "rayfilm:CD13 (all parts)"}, paper).code, 0);
  EXPECT_EQ(LoadDetailsFor(paper, LoadPaperFormats(paper).formats).back(),
            Database().find("Rayfilm", "CD13 (all parts)")->details);
  testing::internal::CaptureStdout();
  ASSERT_EQ(RunFormatsCommandWith({}, paper), 0);
  EXPECT_NE(testing::internal::GetCapturedStdout().find(" + 1 x 1 (6.00 x 116.00 mm)\n"),
            std::string::npos);

  ProductCatalogue none;
  none.load({{dir.file("nowhere")}, ""});
  EXPECT_EQ(Catalogue({}, paper, none).code, 1);
}

namespace {
// Every file of a folder with its bytes, to show that a command touched none but its own.
std::map<std::string, std::vector<uint8_t>> Snapshot(const TempDir& dir) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    if (e.is_regular_file()) files[e.path().filename().string()] = ReadBytes(e.path().string());
  return files;
}

std::string g_unreadable;  // the file the injected reader refuses
std::optional<std::vector<uint8_t>> RefuseOne(const std::string& path, size_t limit,
                                              bool* truncated) {
  if (path == g_unreadable) {
    errno = EIO;
    return std::nullopt;
  }
  SetFileReaderForTests(nullptr);
  auto bytes = ReadFileLimited(path, limit, truncated);
  SetFileReaderForTests(RefuseOne);
  return bytes;
}
}  // namespace

TEST(BatchCatalogue, EachSettingsFileOfTheListIsKeptAsidePreservedOrRefusedByOneRule) {
  const std::string xml =
      "<Glabels-templates><Template brand=\"B\" part=\"1\" size=\"A4\">"
      "<Label-cd id=\"0\" radius=\"165\" hole=\"58\"><Layout nx=\"1\" ny=\"2\" x0=\"131\" "
      "y0=\"58\" dx=\"0\" dy=\"388\"/></Label-cd></Template></Glabels-templates>";
  enum Kind { Damaged, Unreadable, Newer };
  const struct {
    const char* file;
    Kind kind;
  } cases[] = {{"paper.dat", Damaged},
               {"paper-details.dat", Damaged},
               {"paper.dat", Unreadable},
               {"paper-details.dat", Unreadable},
               {"paper-details.dat", Newer}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.kind));
    TempDir dir;
    const std::string paper = dir.file("paper.dat"), target = dir.file(c.file);
    const std::string disc = dir.file("disc.xml");
    WriteBytes(disc, std::vector<uint8_t>(xml.begin(), xml.end()));
    ASSERT_EQ(RunFormatsCommandWith({"import", disc}, paper), 0);
    std::vector<uint8_t> bytes = ReadBytes(target);
    if (c.kind == Damaged) bytes.resize(bytes.size() - 5);
    if (c.kind == Newer) bytes[4] = kDetailsVersion + 1;  // the version field
    WriteBytes(target, bytes);
    g_unreadable = c.kind == Unreadable ? target : "";
    SetFileReaderForTests(RefuseOne);
    const auto before = Snapshot(dir);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int listed = RunFormatsCommandWith({}, paper);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    const int imported = RunFormatsCommandWith({"import", disc}, paper);
    (void)testing::internal::GetCapturedStdout();
    const std::string importErr = testing::internal::GetCapturedStderr();
    SetFileReaderForTests(nullptr);
    auto after = Snapshot(dir);
    if (c.kind == Newer) {  // read as far as known, listed, never rewritten
      EXPECT_EQ(listed, 0);
      EXPECT_EQ(imported, 1) << importErr;
      EXPECT_EQ(after, before);
      continue;
    }
    EXPECT_EQ(listed, 1) << out;  // never a part of the list as if it were whole
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find(target), std::string::npos) << err;
    if (c.kind == Unreadable) {
      EXPECT_EQ(imported, 1);
      EXPECT_EQ(after, before);
      continue;
    }
    EXPECT_EQ(imported, 0) << importErr;
    EXPECT_EQ(after.at(std::string(c.file) + ".damaged"), before.at(c.file));
    for (const auto& [name, kept] : before)  // the other file keeps its bytes
      if (name != c.file && name != "paper.dat" && name != "paper-details.dat")
        EXPECT_EQ(after.at(name), kept) << name;
  }
  // A list that is a link is written through it; a device is never replaced by an export.
  TempDir dir;
  const std::string real = dir.file("real.dat"), link = dir.file("paper.dat");
  const std::string disc = dir.file("disc.xml");
  WriteBytes(disc, std::vector<uint8_t>(xml.begin(), xml.end()));
  ASSERT_EQ(RunFormatsCommandWith({"import", disc}, real), 0);
  std::filesystem::create_symlink(real, link);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunFormatsCommandWith({"import", disc}, link), 0);
  EXPECT_EQ(RunFormatsCommandWith({"export", "1", "/dev/full"}, link), 1);
  (void)testing::internal::GetCapturedStdout();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not a regular file"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(LoadPaperFormats(real).formats.size(), LoadPaperFormats(link).formats.size());
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}
