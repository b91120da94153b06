#include <gtest/gtest.h>

#include <sstream>

#include "app/batch/views/BatchCatalogue.h"
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

  EXPECT_EQ(Catalogue({"--add", "Avery"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--add", ""}, paper).code, 2);  // not the whole catalogue
  EXPECT_EQ(Catalogue({"--add", "Avery:no-such-part"}, paper).code, 1);
  EXPECT_EQ(Catalogue({"--paper", "A3"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--category", "nothing"}, paper).code, 2);
  EXPECT_EQ(Catalogue({"--unknown"}, paper).code, 2);
  EXPECT_EQ(LoadPaperFormats(paper).formats.size(), starters + 2);

  ProductCatalogue none;
  none.load({{dir.file("nowhere")}, ""});
  EXPECT_EQ(Catalogue({}, paper, none).code, 1);
}
