// The history's own rules with changes of plain numbers.
#include <gtest/gtest.h>

#include "platform/History.h"

namespace {
// Sets a number; undo fails while `fail` is set, as an operation without memory would.
class SetNumber : public Change {
 public:
  SetNumber(int& n, int from, int to, size_t bytes, const bool& fail)
      : n_(n), from_(from), to_(to), bytes_(bytes), fail_(fail) {}
  bool undo() override { return !fail_ && (n_ = from_, true); }
  bool redo() override { return n_ = to_, true; }
  size_t bytes() const override { return bytes_; }

 private:
  int& n_;
  int from_, to_;
  size_t bytes_;
  const bool& fail_;
};
}  // namespace

TEST(History, AFailedUndoLeavesEveryChangeOfTheStepAndTheStepInPlace) {
  History h(1000);
  int a = 0, b = 0;
  bool ok = false, fails = true;
  a = 1, b = 2;
  h.record(std::make_unique<SetNumber>(a, 0, 1, 10, ok));
  h.record(std::make_unique<SetNumber>(b, 0, 2, 10, fails));  // undone first, fails
  EXPECT_TRUE(h.commit("two"));
  EXPECT_FALSE(h.undo());
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(h.undoName(), "two");
  fails = false;
  EXPECT_TRUE(h.undo());
  EXPECT_EQ(a + b, 0);
}

TEST(History, ReservingDropsRedoStepsFirstThenTheOldestAndNeverMoreThanTheBudget) {
  History h(100);
  int n = 0;
  const bool never = false;
  for (int i = 1; i <= 3; ++i) {
    h.record(std::make_unique<SetNumber>(n, i - 1, i, 30, never));
    h.commit("step " + std::to_string(i));
  }
  h.undo();  // step 3 can be redone
  EXPECT_TRUE(h.reserve(40));
  EXPECT_FALSE(h.canRedo());
  EXPECT_EQ(h.undoCount(), 2);
  EXPECT_TRUE(h.reserve(70));
  EXPECT_EQ(h.undoCount(), 1);
  EXPECT_EQ(h.undoName(), "step 2");
  EXPECT_FALSE(h.reserve(101));
  h.commit("huge");
  EXPECT_FALSE(h.canUndo());
  EXPECT_EQ(UndoHint(h), "huge cannot be undone");
  h.clear();
  EXPECT_EQ(UndoHint(h), "Nothing to undo");
}
