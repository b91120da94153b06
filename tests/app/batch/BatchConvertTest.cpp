#include <gtest/gtest.h>

#include "app/batch/BatchCommands.h"
#include "platform/codecs/PictureFile.h"
#include "tests/support/BatchRun.h"
#include "tests/support/TestFiles.h"

namespace {
void WriteSample(const std::string& path) {
  Dib dib;
  NewDib(dib, 30, 20, 24, nullptr, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) SetDibPixel(dib, x, y, uint32_t(x * 8) << 16 | uint32_t(y * 12));
  std::string error;
  ASSERT_TRUE(SavePictureFile(dib, path, 14, error)) << error;
  FreeDib(dib);
}
}  // namespace

TEST(BatchConvert, ConvertsByExtensionOrCodeAndReportsTheSize) {
  TempDir dir;
  WriteSample(dir.file("in.png"));
  Outcome r = Batch({"info", dir.file("in.png")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "30 20 24\n");
  r = Batch({"convert", dir.file("in.png"), dir.file("out.gif")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Batch({"info", dir.file("out.gif")}).out, "30 20 8\n");
  r = Batch({"convert", dir.file("in.png"), dir.file("out.bin"), "--format", "13"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Batch({"info", dir.file("out.bin")}).out, "30 20 24\n");
}

TEST(BatchConvert, FailuresGiveOneLineAndTheirExitCode) {
  TempDir dir;
  WriteSample(dir.file("in.png"));
  const struct {
    Args args;
    int code;
    const char* says;
  } cases[] = {
      {{"convert", dir.file("in.png")}, 2, "usage"},
      {{"convert", dir.file("in.png"), dir.file("out.xyz")}, 2, "--format"},
      {{"convert", dir.file("in.png"), dir.file("out.png"), "--format", "99"}, 2, "--format"},
      {{"info"}, 2, "usage"},
      {{"info", dir.file("missing.png")}, 1, "does not exist"},
      {{"convert", dir.file("missing.png"), dir.file("x.png")}, 1, "does not exist"},
      {{"convert", dir.file("in.png"), dir.file("none/x.png")}, 1, "does not exist"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome r = Batch(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}
