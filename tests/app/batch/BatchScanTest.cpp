// The scan command through SANE's test backend.
#include <gtest/gtest.h>

#include <cstring>

#include "app/batch/BatchCommands.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TimeLimit.h"

namespace {
class BatchScanTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSaneTestConfig(); }
  TempDir dir;
};

int32_t Field(const std::vector<uint8_t>& bytes, size_t at) {
  int32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}
}  // namespace

TEST_F(BatchScanTest, ScansIntoAPictureFileOfTheChosenSizeAndMode) {
  RunWithTimeLimit([&] {
    const std::string out = dir.file("cover.bmp");
    ASSERT_EQ(RunBatch({"scan", out, "--device", "test:0", "--resolution", "50", "--mode", "gray",
                        "--area", "10,5,40,30"}),
              0);
    const auto bytes = ReadBytes(out);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(Field(bytes, 18), int(40 / 25.4 * 50));  // width
    EXPECT_EQ(Field(bytes, 22), int(30 / 25.4 * 50));  // height
    EXPECT_EQ(bytes[28], 8);                           // grey: 8 bits
  });
}

TEST_F(BatchScanTest, ListsTheDevicesOneALine) {
  RunWithTimeLimit([&] {
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunBatch({"scan", "--list"}), 0);
    const std::string text = testing::internal::GetCapturedStdout();
    EXPECT_EQ(text.rfind("test:0\t", 0), 0u) << text;
    EXPECT_NE(text.find("\ntest:1\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
  });
}

TEST_F(BatchScanTest, BadArgumentsAndMissingDevicesFailWithoutAFile) {
  RunWithTimeLimit([&] {
    const std::string out = dir.file("x.bmp");
    EXPECT_EQ(RunBatch({"scan"}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", dir.file("x.abc")}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", out, "--mode", "sepia"}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", out, "--resolution", "0"}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", out, "--area", "0,0,-1,5"}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", out, "--device"}), kExitUsage);
    EXPECT_EQ(RunBatch({"scan", out, "--device", "test:9", "--resolution", "50"}), kExitFailure);
    EXPECT_FALSE(std::filesystem::exists(out));
  });
}
