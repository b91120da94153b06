#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "print/settings/DiscShifts.h"
#include "print/settings/PrinterCalibrations.h"
#include "tests/support/TestFiles.h"

namespace {
const PrinterCalibration kOffice{{"Office", 0}, {2.5, 3, 98, 102}};
const PrinterCalibration kPhoto600{{"Photo", 600}, {0, 1.2, 100.5, 99}};
const PrinterCalibration kPhoto1200{{"Photo", 1200}, {0.3, 0, 101, 101}};
}  // namespace

TEST(PrinterCalibrationsTest, RoundTripAndLookUpByQueueAndResolution) {
  TempDir dir;
  const std::string options = dir.file("options.dat");
  const std::string file = PrinterCalibrationsFileFor(options);
  EXPECT_EQ(std::filesystem::path(file).filename(), "options-printers.dat");
  ASSERT_TRUE(SavePrinterCalibrations(file, {kOffice, kPhoto600, kPhoto1200}).written());
  const PrinterCalibrationsLoad load = LoadPrinterCalibrations(file);
  ASSERT_EQ(load.message, "");
  ASSERT_EQ(load.entries.size(), 3u);
  EXPECT_EQ(load.entries[1], kPhoto600);

  const Calibration fallback{1, 1, 99, 99};
  const struct {
    PrinterKey key;
    Calibration expected;
  } cases[] = {{{"Office", 0}, kOffice.values},    {{"Photo", 1200}, kPhoto1200.values},
               {{"Photo", 600}, kPhoto600.values}, {{"Photo", 300}, fallback},
               {{"Office", 600}, fallback},        {{"", 0}, fallback}};
  for (const auto& c : cases)
    EXPECT_EQ(CalibrationFor(load.entries, c.key, fallback), c.expected) << c.key.queue;

  // A job into a PDF file (no queue) uses options.dat; a printer with its own uses that.
  ASSERT_TRUE(SaveCalibration(options, fallback).written());
  EXPECT_EQ(JobCalibration(options, {}), fallback);
  EXPECT_EQ(JobCalibration(options, {"Office", 0}), kOffice.values);
}

TEST(PrinterCalibrationsTest, SettingReplacesAndRemovingTheLastEntryRemovesTheFile) {
  TempDir dir;
  const std::string file = dir.file("options-printers.dat");
  std::vector<PrinterCalibration> entries;
  SetPrinterCalibration(entries, kOffice.printer, {1, 1, 100, 100});
  SetPrinterCalibration(entries, kOffice.printer, kOffice.values);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], kOffice);
  ASSERT_TRUE(SavePrinterCalibrations(file, entries).written());
  EXPECT_FALSE(RemovePrinterCalibration(entries, kPhoto600.printer));
  EXPECT_TRUE(RemovePrinterCalibration(entries, kOffice.printer));
  ASSERT_TRUE(SavePrinterCalibrations(file, entries).written());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(LoadPrinterCalibrations(file).message, "");  // missing: silently none
}

TEST(PrinterCalibrationsTest, DamagedFilesKeepTheEntriesBeforeTheDamage) {
  const std::vector<uint8_t> good = EncodePrinterCalibrations({kOffice, kPhoto600});
  auto withValue = [&](size_t at, double v) {
    std::vector<uint8_t> b = good;
    std::memcpy(b.data() + at, &v, 8);
    return b;
  };
  const size_t firstLeft = 12 + 2 + 6 + 4;  // header, name length, "Office", resolution
  auto cut = [&](size_t n) { return std::vector<uint8_t>(good.begin(), good.begin() + n); };
  std::vector<uint8_t> longName = good;
  longName[12] = 0xff;
  longName[13] = 0xff;
  std::vector<uint8_t> hugeCount = good;
  hugeCount[8] = 0xff;
  hugeCount[9] = 0xff;
  std::vector<uint8_t> trailing = good;
  trailing.push_back(0);
  const struct {
    std::vector<uint8_t> bytes;
    size_t kept;
  } cases[] = {{{}, 0},
               {cut(7), 0},
               {cut(good.size() - 1), 1},
               {cut(firstLeft + 3), 0},
               {longName, 0},
               {hugeCount, 0},
               {trailing, 2},
               {withValue(firstLeft, 11), 0},
               {withValue(firstLeft + 16, 69.9), 0},
               {withValue(firstLeft + 8, std::nan("")), 0}};
  ASSERT_TRUE(ParsePrinterCalibrations(good, "f").message.empty());
  for (const auto& k : cases) {
    const PrinterCalibrationsLoad r = ParsePrinterCalibrations(k.bytes, "f");
    EXPECT_EQ(r.entries.size(), k.kept) << k.bytes.size();
    EXPECT_NE(r.message.find("damaged"), std::string::npos) << k.bytes.size();
  }
}

TEST(PrinterCalibrationsTest, ANameTheFileCannotHoldIsRefusedNotCut) {
  TempDir dir;
  const std::string file = dir.file("options-printers.dat");
  ASSERT_TRUE(SavePrinterCalibrations(file, {kOffice}).written());
  const auto before = ReadBytes(file);
  const KeptWrite saved =
      SavePrinterCalibrations(file, {kOffice, {{std::string(300, 'p'), 0}, kOffice.values}});
  EXPECT_EQ(saved.outcome, KeptWrite::NotWritten);
  EXPECT_NE(saved.message.find("longer than 255 bytes"), std::string::npos);
  EXPECT_EQ(ReadBytes(file), before);
}

TEST(PrinterCalibrationsTest, DiscTrayCentringsAreKeptPerPrinterBesideOptionsDat) {
  TempDir dir;
  const std::string file = DiscShiftsFileFor(dir.file("options.dat"));
  std::vector<PrinterDiscShift> entries;
  SetDiscShift(entries, "Photo", {1.5, -0.25});
  SetDiscShift(entries, "Office", {0.5, 2});
  ASSERT_TRUE(SaveDiscShifts(file, entries).written());
  EXPECT_EQ(LoadDiscShifts(file).entries, entries);
  EXPECT_EQ(DiscShiftFor(entries, "Photo"), (DiscShift{1.5, -0.25}));
  EXPECT_EQ(DiscShiftFor(entries, ""), DiscShift{});  // a PDF file
  // Damage keeps the entries before it; a shift beyond 10 mm is damage.
  const std::vector<uint8_t> good = EncodeDiscShifts(entries);
  std::vector<uint8_t> far = good;
  const double tooFar = kMaxDiscShift + 0.5;
  std::memcpy(far.data() + good.size() - 8, &tooFar, 8);
  for (const auto& [bytes, kept] :
       {std::pair{std::vector<uint8_t>(good.begin(), good.end() - 1), 1u}, std::pair{far, 1u},
        std::pair{std::vector<uint8_t>(good.begin(), good.begin() + 9), 0u}}) {
    EXPECT_EQ(ParseDiscShifts(bytes, "f").entries.size(), kept);
    EXPECT_NE(ParseDiscShifts(bytes, "f").message.find("damaged"), std::string::npos);
  }
  SetDiscShift(entries, "Photo", {});  // no shift: no entry; none left: no file
  SetDiscShift(entries, "Office", {});
  ASSERT_TRUE(SaveDiscShifts(file, entries).written());
  EXPECT_FALSE(std::filesystem::exists(file));
}
