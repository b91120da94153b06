#include <gtest/gtest.h>

#include "platform/SettingsDir.h"
#include "tests/support/TestFiles.h"

TEST(SettingsDirTest, WritableProgramFolderHoldsTheSettings) {
  TempDir program;
  EXPECT_EQ(SettingsDirFor(program.path(), "/nowhere", "/nowhere"), program.path());
  EXPECT_EQ(SettingsDir(), ProgramDir());  // the test program's folder is writable
}

TEST(SettingsDirTest, OtherwiseTheUsersConfigurationFolderIsMade) {
  TempDir config, home;
  const auto missing = config.path() / "no-such-program-folder";
  const auto xdg = config.path().string();
  EXPECT_EQ(SettingsDirFor(missing, xdg.c_str(), home.path().c_str()), config.path() / "quendrix");
  EXPECT_TRUE(std::filesystem::is_directory(config.path() / "quendrix"));
  const auto fallback = home.path() / ".config" / "quendrix";
  EXPECT_EQ(SettingsDirFor(missing, nullptr, home.path().c_str()), fallback);
  EXPECT_EQ(SettingsDirFor(missing, "relative/dir", home.path().c_str()), fallback);
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
}
