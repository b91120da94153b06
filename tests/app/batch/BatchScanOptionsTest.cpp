// Scanner options on the command line, checked against SANE's own scanimage on the test backend.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "app/batch/BatchCommands.h"
#include "platform/codecs/PictureFile.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TimeLimit.h"

namespace {
// Standard output of a shell command (SANE_CONFIG_DIR is passed on).
std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
  }
  return out;
}

// A binary grey (P5) or colour (P6) PNM of 8 bits; samples empty when it is not one.
struct Pnm {
  int width = 0, height = 0, channels = 0;
  std::string samples;
};

Pnm ReadPnm(const std::string& bytes) {
  Pnm pnm;
  std::istringstream in(bytes);
  std::string magic;
  in >> magic;
  int fields[3], got = 0;
  while (got < 3 && in >> std::ws) {
    if (in.peek() == '#') {
      std::string comment;
      std::getline(in, comment);
    } else if (!(in >> fields[got++])) {
      return {};
    }
  }
  in.get();
  pnm.channels = magic == "P6" ? 3 : magic == "P5" ? 1 : 0;
  if (!pnm.channels || got != 3 || fields[2] != 255) return {};
  pnm.width = fields[0];
  pnm.height = fields[1];
  pnm.samples.assign(std::istreambuf_iterator<char>(in), {});
  if (pnm.samples.size() != size_t(pnm.width) * pnm.height * pnm.channels) return {};
  return pnm;
}

// Counts the pixels of a picture file that differ from the PNM.
int Differences(const std::string& file, const Pnm& pnm) {
  Dib dib;
  std::string error;
  if (!LoadPictureFile(dib, file, error)) {
    ADD_FAILURE() << error;
    return -1;
  }
  int differences = 0;
  EXPECT_EQ(DibWidth(dib), pnm.width);
  EXPECT_EQ(DibHeight(dib), pnm.height);
  for (int y = 0; y < std::min(pnm.height, DibHeight(dib)); ++y)
    for (int x = 0; x < std::min(pnm.width, DibWidth(dib)); ++x) {
      const auto* s = reinterpret_cast<const uint8_t*>(pnm.samples.data()) +
                      (size_t(y) * pnm.width + x) * pnm.channels;
      const uint32_t want = pnm.channels == 3 ? uint32_t(s[0]) << 16 | s[1] << 8 | s[2] : s[0];
      differences += GetDibPixel(dib, x, y) != want;
    }
  FreeDib(dib);
  return differences;
}

// Option names of a listing: "  --name ..." lines (scanimage's -l -t -x -y are the corners).
std::set<std::string> Names(const std::string& listing, bool settableOnly) {
  std::set<std::string> names;
  std::istringstream in(listing);
  const std::map<std::string, std::string> corners = {
      {"-l", "tl-x"}, {"-t", "tl-y"}, {"-x", "br-x"}, {"-y", "br-y"}};
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("    -", 0) != 0 && line.rfind("  --", 0) != 0) continue;
    if (settableOnly && line.find("[read-only]") != std::string::npos) continue;
    std::string name = line.substr(line.find('-'));
    name = name.substr(0, name.find_first_of(" ["));
    names.insert(corners.count(name) ? corners.at(name) : name.substr(2));
  }
  return names;
}

class BatchScanOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSaneTestConfig({.picture = "Solid black"}); }
  TempDir dir;
};
}  // namespace

TEST_F(BatchScanOptionsTest, ListedOptionsAreThoseScanimageKnows) {
  RunWithTimeLimit([&] {
    testing::internal::CaptureStdout();
    ASSERT_EQ(RunBatch({"scan", "--list-options", "test:0"}), 0);
    const std::string ours = testing::internal::GetCapturedStdout();
    std::string help = CommandOutput("scanimage --help --device-name test:0 2>/dev/null");
    std::string all = CommandOutput("scanimage --all-options --device-name test:0 2>/dev/null");
    ASSERT_NE(help.find("Options specific to device"), std::string::npos) << "scanimage is missing";
    help = help.substr(help.find("Options specific to device"));
    EXPECT_EQ(Names(ours, true), Names(help, false)) << ours;  // --help shows what software can set
    EXPECT_EQ(Names(ours, false), Names(all, false));
    EXPECT_GT(Names(ours, false).size(), 40u);
    EXPECT_NE(ours.find("  --resolution 1..1200dpi (in steps of 1) [50]\n"), std::string::npos);
    EXPECT_EQ(RunBatch({"scan", "--list-options", "test:9"}), kExitFailure);
  });
}

TEST_F(BatchScanOptionsTest, ScansEqualScanimagesPixelForPixel) {
  RunWithTimeLimit([&] {
    struct Case {
      const char* mode;
      const char* saneMode;
      int dpi;
    };
    for (const Case& c : {Case{"color", "Color", 37}, Case{"color", "Color", 100},
                          Case{"gray", "Gray", 37}, Case{"gray", "Gray", 100}}) {
      SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.dpi));
      const std::string out = dir.file("scan.bmp");
      ASSERT_EQ(RunBatch({"scan", out, "--device", "test:0", "--mode", c.mode, "--resolution",
                          std::to_string(c.dpi), "--area", "10,5,40,30", "--option",
                          "test-picture=Color pattern"}),
                0);
      const Pnm pnm = ReadPnm(
          CommandOutput(std::string("scanimage --device-name test:0 --format=pnm --mode ") +
                        c.saneMode + " --depth 8 --resolution " + std::to_string(c.dpi) +
                        " -l 10 -t 5 -x 40 -y 30 --test-picture 'Color pattern' 2>/dev/null"));
      ASSERT_GT(pnm.width, 0);
      EXPECT_EQ(pnm.channels, c.saneMode[0] == 'C' ? 3 : 1);
      EXPECT_EQ(Differences(out, pnm), 0);
    }
  });
}

TEST_F(BatchScanOptionsTest, OptionsThatReloadOthersAreAppliedInOrder) {
  RunWithTimeLimit([&] {
    const std::string out = dir.file("three.bmp");
    const Args three = {"scan",         out,
                        "--device",     "test:0",
                        "--mode",       "color",
                        "--resolution", "50",
                        "--area",       "0,0,50,40",
                        "--option",     "test-picture=Color pattern",
                        "--option",     "three-pass=yes",
                        "--option",     "three-pass-order=BGR"};
    ASSERT_EQ(RunBatch(three), 0);  // three-pass-order exists only once three-pass is set
    const Pnm pnm =
        ReadPnm(CommandOutput("scanimage --device-name test:0 --format=pnm --mode Color --depth 8 "
                              "--resolution 50 -l 0 -t 0 "
                              "-x 50 -y 40 --test-picture 'Color pattern' --three-pass=yes "
                              "--three-pass-order BGR 2>/dev/null"));
    ASSERT_GT(pnm.width, 0);
    EXPECT_EQ(Differences(out, pnm), 0);
    // In the wrong order, or with a value the option does not offer, nothing is written.
    const std::string bad = dir.file("bad.bmp");
    for (const char* option :
         {"three-pass-order=BGR", "test-picture=Sepia", "depth=7", "nothing=1"})
      EXPECT_EQ(RunBatch({"scan", bad, "--device", "test:0", "--option", option}), kExitFailure)
          << option;
    EXPECT_EQ(RunBatch({"scan", bad, "--option", "Mode"}), kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(bad));
  });
}
