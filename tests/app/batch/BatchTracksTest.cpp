#include <gtest/gtest.h>

#include <fstream>

#include "app/batch/BatchCommands.h"
#include "tests/support/BatchRun.h"
#include "tests/support/TestFiles.h"

TEST(BatchTracks, PrintsTheLinesOfTheDialogWithExitCodes) {
  TempDir dir;
  std::ofstream(dir.file("a.cue")) << "TITLE \"A\"\nPERFORMER \"B\"\nFILE \"gone.wav\" WAVE\n"
                                      "TRACK 01 AUDIO\nTITLE \"x\"\nINDEX 01 00:00:00\n"
                                      "TRACK 02 AUDIO\nTITLE \"y\"\nINDEX 01 02:03:00\n";
  Outcome r = Batch({"tracks", dir.file("a.cue")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "1. x - B  2:03\n2. y - B  \n");
  EXPECT_EQ(r.err,
            "quendrix: skipped gone.wav: not found; the length of its last track is unknown\n");
  r = Batch({"tracks", "--pattern", "%N|%d|100%%", dir.file("a.cue")});
  EXPECT_EQ(r.out, "01|2:03|100%\n02||100%\n");

  const std::pair<Args, int> failures[] = {{{"tracks"}, 2},
                                           {{"tracks", dir.file("a.cue"), "--pattern"}, 2},
                                           {{"tracks", "a", "b"}, 2},
                                           {{"tracks", dir.file("none.cue")}, 1},
                                           {{"tracks", dir.path().string()}, 1}};
  for (const auto& [args, code] : failures) {
    r = Batch(args);
    EXPECT_EQ(r.code, code) << args.back();
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.rfind("quendrix: ", 0), 0u) << r.err;
  }
}
