#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/Progress.h"
#include "platform/RowPool.h"
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

// Chunks cover every row once, in chunk order per worker; the workers' reports are silenced and
// only the calling thread reports, rising to 100; a band's exception reaches the caller.
TEST(RowPool, ChunksCoverEveryRowOnceAndOnlyTheCallerReports) {
  const int old = SetThreadCount(0);
  Recorder r;
  ProgressSink* oldSink = SetProgressSink(&r);
  const std::thread::id caller = std::this_thread::get_id();
  struct Case {
    int threads, count, chunk, calls;
  };
  for (const Case c : {Case{1, 100, 7, 1}, Case{3, 100, 7, 15}, Case{7, 5, 1, 5}, Case{4, 3, 10, 1},
                       Case{2, 0, 4, 0}}) {
    SetThreadCount(c.threads);
    r.values.clear();
    std::mutex lock;
    std::vector<int> seen(size_t(c.count), 0);
    std::set<int> workers;
    int calls = 0;
    ForRowChunks(c.count, c.chunk, [&](const RowBand& b) {
      ReportProgress(777);  // heard only when the caller works alone
      std::lock_guard<std::mutex> hold(lock);
      ++calls;
      workers.insert(b.worker);
      EXPECT_EQ(b.worker == 0, std::this_thread::get_id() == caller);
      for (int y = b.begin; y < b.end; ++y) ++seen[size_t(y)];
    });
    EXPECT_EQ(calls, c.calls) << c.threads << " " << c.count;
    EXPECT_EQ(seen, std::vector<int>(size_t(c.count), 1));
    if (!workers.empty()) EXPECT_LT(*workers.rbegin(), c.threads);
    if (c.calls > 1) {
      EXPECT_EQ(r.values.back(), 100);
      EXPECT_TRUE(std::is_sorted(r.values.begin(), r.values.end()));
      EXPECT_EQ(std::count(r.values.begin(), r.values.end(), 777), 0);
    } else if (c.calls == 1) {
      EXPECT_EQ(r.values, std::vector<int>{777});
    }
  }
  EXPECT_THROW(ForRowChunks(64, 8,
                            [](const RowBand& b) {
                              if (b.begin == 40) throw std::runtime_error("band");
                            }),
               std::runtime_error);
  // Calls from two threads at once and back to back, each band splitting rows again, all finish
  // every row.
  std::atomic<int> rows{0};
  const auto nested = [&] {
    for (int i = 0; i < 200; ++i)
      ForRowChunks(8, 1, [&](const RowBand&) {
        ForRowChunks(10, 2, [&](const RowBand& b) { rows += b.end - b.begin; });
      });
  };
  std::thread other(nested);
  nested();
  other.join();
  EXPECT_EQ(rows, 2 * 200 * 8 * 10);
  EXPECT_EQ(SetThreadCount(old), 2);
  SetProgressSink(oldSink);
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
