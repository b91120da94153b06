#include <gtest/gtest.h>

#include "app/batch/BatchCommands.h"

namespace {
std::string Output(const Args& args, int& code) {
  testing::internal::CaptureStdout();
  code = RunBatch(args);
  return testing::internal::GetCapturedStdout();
}
}  // namespace

TEST(BatchVersion, PrintsTheVersionLineAndHelpListsIt) {
  int code = -1;
  const std::string version = Output({"--version"}, code);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(IsBatchCommandLine({"--version"}));
  // "Quendrix 1.1", then the revision in brackets when the build knows it.
  EXPECT_TRUE(version == "Quendrix 1.1\n" || version.rfind("Quendrix 1.1 (revision ", 0) == 0)
      << version;
  EXPECT_EQ(version.back(), '\n');
  EXPECT_EQ(std::count(version.begin(), version.end(), '\n'), 1);
  const std::string help = Output({"--help"}, code);
  EXPECT_NE(help.find("  --version \n      Prints the program's version."), std::string::npos)
      << help;
}
