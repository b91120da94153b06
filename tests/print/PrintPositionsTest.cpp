#include <gtest/gtest.h>

#include <filesystem>

#include "platform/KeptFiles.h"
#include "print/PageRange.h"
#include "print/PrintJobPlan.h"
#include "print/settings/NextPosition.h"
#include "tests/support/TestFiles.h"

namespace {
// 2 across, 5 down: 10 positions per sheet.
PaperFormat TwoByFive() {
  PaperFormat f;
  f.columns = 2;
  f.rows = 5;
  f.width = f.stepAcross = 80;
  f.height = f.stepDown = 50;
  return f;
}

std::vector<int32_t> Ks(const std::vector<SheetPosition>& ps) {
  std::vector<int32_t> out;
  for (const SheetPosition& p : ps) out.push_back(p.k);
  return out;
}
}  // namespace

TEST(PrintPositionsTest, CopiesSkipMarkedPositionsOfTheFirstSheet) {
  const PaperFormat f = TwoByFive();
  const struct {
    int32_t used;
    std::vector<int32_t> marked;
    int32_t copies;
    std::vector<int32_t> printed;
    int32_t pages;
  } cases[] = {
      {0, {}, 3, {0, 1, 2}, 1},
      {0, {0, 1, 4}, 3, {2, 3, 5}, 1},
      {2, {1, 3}, 3, {2, 4, 5}, 1},  // a mark inside "Already used" changes nothing
      {3, {9, 12, -1}, 7, {3, 4, 5, 6, 7, 8, 10}, 2},  // marks outside the first sheet are ignored
      {0,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
       2,
       {10, 11},
       2},  // a full first sheet: the copies start on the next
      {9, {}, 1, {9}, 1},
  };
  for (const auto& c : cases) {
    const SheetLayout l = LayoutFor(f, FormatDetails{}, c.used, c.marked, c.copies);
    EXPECT_EQ(Ks(l.printed()), c.printed) << c.used << " " << c.copies;
    EXPECT_EQ(l.pages, c.pages);
    for (size_t i = 0; i < c.printed.size(); ++i)  // each position knows its copy's number
      EXPECT_EQ(l.copyOf(c.printed[i]), int32_t(i)) << c.printed[i];
  }
  // Without marks the rule of "Already used" and "Copies" is unchanged.
  const SheetLayout plain = LayoutFor(f, FormatDetails{}, 3, {}, 12);
  const SheetLayout old = LayoutFor(f, 3, 12);
  EXPECT_EQ(plain.first, old.first);
  EXPECT_EQ(plain.last, old.last);
  EXPECT_EQ(Ks(plain.onSheet(0)), Ks(old.onSheet(0)));
}

TEST(PrintPositionsTest, PageRangesReprintChosenSheetsWithTheSamePositions) {
  SheetLayout l = LayoutFor(TwoByFive(), FormatDetails{}, 3, {5}, 25);  // positions 3..28 without 5
  const std::vector<SheetPosition> all = l.printed();
  EXPECT_EQ(l.pages, 3);
  const NumberListParse range = ParseNumberList("1, 3", l.pages, NumberListOf::Pages);
  ASSERT_EQ(range.error, "");
  l.sheets = range.numbers;
  std::vector<SheetPosition> expected;
  for (const SheetPosition& p : all)
    if (p.sheet != 1) expected.push_back(p);
  EXPECT_EQ(l.printed(), expected);
}

TEST(PrintPositionsTest, NumberListsAcceptRangesAndRefuseWhatIsNotThere) {
  const struct {
    const char* text;
    int32_t limit;
    std::vector<int32_t> numbers;
    bool ok;
  } cases[] = {
      {"2-3,5", 5, {1, 2, 4}, true},
      {"5,1,1", 5, {0, 4}, true},
      {" 4 - 4 ", 4, {3}, true},
      {"1-10", 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
      {"6", 5, {}, false},
      {"0", 5, {}, false},
      {"3-2", 5, {}, false},
      {"", 5, {}, false},
      {"1,", 5, {}, false},
      {"a", 5, {}, false},
      {"1;2", 5, {}, false},
      {"-2", 5, {}, false},
      {"99999999999999", 5, {}, false},
  };
  for (const auto& c : cases) {
    const NumberListParse r = ParseNumberList(c.text, c.limit, NumberListOf::Positions);
    EXPECT_EQ(r.error.empty(), c.ok) << c.text << ": " << r.error;
    if (c.ok) EXPECT_EQ(r.numbers, c.numbers) << c.text;
  }
  EXPECT_EQ(ParseNumberList("11", 10, NumberListOf::Positions).error,
            "there is no position 11; the positions are 1 to 10");
}

TEST(PrintPositionsTest, TheNextPositionFollowsTheLastCopy) {
  const PaperFormat f = TwoByFive();
  const struct {
    int32_t used;
    std::vector<int32_t> marked;
    int32_t copies;
    NextPosition next;
  } cases[] = {
      {0, {}, 3, {3, {}}},  {2, {7, 8}, 3, {5, {7, 8}}},  // the marks after the last copy stay used
      {0, {}, 13, {3, {}}},                               // ended on the second sheet
      {0, {}, 10, {}},  // a full sheet: the next print starts fresh
      {4, {9}, 5, {}},  // the last copy and the mark fill the sheet
  };
  for (const auto& c : cases)
    EXPECT_EQ(NextAfter(LayoutFor(f, FormatDetails{}, c.used, c.marked, c.copies)), c.next)
        << c.copies;
}

TEST(PrintPositionsTest, TheNextPositionIsRememberedPerFormatRecord) {
  TempDir dir;
  const std::string paper = dir.file("paper.dat");
  PaperFormat a = TwoByFive(), b = TwoByFive();
  b.name = "other";  // the same grid, another record
  EXPECT_EQ(std::filesystem::path(NextPositionFileFor(paper)).filename(), "paper-next.dat");
  EXPECT_FALSE(RecallNextPosition(paper, a));
  ASSERT_TRUE(RememberNextPosition(paper, a, {3, {7}}).written());
  ASSERT_TRUE(RememberNextPosition(paper, b, {5, {}}).written());
  ASSERT_TRUE(RememberNextPosition(paper, a, {4, {7}}).written());  // replaces a's entry
  EXPECT_EQ(RecallNextPosition(paper, a), (NextPosition{4, {7}}));
  EXPECT_EQ(RecallNextPosition(paper, b), (NextPosition{5, {}}));
  ASSERT_TRUE(RememberNextPosition(paper, b, {}).written());  // a full sheet forgets it
  EXPECT_FALSE(RecallNextPosition(paper, b));

  std::vector<uint8_t> backwards = ReadBytes(NextPositionFileFor(paper));
  backwards[backwards.size() - 4] = 1;  // a mark before the used positions
  WriteBytes(NextPositionFileFor(paper), backwards);
  EXPECT_FALSE(RecallNextPosition(paper, a));

  // Damage keeps the entries before it, and is told once.
  ASSERT_TRUE(RememberNextPosition(paper, a, {4, {7}}).written());
  ASSERT_TRUE(RememberNextPosition(paper, b, {5, {}}).written());
  const std::vector<uint8_t> bytes = ReadBytes(NextPositionFileFor(paper));
  for (auto [n, aKept] :
       {std::pair{size_t(0), false}, {size_t(11), false}, {bytes.size() - 1, true}}) {
    ForgetKeptFilesForTests();
    WriteBytes(NextPositionFileFor(paper), std::vector<uint8_t>(bytes.begin(), bytes.begin() + n));
    std::string message, again;
    EXPECT_EQ(RecallNextPosition(paper, a, &message).has_value(), aKept) << n;
    EXPECT_NE(message.find("damaged"), std::string::npos) << n;
    EXPECT_FALSE(RecallNextPosition(paper, b, &again)) << n;
    EXPECT_EQ(again, "") << n;
  }
}

TEST(PrintPositionsTest, AJobPlanCorrectsItsChoicesAndOnlyAWholePrintedJobMovesTheNextPosition) {
  TempDir dir;
  const std::string paper = dir.file("paper.dat");
  JobChoices c;
  c.format = TwoByFive();
  c.used = 12;  // more than a sheet: one less than a sheet
  c.copies = 3;
  const struct {
    std::string pages;
    bool printed;
    bool wrongPages, remembered;
  } cases[] = {
      {"", false, false, false},  // the job failed
      {"1", true, false, false},  // only some sheets again
      {"3", true, true, false},   // no such sheet
      {"", true, false, true},    // a whole job
  };
  for (const auto& k : cases) {
    std::filesystem::remove(NextPositionFileFor(paper));
    c.pages = k.pages;
    PrintJobPlan plan(c);
    EXPECT_EQ(plan.request().used, 9) << k.pages;
    EXPECT_EQ(plan.layout().pages, 2) << k.pages;
    EXPECT_EQ(!plan.pagesError().empty(), k.wrongPages) << k.pages;
    EXPECT_EQ(plan.request().sheets.size(), k.pages == "1" ? 1u : 0u) << k.pages;
    EXPECT_EQ(plan.finish(k.printed, paper), "");
    const auto next = RecallNextPosition(paper, c.format);
    EXPECT_EQ(next.has_value(), k.remembered) << k.pages;
    if (next) {
      EXPECT_EQ(*next, NextAfter(plan.layout()));
    }
  }
}
