// The scanner settings file.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/SettingsDir.h"
#include "platform/scanner/ScanSettings.h"
#include "tests/support/TestFiles.h"

TEST(ScanSettingsTest, SavedSettingsAreReadBack) {
  TempDir dir;
  ScanSettings s;
  s.device = "net:host:test:1";
  s.resolution = 600;
  s.mode = ScanMode::LineArt;
  s.area = {1.5, 2, 240, 120};
  std::string error;
  ASSERT_TRUE(SaveScanSettings(dir.file("scanner.dat"), s, error)) << error;
  ScanSettings read;
  ASSERT_TRUE(LoadScanSettings(dir.file("scanner.dat"), read, error)) << error;
  EXPECT_EQ(read, s);
  EXPECT_FALSE(std::filesystem::exists(dir.file("scanner.dat.tmp")));
}

TEST(ScanSettingsTest, MissingFileGivesDefaults) {
  TempDir dir;
  ScanSettings read;
  read.resolution = 1;
  std::string error;
  EXPECT_TRUE(LoadScanSettings(dir.file("none.dat"), read, error));
  EXPECT_EQ(read, ScanSettings{});
  EXPECT_EQ(read.area, kCdBookletArea);
}

TEST(ScanSettingsTest, DamagedFilesAreRefusedAndDefaultsKept) {
  TempDir dir;
  const std::string bad[] = {
      "resolution=abc\n", "resolution=0\n",    "mode=sepia\n",   "area=1,2,3\n",
      "area=0,0,-5,10\n", "area=0,0,nan,10\n", "garbage line\n", std::string("device=a\x01z\n")};
  for (const std::string& text : bad) {
    WriteBytes(dir.file("s.dat"), std::vector<uint8_t>(text.begin(), text.end()));
    ScanSettings read;
    std::string error;
    EXPECT_FALSE(LoadScanSettings(dir.file("s.dat"), read, error)) << text;
    EXPECT_NE(error.find("damaged"), std::string::npos);
    EXPECT_EQ(read, ScanSettings{});
  }
  WriteBytes(dir.file("big.dat"), std::vector<uint8_t>(100000, 'a'));
  ScanSettings read;
  std::string error;
  EXPECT_FALSE(LoadScanSettings(dir.file("big.dat"), read, error));
}

TEST(ScanSettingsTest, FailedWriteKeepsThePreviousFile) {
  TempDir dir;
  std::string error;
  ScanSettings s;
  ASSERT_TRUE(SaveScanSettings(dir.file("scanner.dat"), s, error));
  const auto before = ReadBytes(dir.file("scanner.dat"));
  s.resolution = 1200;
  {
    const FileSizeLimit full(20);
    EXPECT_FALSE(SaveScanSettings(dir.file("scanner.dat"), s, error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(dir.file("scanner.dat")), before);
}

TEST(ScanSettingsTest, ADeviceNameCannotBreakTheFile) {
  TempDir dir;
  ScanSettings s;
  s.device = "evil\nresolution=0";
  std::string error;
  ASSERT_TRUE(SaveScanSettings(dir.file("scanner.dat"), s, error));
  ScanSettings read;
  ASSERT_TRUE(LoadScanSettings(dir.file("scanner.dat"), read, error)) << error;
  EXPECT_EQ(read.device, "evilresolution=0");
  EXPECT_EQ(read.resolution, s.resolution);
}

TEST(ScanSettingsTest, ModeNamesRoundTrip) {
  for (ScanMode m : {ScanMode::Color, ScanMode::Gray, ScanMode::LineArt}) {
    ScanMode parsed = ScanMode::Color;
    ASSERT_TRUE(ParseScanMode(ScanModeName(m), parsed));
    EXPECT_EQ(parsed, m);
  }
}

TEST(SettingsDirTest, IsAnExistingWritableFolder) {
  const std::string dir = SettingsDir();
  EXPECT_TRUE(std::filesystem::is_directory(dir)) << dir;
}
