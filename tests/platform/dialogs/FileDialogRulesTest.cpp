#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/FileFilter.h"
#include "platform/dialogs/FileFolders.h"
#include "tests/support/TestFiles.h"

TEST(FileFilterTest, EntriesKeepTheirLabelsAndPatternsMatchEitherCase) {
  const auto entries = ParseFileFilter(kPictureOpenFilter);
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries[0].label, "All pictures");
  EXPECT_EQ(entries[0].patterns.size(), 12u);
  EXPECT_EQ(entries[13].label, "All files (*.*)");
  EXPECT_EQ(entries[13].patterns, std::vector<std::string>{"*.*"});
  EXPECT_EQ(ParseFileFilter("CD cover files (*.cov)|*.cov")[0].label, "CD cover files (*.cov)");
  EXPECT_TRUE(ParseFileFilter("odd|").at(0).patterns.empty());
  EXPECT_TRUE(ParseFileFilter("no pattern").empty());
  EXPECT_EQ(CaseFreePattern("*.JPG"), "*.[jJ][pP][gG]");
  EXPECT_EQ(CaseFreePattern("*.*"), "*");
  EXPECT_EQ(CaseFreePattern("x_1?.b"), "[xX]_1?.[bB]");
}

TEST(FileFoldersTest, DialogsStartInTheLastFolderOfTheirKindElseTheUsersFolder) {
  TempDir home;
  const std::string h = home.path().string();
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string oldConfigValue = oldConfig ? oldConfig : "";
  setenv("HOME", h.c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  ForgetFolders();

  EXPECT_EQ(StartFolder(FileKind::Picture), h);  // no Pictures folder: home, not the working dir
  std::filesystem::create_directories(h + "/Pictures");
  std::filesystem::create_directories(h + "/Documents");
  std::filesystem::create_directories(h + "/Bilder");
  EXPECT_EQ(StartFolder(FileKind::Picture), h + "/Pictures");
  EXPECT_EQ(StartFolder(FileKind::Design), h + "/Documents");
  EXPECT_EQ(StartFolder(FileKind::Pdf), h + "/Documents");
  std::filesystem::create_directories(h + "/.config");
  std::ofstream(h + "/.config/user-dirs.dirs") << "# xdg\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  EXPECT_EQ(StartFolder(FileKind::Picture), h + "/Bilder");

  const std::string scans = h + "/scans", covers = h + "/covers";
  std::filesystem::create_directories(scans);
  std::filesystem::create_directories(covers);
  RememberFolder(FileKind::Picture, scans + "/a.jpg");
  RememberFolder(FileKind::Design, covers + "/b.cov");
  EXPECT_EQ(StartFolder(FileKind::Picture), scans);
  EXPECT_EQ(StartFolder(FileKind::Design), covers);
  EXPECT_EQ(StartFolder(FileKind::Pdf), h + "/Documents");  // each kind keeps its own
  EXPECT_EQ(StartFolder(FileKind::Design, covers + "/c.cov"), covers + "/c.cov");
  std::filesystem::remove_all(scans);  // a vanished folder falls back again
  EXPECT_EQ(StartFolder(FileKind::Picture), h + "/Bilder");

  ForgetFolders();
  setenv("HOME", oldHome.c_str(), 1);
  if (oldConfig) setenv("XDG_CONFIG_HOME", oldConfigValue.c_str(), 1);
}
