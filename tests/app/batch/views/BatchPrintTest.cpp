#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/Document.h"
#include "app/batch/views/BatchPrint.h"
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
