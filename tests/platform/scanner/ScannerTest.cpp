// End-to-end scans through SANE's test backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>

#include "platform/scanner/Scanner.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TimeLimit.h"

namespace {
int Pixels(double mm, int dpi) {
  return int(mm / 25.4 * dpi);
}

ScanSettings Settings(ScanMode mode, int dpi = 100, ScanArea area = kCdBookletArea,
                      const std::string& device = "test:0") {
  ScanSettings s;
  s.device = device;
  s.resolution = dpi;
  s.mode = mode;
  s.area = area;
  return s;
}

void Scan(const ScanSettings& s, ScanResult& out) {
  std::atomic<bool> cancel{false};
  RunScan({s, false}, cancel, {}, out);
}

// The colour pattern starts with grey, then cells of full red, green and blue.
void ExpectColourPattern(const Dib& dib) {
  ASSERT_GE(DibWidth(dib), 20);
  ASSERT_GE(DibHeight(dib), 30);
  EXPECT_EQ(GetDibPixel(dib, 0, 0), 0x555555u);
  EXPECT_EQ(GetDibPixel(dib, 1, 1), 0x000000u);
  EXPECT_EQ(GetDibPixel(dib, 1, 9), 0xff0000u);
  EXPECT_EQ(GetDibPixel(dib, 13, 9), 0xfd0000u);
  EXPECT_EQ(GetDibPixel(dib, 1, 17), 0x00ff00u);
  EXPECT_EQ(GetDibPixel(dib, 1, 29), 0x0000ffu);
}

class ScannerTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSaneTestConfig(); }
};

TEST_F(ScannerTest, ListsTheTestDevices) {
  RunWithTimeLimit([&] {
    std::vector<ScannerInfo> list;
    std::string error;
    ASSERT_TRUE(ListScanners(list, error)) << error;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "test:0");
    EXPECT_EQ(list[1].name, "test:1");
    EXPECT_NE(list[0].label().find("test:0"), std::string::npos);
  });
}

TEST_F(ScannerTest, ColourScanDeliversThePatternAtTheChosenResolution) {
  RunWithTimeLimit([&] {
    ScanResult r;
    Scan(Settings(ScanMode::Color, 100), r);
    ASSERT_TRUE(r.error.empty()) << r.error;
    ASSERT_NE(r.dib.Bits, nullptr);
    EXPECT_EQ(DibBitCount(r.dib), 24);
    EXPECT_EQ(DibWidth(r.dib), Pixels(120, 100));
    EXPECT_EQ(DibHeight(r.dib), Pixels(120, 100));
    EXPECT_DOUBLE_EQ(r.applied.resolution, 100);
    ExpectColourPattern(r.dib);
  });
}

TEST_F(ScannerTest, GreyAndLineArtScansGiveEightAndOneBitPictures) {
  RunWithTimeLimit([&] {
    WriteSaneTestConfig({.picture = "Grid"});
    ScanResult grey, lineArt;
    Scan(Settings(ScanMode::Gray, 50, {10, 10, 80, 60}), grey);
    Scan(Settings(ScanMode::LineArt, 50, {10, 10, 80, 60}), lineArt);
    ASSERT_NE(grey.dib.Bits, nullptr) << grey.error;
    ASSERT_NE(lineArt.dib.Bits, nullptr) << lineArt.error;
    EXPECT_EQ(DibBitCount(grey.dib), 8);
    EXPECT_EQ(DibBitCount(lineArt.dib), 1);
    for (ScanResult* r : {&grey, &lineArt}) {
      EXPECT_EQ(DibWidth(r->dib), Pixels(80, 50));
      EXPECT_EQ(DibHeight(r->dib), Pixels(60, 50));
    }
    EXPECT_EQ(grey.dib.Info->bmiColors[200].rgbGreen, 200);  // grey table
    EXPECT_EQ(lineArt.dib.Info->bmiColors[1].rgbRed, 255);   // index 1 is white
    // The grid is black and white: the grey and line-art pictures agree pixel by pixel.
    int differences = 0, black = 0;
    for (int y = 0; y < DibHeight(grey.dib); ++y)
      for (int x = 0; x < DibWidth(grey.dib); ++x) {
        const bool greyWhite = GetDibPixel(grey.dib, x, y) >= 128;
        differences += greyWhite != (GetDibPixel(lineArt.dib, x, y) == 1);
        black += !greyWhite;
      }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(black, 0);
  });
}

TEST_F(ScannerTest, UnknownLengthAndOneFramePerColourAreAssembled) {
  RunWithTimeLimit([&] {
    ScanResult single;
    Scan(Settings(ScanMode::Color, 60, {0, 0, 50, 40}), single);
    ASSERT_NE(single.dib.Bits, nullptr) << single.error;

    WriteSaneTestConfig({.threePass = true});
    ScanResult threePass;
    ScanSettings s = Settings(ScanMode::Color, 60, {0, 0, 50, 40});
    Scan(s, threePass);
    ASSERT_NE(threePass.dib.Bits, nullptr) << threePass.error;
    ExpectColourPattern(threePass.dib);

    WriteSaneTestConfig({.handScanner = true});
    ScanResult hand;
    Scan(s, hand);
    ASSERT_NE(hand.dib.Bits, nullptr) << hand.error;
    EXPECT_EQ(DibBitCount(hand.dib), 24);
    EXPECT_GT(DibHeight(hand.dib), 0);
  });
}

TEST_F(ScannerTest, ScannerErrorsUseSanesOwnText) {
  RunWithTimeLimit([&] {
    WriteSaneTestConfig({.readStatus = "SANE_STATUS_JAMMED"});
    ScanResult jammed;
    Scan(Settings(ScanMode::Color), jammed);
    EXPECT_EQ(jammed.dib.Bits, nullptr);
    EXPECT_FALSE(jammed.cancelled);
    EXPECT_NE(jammed.error.find(sane_strstatus(SANE_STATUS_JAMMED)), std::string::npos)
        << jammed.error;

    WriteSaneTestConfig({.readStatus = "SANE_STATUS_COVER_OPEN"});
    ScanResult cover;
    Scan(Settings(ScanMode::Gray), cover);
    EXPECT_NE(cover.error.find(sane_strstatus(SANE_STATUS_COVER_OPEN)), std::string::npos);
  });
}

TEST_F(ScannerTest, ADeviceThatDisappearedGivesAClearError) {
  RunWithTimeLimit([&] {
    ScanSettings chosen = Settings(ScanMode::Color, 50, kCdBookletArea, "test:1");
    WriteSaneTestConfig({.devices = 1});
    ScanResult r;
    Scan(chosen, r);
    EXPECT_EQ(r.dib.Bits, nullptr);
    EXPECT_FALSE(r.cancelled);
    EXPECT_NE(r.error.find("\"test:1\" cannot be opened"), std::string::npos) << r.error;
  });
}

TEST_F(ScannerTest, CancelledScanStopsTheThreadAndGivesNoPicture) {
  RunWithTimeLimit([&] {
    WriteSaneTestConfig({.readDelayUs = 20000});
    ScanJob job;
    std::mutex m;
    std::condition_variable cv;
    bool started = false, done = false;
    std::vector<int> progress;
    ASSERT_TRUE(job.start(
        {Settings(ScanMode::Color, 100), false},
        [&](int p) {
          std::lock_guard lock(m);
          progress.push_back(p);
          if (p > 0) started = true;
          cv.notify_all();
        },
        [&] {
          std::lock_guard lock(m);
          done = true;
          cv.notify_all();
        }));
    {
      std::unique_lock lock(m);
      ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(30), [&] { return started || done; }));
    }
    EXPECT_TRUE(job.running());
    EXPECT_FALSE(job.start({Settings(ScanMode::Color), false}, {}, {}));  // one at a time
    job.cancel();
    std::unique_ptr<ScanResult> r = job.finish();
    ASSERT_TRUE(r);
    EXPECT_TRUE(done);
    EXPECT_TRUE(r->cancelled);
    EXPECT_EQ(r->dib.Bits, nullptr);
    EXPECT_EQ(r->error, sane_strstatus(SANE_STATUS_CANCELLED));
    EXPECT_EQ(progress.back(), 0);  // the status bar is cleared
    EXPECT_FALSE(job.running());
  });
}

TEST_F(ScannerTest, FinishedJobDeliversItsPictureAndCanRunAgain) {
  RunWithTimeLimit([&] {
    ScanJob job;
    std::vector<int> progress;  // written by the scan thread, read after the join
    ASSERT_TRUE(job.start({Settings(ScanMode::Gray, 30), false},
                          [&](int p) { progress.push_back(p); }, {}));
    auto first = job.finish();
    ASSERT_TRUE(first && first->dib.Bits) << (first ? first->error : "");
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 0);
    EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    ASSERT_TRUE(job.start({Settings(ScanMode::Color, 30), true}, {}, {}));
    auto preview = job.finish();
    ASSERT_TRUE(preview && preview->dib.Bits) << (preview ? preview->error : "");
    // The preview covers the whole glass (250 mm) with its longer side near the preview size.
    EXPECT_NEAR(preview->applied.area.width, 250, 1);
    EXPECT_NEAR(std::max(DibWidth(preview->dib), DibHeight(preview->dib)), kPreviewLongSide, 10);
  });
}

TEST_F(ScannerTest, AScanThatDeliversNoDataForTheGivenTimeFails) {
  RunWithTimeLimit([&] {
    // Reads of 20 ms each keep a scan alive past the limit; one read of 400 ms ends it.
    struct Case {
      int readDelayUs;
      bool ok;
    };
    for (const Case c : {Case{20000, true}, Case{400000, false}}) {
      WriteSaneTestConfig({.readDelayUs = c.readDelayUs});
      const ScanRequest request{Settings(ScanMode::Gray, 30, {0, 0, 80, 80}), false, 0.15};
      std::atomic<bool> cancel{false};
      ScanResult r;
      RunScan(request, cancel, {}, r);
      EXPECT_EQ(r.dib.Bits != nullptr, c.ok) << c.readDelayUs << ": " << r.error;
      EXPECT_EQ(r.error.find("delivered no data") != std::string::npos, !c.ok) << r.error;
      EXPECT_FALSE(r.cancelled);
    }
  });
}

class SaneOptionsTest : public ScannerTest {
 protected:
  void SetUp() override {
    ScannerTest::SetUp();  // the configuration comes before the library starts
    library = std::make_unique<SaneLibrary>();
    ASSERT_TRUE(device.open("test:0", error)) << error;
  }
  void TearDown() override { device.close(); }
  std::unique_ptr<SaneLibrary> library;
  SaneDevice device;
  std::string error;
};

TEST_F(SaneOptionsTest, NumbersAreSnappedToRangesAndWordLists) {
  OptionOutcome r = device.setNumber("resolution", 5000);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_DOUBLE_EQ(r.number, 1200);  // range maximum
  r = device.setNumber("depth", 9);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_DOUBLE_EQ(r.number, 8);                    // nearest word
  r = device.setNumber("int-constraint-range", 7);  // 4..192 in steps of 2
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(int(r.number) % 2, 0);
  r = device.setNumber("fixed-constraint-range", 10.5);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_NEAR(device.number("fixed-constraint-range").value_or(0), r.number, 1e-4);
}

TEST_F(SaneOptionsTest, InexactValuesAreReadBack) {
  const OptionOutcome r = device.setNumber("int-inexact", 10);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.inexact);
  EXPECT_NE(r.number, 10);
  EXPECT_EQ(device.number("int-inexact"), r.number);
}

TEST_F(SaneOptionsTest, StringListsMatchWithoutCaseAndModeReloadsOptions) {
  OptionOutcome r = device.setString("mode", "color");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.text, "Color");
  EXPECT_TRUE(r.reloaded);
  EXPECT_TRUE(device.option("three-pass")->active());  // appears in colour mode
  r = device.setString("mode", "Sepia");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("Sepia"), std::string::npos);
  EXPECT_FALSE(device.setNumber("no-such-option", 1).ok);
  EXPECT_EQ(ChooseModeString(ScanMode::LineArt, {"Lineart", "Gray", "Color"}), "Lineart");
  EXPECT_EQ(ChooseModeString(ScanMode::LineArt, {"Color Lineart", "Binary"}), "Binary");
  EXPECT_EQ(ChooseModeString(ScanMode::Gray, {"Color", "Grayscale"}), "Grayscale");
  EXPECT_EQ(ChooseModeString(ScanMode::LineArt, {"Gray", "Color"}), "");
}

TEST_F(SaneOptionsTest, AreaIsLimitedToTheGlassAndReportedInMillimetres) {
  AppliedSettings applied;
  ASSERT_TRUE(ApplyScanSettings(device, Settings(ScanMode::Color, 100, {200, 10, 120, 120}),
                                applied, error))
      << error;
  EXPECT_NEAR(applied.area.left, 200, 0.01);
  EXPECT_NEAR(applied.area.width, 50, 0.01);  // the glass ends at 250 mm
  EXPECT_FALSE(applied.notes.empty());
  EXPECT_EQ(applied.modeString, "Color");
  EXPECT_EQ(applied.depth, 8);
  ASSERT_TRUE(ApplyScanSettings(device, Settings(ScanMode::LineArt, 100), applied, error));
  EXPECT_EQ(applied.modeString, "Gray");
  EXPECT_EQ(applied.depth, 1);
  EXPECT_FALSE(applied.thresholdLineArt);
}
}  // namespace
