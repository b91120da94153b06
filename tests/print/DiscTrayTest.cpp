#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "print/DiscTray.h"

namespace {
constexpr double kPt = 25.4 / 72;

QueueOption Steps(const std::string& keyword, int from, int to) {  // choices in points
  QueueOption o{keyword, {}};
  for (int pt = from; pt <= to; ++pt) o.choices.push_back({std::to_string(pt), "", 0, 0});
  return o;
}

// The options of a Gutenprint photo printer with a disc tray, as its PPD lists them.
QueueOptions TrayPrinter() {
  return {{"PageSize",
           {{"A4", "A4", 210, 297},
            {"CD5Inch", "CD - 5 inch", 329 * kPt, 329 * kPt},
            {"CD3Inch", "CD - 3 inch", 184 * kPt, 184 * kPt},
            {"CDCustom", "CD - Custom", 340 * kPt, 340 * kPt}}},
          {"InputSlot", {{"Standard", "Standard", 0, 0}, {"CD", "Print to CD", 0, 0}}},
          Steps("StpCDOuterDiameter", 184, 340),
          Steps("StpCDInnerDiameter", 45, 150),
          Steps("StpCDXAdjustment", -30, 30),
          Steps("StpCDYAdjustment", -30, 30)};
}

std::map<std::string, std::string> Options(const DiscJob& job) {
  return {job.options.begin(), job.options.end()};
}
}  // namespace

TEST(DiscTrayTest, TheDriversDiscPageSlotDiametersAndAdjustmentAreChosen) {
  struct Case {
    double outer, hub, right, down;
    const char* page;
    int outerPt, hubPt, xPt, yPt;
  };
  for (const Case& c : {Case{116, 22, 0, 0, "CD5Inch", 329, 62, 0, 0},
                        Case{118, 22, 1, -0.5, "CDCustom", 334, 62, -3, 1},
                        Case{78, 41, 0, 2, "CD5Inch", 221, 116, 0, -6}}) {
    SCOPED_TRACE(c.page);
    const DiscJob job = PlanDiscJob(TrayPrinter(), c.outer, c.hub, {c.right, c.down});
    EXPECT_TRUE(job.missing.empty());
    auto o = Options(job);
    EXPECT_EQ(o["PageSize"], c.page);
    EXPECT_EQ(o["InputSlot"], "CD");
    EXPECT_EQ(o["StpCDOuterDiameter"], std::to_string(c.outerPt));
    EXPECT_EQ(o["StpCDInnerDiameter"], std::to_string(c.hubPt));
    EXPECT_EQ(o["StpCDXAdjustment"], std::to_string(c.xPt));
    EXPECT_EQ(o["StpCDYAdjustment"], std::to_string(c.yPt));
    // What the driver's point steps cannot take, the drawing moves: together the seen shift undone.
    EXPECT_NEAR(job.moveRight + c.xPt * kPt, -c.right, 1e-9);
    EXPECT_NEAR(job.moveDown + c.yPt * kPt, -c.down, 1e-9);
  }
  // Without a fine adjustment the drawing moves by the whole correction.
  QueueOptions plain = TrayPrinter();
  plain.resize(2);
  const DiscJob moved = PlanDiscJob(plain, 118, 22, {1.25, -2});
  EXPECT_EQ(moved.options.size(), 2u);
  EXPECT_DOUBLE_EQ(moved.moveRight, -1.25);
  EXPECT_DOUBLE_EQ(moved.moveDown, 2);
}

TEST(DiscTrayTest, ADriverWithoutDiscModeIsToldWhatItLacks) {
  QueueOptions noSlot = TrayPrinter(), noPage = TrayPrinter(), small = TrayPrinter();
  noSlot[1].choices.pop_back();
  noPage[0].choices.resize(1);
  small[0].choices.pop_back();  // no disc page holds a 120 mm disc
  for (const QueueOptions& q : {noSlot, noPage, small, QueueOptions{}}) {
    const DiscJob job = PlanDiscJob(q, 120, 22, {});
    EXPECT_FALSE(job.missing.empty());
    EXPECT_TRUE(job.options.empty());
  }
  std::string error;  // a file that is no PPD is refused with a reason
  EXPECT_TRUE(ReadPpdOptions("/nonexistent.ppd", &error).empty());
  EXPECT_NE(error.find("driver description cannot be read"), std::string::npos) << error;
  // A driver's own PPD (of the PDF printer the setup installs) lists its page sizes in mm.
  error.clear();
  const QueueOptions pdf = ReadPpdOptions("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", &error);
  const QueueOption* sizes = FindQueueOption(pdf, "PageSize");
  ASSERT_NE(sizes, nullptr) << error;
  const auto a4 = std::find_if(sizes->choices.begin(), sizes->choices.end(),
                               [](const QueueChoice& c) { return c.keyword == "A4"; });
  ASSERT_NE(a4, sizes->choices.end());
  EXPECT_NEAR(a4->width, 210, 0.5);
  EXPECT_NEAR(a4->height, 297, 0.5);
}
