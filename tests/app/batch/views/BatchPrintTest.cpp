#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "app/Document.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/views/BatchPrint.h"
#include "app/batch/views/ToolkitCommands.h"
#include "app/coverfile/CoverFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace {
int PageCount(const std::vector<uint8_t>& pdf) {
  const std::string text(pdf.begin(), pdf.end());
  const std::regex page(R"(/Type\s*/Page[^s])");
  return static_cast<int>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), page), std::sregex_iterator()));
}
}  // namespace

TEST(BatchPrint, PrintsTheCopiesIntoAPdfAndRefusesBadArguments) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  TempDir dir;
  Document doc;
  doc.setScreenDpi(96);
  doc.setPrinterPage(4960, 7016, 600, 600);
  ASSERT_TRUE(SaveFile(doc, dir.file("c.cov")));
  const std::string pdf = dir.file("out.pdf");
  // The starter catalogue's first format takes one booklet front a sheet.
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--copies", "3", "--pdf", pdf}), 0);
  EXPECT_EQ(PageCount(ReadBytes(pdf)), 3);

  EXPECT_EQ(RunPrintCommand({}), 2);
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--pdf", pdf}), 2);    // no paper
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1"}), 2);  // no target
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--copies", "0", "--pdf", pdf}), 2);
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "no such paper", "--pdf", pdf}), 2);
  EXPECT_EQ(RunPrintCommand({dir.file("missing.cov"), "--paper", "1", "--pdf", pdf}), 1);

  // Shifts as far as the Print tab allows, and no farther; no used positions past the sheet's.
  const struct {
    const char* option;
    const char* value;
    int code;
  } kLimits[] = {{"--left", "1000", 0}, {"--top", "-1000", 0}, {"--left", "1000.5", 2},
                 {"--top", "1e308", 2}, {"--left", "nan", 2},  {"--top", "-inf", 2},
                 {"--used", "0", 0},    {"--used", "1", 2},    {"--used", "1e9", 2}};
  for (const auto& l : kLimits)
    EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", l.option, l.value, "--pdf", pdf}),
              l.code)
        << l.option << " " << l.value;
  // A PDF that cannot be made says why, and nothing of the toolkit's notes comes before it.
  RegisterToolkitCommands();
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunBatch({"print", dir.file("c.cov"), "--paper", "1", "--pdf",
                      dir.file("no-folder/out.pdf")}),
            1);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("quendrix: The print job could not be started: the folder ", 0), 0u) << said;
  EXPECT_NE(said.find("does not exist"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

  // One element a sheet: position 2 is outside it; a job of 3 copies has no page 4.
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--skip", "2", "--pdf", pdf}), 2);
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--skip", "x", "--pdf", pdf}), 2);
  EXPECT_EQ(RunPrintCommand(
                {dir.file("c.cov"), "--paper", "1", "--copies", "3", "--pages", "4", "--pdf", pdf}),
            2);
  EXPECT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--copies", "3", "--pages", "1,3",
                             "--pdf", pdf}),
            0);
  EXPECT_EQ(PageCount(ReadBytes(pdf)), 2);
}

TEST(BatchPrint, MergedAndNumberedCopiesPrintTheirOwnValues) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  TempDir dir;
  Document doc;
  doc.setScreenDpi(96);
  doc.setPrinterPage(4960, 7016, 600, 600);
  const double base = doc.scales.BaseScale;
  CoverObject& text = doc.objects[1];
  text.Kind = kText;
  text.Text = "No. {n:03} of {N}: {Title}";
  text.FontName = "Liberation Sans";
  text.FontSize = 10;
  text.X = int32_t(10 * base), text.Y = int32_t(10 * base), text.W = int32_t(300 * base),
  text.H = int32_t(60 * base);
  ASSERT_TRUE(SaveFile(doc, dir.file("c.cov")));
  std::string table = "Title;Year\n";
  for (int i = 1; i <= 1000; ++i) table += "Disc" + std::to_string(i) + ";2026\n";
  WriteBytes(dir.file("t.csv"), std::vector<uint8_t>(table.begin(), table.end()));
  const std::string pdf = dir.file("out.pdf");
  const auto words = [&](const char* grep) {
    const std::string cmd = "pdftotext '" + pdf + "' - | grep -o '" + grep + "' | sort -u | wc -l";
    FILE* p = popen(cmd.c_str(), "r");
    char line[32] = {};
    if (p && fgets(line, sizeof line, p)) pclose(p);
    return std::atoi(line);
  };
  ASSERT_EQ(RunPrintCommand({dir.file("c.cov"), "--paper", "1", "--merge", dir.file("t.csv"),
                             "--first-number", "5", "--pdf", pdf}),
            0);
  EXPECT_EQ(PageCount(ReadBytes(pdf)), 1000);  // a copy per line, each with its own values
  EXPECT_EQ(words("No. [0-9]* of 1000: Disc[0-9]*"), 1000);
  EXPECT_EQ(words("No. 005 of 1000: Disc1$"), 1);
  EXPECT_EQ(words("No. 1004 of 1000: Disc1000"), 1);
  ASSERT_EQ(RunPrintCommand(
                {dir.file("c.cov"), "--paper", "1", "--copies", "2", "--pages", "2", "--pdf", pdf}),
            0);  // without a table the column stays as written; a sheet again keeps its number
  EXPECT_EQ(words("No. 002 of 2: {Title}"), 1);

  WriteBytes(dir.file("bad.csv"), {'T', 'i', 't', 'e', 'l', '\n', 'x', '\n'});
  WriteBytes(dir.file("empty.csv"), {'T', 'i', 't', 'l', 'e', '\n'});
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunPrintCommand(
                {dir.file("c.cov"), "--paper", "1", "--merge", dir.file("bad.csv"), "--pdf", pdf}),
            1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("object 1, line 1: {Title}"),
            std::string::npos);
  for (const char* bad : {"empty.csv", "missing.csv"})
    EXPECT_EQ(RunPrintCommand(
                  {dir.file("c.cov"), "--paper", "1", "--merge", dir.file(bad), "--pdf", pdf}),
              1)
        << bad;
}

TEST(BatchPrint, APartPrintsOnItsOwnFormatAndAllPartsInOneJob) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  TempDir dir;
  const std::string design = dir.file("disc.cov"), pdf = dir.file("out.pdf");
  ASSERT_EQ(RunBatch({"parts", design, "--new", "CD jewel case"}), 0);
  // Each part has its own format of one element a sheet; --paper chooses another for it.
  const struct {
    Args options;
    int code, pages;
  } kCases[] = {
      {{"--part", "Tray inlay", "--copies", "2"}, 0, 2},
      {{"--part", "3", "--paper", "1"}, 0, 1},
      {{"--part", "all", "--copies", "2"}, 0, 6},
      {{"--part", "all", "--used", "1"}, 2, 0},
      {{"--part", "Back"}, 2, 0},
      {{"--paper", "3", "--place", "2=Disc label", "--copies", "4"}, 0, 2},
      {{"--paper", "3", "--place", "3=Disc label"}, 2, 0},  // the sheet has 2 positions
      {{"--paper", "3", "--place", "1=Back"}, 2, 0},
      {{"--paper", "3", "--place", "1"}, 2, 0},
      {{}, 0, 1},  // the first part
  };
  for (const auto& c : kCases) {
    std::remove(pdf.c_str());
    Args args{design, "--pdf", pdf};
    args.insert(args.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(RunPrintCommand(args), c.code) << (c.options.empty() ? "" : c.options[1]);
    if (c.code == 0) EXPECT_EQ(PageCount(ReadBytes(pdf)), c.pages) << c.options.size();
  }
}
