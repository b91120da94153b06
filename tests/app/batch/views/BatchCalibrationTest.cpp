#include <gtest/gtest.h>

#include <filesystem>

#include "app/batch/views/BatchCalibration.h"
#include "print/settings/PrinterCalibrations.h"
#include "tests/support/TestFiles.h"

TEST(BatchCalibration, SetsTheDefaultOrAPrintersOwnAndRefusesValuesTheDialogWouldNot) {
  TempDir dir;
  const std::string options = dir.file("options.dat");
  const std::string own = PrinterCalibrationsFileFor(options);
  const Args bad[] = {{"--left", "10.01"}, {"--width", "69.9"},
                      {"--height", "131"}, {"--top", "x"},
                      {"--left"},          {"--size", "3"},
                      {"--remove"},        {"--printer", "P", "--remove", "--top", "1"}};
  for (const Args& args : bad) EXPECT_EQ(RunCalibrationCommandWith(args, options), 2) << args[0];
  EXPECT_FALSE(std::filesystem::exists(options));

  ASSERT_EQ(RunCalibrationCommandWith({}, options), 0);  // shows the defaults
  ASSERT_EQ(RunCalibrationCommandWith({"--left", "2.5", "--width", "98.004"}, options), 0);
  EXPECT_EQ(LoadCalibration(options).values, (Calibration{2.5, 0, 98, 100}));
  EXPECT_EQ(ReadBytes(options).size(), 32u);

  // A printer that is not installed here is kept by its queue name alone.
  ASSERT_EQ(RunCalibrationCommandWith({"--printer", "Nowhere", "--top", "1.5"}, options), 0);
  const PrinterCalibrationsLoad load = LoadPrinterCalibrations(own);
  ASSERT_EQ(load.entries.size(), 1u);
  EXPECT_EQ(load.entries[0], (PrinterCalibration{{"Nowhere", 0}, {2.5, 1.5, 98, 100}}));
  EXPECT_EQ(LoadCalibration(options).values, (Calibration{2.5, 0, 98, 100})) << "the default stays";
  ASSERT_EQ(RunCalibrationCommandWith({"--printer", "Nowhere", "--remove"}, options), 0);
  EXPECT_FALSE(std::filesystem::exists(own));

  WriteBytes(own, {9, 9, 9});  // damaged: reported, the default still shown
  EXPECT_EQ(RunCalibrationCommandWith({"--printer", "Nowhere"}, options), 0);
}
