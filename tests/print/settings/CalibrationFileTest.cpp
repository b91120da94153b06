#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "print/settings/Calibration.h"
#include "tests/support/TestFiles.h"

TEST(CalibrationFileTest, FourDoublesInFileOrder) {
  TempDir dir;
  const std::string path = dir.file("options.dat");
  const Calibration c{4.5, 3.25, 98, 101.5};
  ASSERT_TRUE(SaveCalibration(path, c).written());
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

std::vector<uint8_t> Doubles(std::initializer_list<double> values, size_t extraBytes = 0) {
  std::vector<uint8_t> bytes(values.size() * 8 + extraBytes, 0xAB);
  if (values.size() > 0) std::memcpy(bytes.data(), values.begin(), values.size() * 8);
  return bytes;
}

TEST(CalibrationFileTest, ClampsOutOfRangeValuesAndKeepsWhatAShortFileHolds) {
  const double nan = std::nan("");
  const struct {
    std::vector<uint8_t> bytes;
    Calibration expected;
    bool damaged;
  } cases[] = {
      {Doubles({4.5, 3.25, 98, 101.5}), {4.5, 3.25, 98, 101.5}, false},
      {Doubles({-1, 11, 0, 1e300}), {0, 10, 70, 130}, true},
      {Doubles({-1e300, 2, 131, 69.99}), {0, 2, 130, 70}, true},
      {Doubles({1, nan, 99, 100}), {1, 0, 99, 100}, true},
      {Doubles({1, 1, 100, 100}, 8), {1, 1, 100, 100}, false},  // trailing bytes ignored
      {Doubles({2.5, 3.5, 90}), {2.5, 3.5, 90, 100}, true},
      {Doubles({2.5, 3.5, 90}, 7), {2.5, 3.5, 90, 100}, true},  // a part of a value is no value
      {Doubles({20}, 3), {10, 0, 100, 100}, true},
      {Doubles({}, 7), Calibration{}, true},
      {{}, Calibration{}, true},
  };
  TempDir dir;
  const std::string path = dir.file("options.dat");
  for (size_t i = 0; i < std::size(cases); ++i) {
    WriteBytes(path, cases[i].bytes);
    const CalibrationLoad r = LoadCalibration(path);
    EXPECT_EQ(r.values, cases[i].expected) << "case " << i;
    EXPECT_EQ(r.damaged, cases[i].damaged) << "case " << i;
    EXPECT_EQ(r.message.empty(), !cases[i].damaged) << "case " << i;
  }
}
