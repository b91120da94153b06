#include <gtest/gtest.h>

#include "app/batch/BatchCommands.h"
#include "app/coverfile/CoverFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/support/BatchRun.h"
#include "tests/support/TestFiles.h"

TEST(BatchParts, MakesListsChangesAndExtractsPartsWithExitCodes) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  const std::string disc = dir.file("disc.cov"), other = dir.file("other.cov");
  ASSERT_EQ(Batch({"parts", disc, "--new", "cd JEWEL case"}).code, 0);
  Outcome r = Batch({"parts", disc});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "1\tBooklet front\tBooklet front\t1417x1417\t0\n"
            "2\tTray inlay\tTray inlay\t1783x1394\t0\n"
            "3\tDisc label\tDisc label\t1382x1382\t0\n");
  Document small;
  small.setPrinterPage(4960, 7016, 600, 600);
  small.objects[4].Kind = kText;
  ASSERT_TRUE(SaveFile(small, other));
  for (const Args& change : {Args{"--add", "Disc 2", "--from", other}, Args{"--remove", "1"},
                             Args{"--rename", "Disc label", "Disc 1"}}) {
    Args args{"parts", disc};
    args.insert(args.end(), change.begin(), change.end());
    EXPECT_EQ(Batch(args).code, 0) << change[0];
  }
  const std::string listed = Batch({"parts", disc}).out;
  EXPECT_EQ(listed,
            "1\tTray inlay\tTray inlay\t1783x1394\t0\n"
            "2\tDisc 1\tDisc label\t1382x1382\t0\n"
            "3\tDisc 2\t-\t320x200\t1\n");
  // An extracted part is a file of one part, the same as the part saved alone.
  ASSERT_EQ(Batch({"parts", disc, "--extract", "3", dir.file("one.cov")}).code, 0);
  EXPECT_EQ(ReadBytes(dir.file("one.cov")), ReadBytes(other));

  const std::pair<Args, int> failures[] = {
      {{"parts"}, 2},
      {{"parts", disc, "--new", "LP sleeve"}, 2},
      {{"parts", disc, "--frobnicate"}, 2},
      {{"parts", disc, "--add", "X", "--colour", "red"}, 2},
      {{"parts", disc, "--add", "X", "--from"}, 2},
      {{"parts", disc, "--add", "Disc 1"}, 1},
      {{"parts", disc, "--rename", "Nothing", "Else"}, 1},
      {{"parts", disc, "--extract", "9", dir.file("none.cov")}, 1},
      {{"parts", dir.file("missing.cov")}, 1},
  };
  for (const auto& [args, code] : failures) {
    r = Batch(args);
    EXPECT_EQ(r.code, code) << args.back();
    EXPECT_EQ(r.err.rfind("quendrix: ", 0), 0u) << r.err;
  }
  EXPECT_EQ(Batch({"parts", disc}).out, listed);  // nothing changed by the failures
}
