#include <gtest/gtest.h>

#include <vector>

#include "platform/AnsiText.h"
#include "platform/Progress.h"
#include "platform/Units.h"

namespace {
struct Recorder : ProgressSink {
  std::vector<int> values;
  void setProgress(int p) override { values.push_back(p); }
};
}  // namespace

TEST(Units, ScalesFollowTheScreenAndPrinterResolution) {
  EXPECT_DOUBLE_EQ(BaseScaleForDpi(96), 105833.125);
  EXPECT_DOUBLE_EQ(BaseScaleForDpi(120), 84666.5);
  EXPECT_EQ(PixelsToUnits(4960, 600), 41994584);
  EXPECT_EQ(static_cast<int>(41994584 / 105833.125), 396);
}

TEST(Progress, RowsReportZeroPercentagesAndZero) {
  Recorder r;
  ProgressSink* old = SetProgressSink(&r);
  {
    RowProgress p(5);
    for (int i = 0; i < 5; ++i) p.row(i);
  }
  {
    RowProgress single(1);
    single.row(0);
  }
  SetProgressSink(old);
  EXPECT_EQ(r.values, (std::vector<int>{0, 0, 25, 50, 75, 100, 0, 0, 100, 0}));
  EXPECT_EQ(RowPercent(2, 3), 100);
  EXPECT_EQ(RowPercent(29999, 30000), 100);
  EXPECT_EQ(RowPercent(0, 0), 100);
}

TEST(AnsiText, WindowsCodePageRoundTrips) {
  const std::string ansi = "Caf\xE9 \x80 \x93 & \r2";
  const std::string utf8 = AnsiToUtf8(ansi);
  EXPECT_EQ(utf8, "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C & \r2");
  EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");  // no code in the code page
  EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");        // cut sequence
}

TEST(AnsiText, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(AsciiLower("Zweckform A4 \xC4\xE9"), "zweckform a4 \xC4\xE9");
  const std::pair<const char*, const char*> names[] = {
      {"/x/Cover.PNG", ".png"}, {"song.Flac", ".flac"}, {"/x.Y/noext", ""}, {"a.tar.GZ", ".gz"}};
  for (const auto& [name, ext] : names) EXPECT_EQ(LowerExtension(name), ext) << name;
}
