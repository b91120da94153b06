#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "print/Calibration.h"
#include "tests/support/TestFiles.h"

TEST(CalibrationFileTest, FourDoublesInFileOrder) {
  TempDir dir;
  const std::string path = dir.file("options.dat");
  const Calibration c{4.5, 3.25, 98, 101.5};
  ASSERT_EQ(SaveCalibration(path, c), "");
  const auto bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 32u);
  double v[4];
  std::memcpy(v, bytes.data(), 32);
  EXPECT_EQ(v[0], 4.5);
  EXPECT_EQ(v[1], 3.25);
  EXPECT_EQ(v[2], 98);
  EXPECT_EQ(v[3], 101.5);
  const CalibrationLoad r = LoadCalibration(path);
  EXPECT_FALSE(r.damaged);
  EXPECT_EQ(r.values, c);
}

TEST(CalibrationFileTest, MissingFileGivesDefaultsSilently) {
  TempDir dir;
  const CalibrationLoad r = LoadCalibration(dir.file("options.dat"));
  EXPECT_FALSE(r.damaged);
  EXPECT_EQ(r.values, (Calibration{0, 0, 100, 100}));
}

TEST(CalibrationFileTest, ShortOrImpossibleFilesGiveDefaultsAndAMessage) {
  TempDir dir;
  const std::string path = dir.file("options.dat");
  WriteBytes(path, std::vector<uint8_t>(20, 1));
  CalibrationLoad r = LoadCalibration(path);
  EXPECT_TRUE(r.damaged);
  EXPECT_FALSE(r.message.empty());
  EXPECT_EQ(r.values, Calibration{});
  for (double bad : {0.0, -1.0, 1e300, std::nan("")}) {
    const double v[4] = {1, 1, bad, 100};
    std::vector<uint8_t> bytes(32);
    std::memcpy(bytes.data(), v, 32);
    WriteBytes(path, bytes);
    r = LoadCalibration(path);
    EXPECT_TRUE(r.damaged) << bad;
    EXPECT_EQ(r.values, Calibration{});
  }
}
