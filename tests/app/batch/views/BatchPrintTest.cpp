#include <gtest/gtest.h>

#include <algorithm>
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
