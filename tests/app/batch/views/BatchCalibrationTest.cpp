#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "app/batch/views/BatchCalibration.h"
#include "platform/SettingsFile.h"
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

TEST(BatchCalibration, ADamagedFileIsKeptAsideAnUnreadableOrNewerOneIsNeverReplaced) {
  enum Kind { Damaged, Unreadable, Newer };
  const struct {
    bool own;  // options-printers.dat, else options.dat
    Kind kind;
    int exit;
  } cases[] = {{false, Damaged, 0},
               {false, Newer, 1},
               {true, Damaged, 0},
               {true, Newer, 1},
               {true, Unreadable, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.own) + " " + std::to_string(c.kind));
    TempDir dir;
    const std::string options = dir.file("options.dat");
    const std::string own = PrinterCalibrationsFileFor(options);
    ASSERT_EQ(RunCalibrationCommandWith({"--left", "2"}, options), 0);
    ASSERT_EQ(RunCalibrationCommandWith({"--printer", "P", "--top", "2"}, options), 0);
    const std::string target = c.own ? own : options, other = c.own ? options : own;
    std::vector<uint8_t> bytes = ReadBytes(target);
    if (c.kind == Damaged) bytes.resize(c.own ? bytes.size() - 3 : 10);
    if (c.kind == Newer && c.own) bytes[4] = 2;          // the version field
    if (c.kind == Newer && !c.own) bytes.resize(40, 0);  // longer: a later version's fields
    WriteBytes(target, bytes);
    const auto otherBefore = ReadBytes(other);
    static std::string refused;
    refused = c.kind == Unreadable ? target : "";
    static FileReader refuse = [](const std::string& path, size_t limit, bool* truncated) {
      if (path == refused) {
        errno = EACCES;
        return std::optional<std::vector<uint8_t>>();
      }
      SetFileReaderForTests(nullptr);  // every other file as ever
      auto bytes = ReadFileLimited(path, limit, truncated);
      SetFileReaderForTests(refuse);
      return bytes;
    };
    SetFileReaderForTests(refuse);
    const Args args = c.own ? Args{"--printer", "P", "--top", "3"} : Args{"--left", "3"};
    testing::internal::CaptureStderr();
    const int code = RunCalibrationCommandWith(args, options);
    const std::string err = testing::internal::GetCapturedStderr();
    SetFileReaderForTests(nullptr);
    EXPECT_EQ(code, c.exit) << err;
    EXPECT_NE(err.find(target), std::string::npos) << err;
    EXPECT_EQ(ReadBytes(other), otherBefore);  // the other file keeps its bytes
    if (c.kind == Damaged)
      EXPECT_EQ(ReadBytes(target + ".damaged"), bytes);
    else
      EXPECT_EQ(ReadBytes(target), bytes);
  }
}
