// Scanner options as text: values checked against their constraints, set on SANE's test
// backend, and the further options kept per device in the settings file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "platform/scanner/OptionChoices.h"
#include "platform/scanner/ScanSettings.h"
#include "platform/scanner/ScannerOptions.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"

namespace {
class ScannerOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSaneTestConfig();  // the configuration comes before the library starts
    library = std::make_unique<SaneLibrary>();
    ASSERT_TRUE(device.open("test:0", error)) << error;
  }
  void TearDown() override { device.close(); }
  ScanOption Option(const std::string& name) {
    const auto o = device.option(name);
    EXPECT_TRUE(o) << name;
    return o.value_or(ScanOption{});
  }
  std::unique_ptr<SaneLibrary> library;
  SaneDevice device;
  std::string error;
};

TEST_F(ScannerOptionsTest, ValuesAreCheckedAgainstTypeAndConstraint) {
  SetOptionText(device, "mode", "Color");  // makes the colour-only options active
  const std::string tooLong(1000, 'a');
  struct Case {
    const char* name;
    const char* text;
    const char* expected;  // nullptr: refused
  };
  const Case cases[] = {
      {"hand-scanner", "Yes", "yes"},
      {"hand-scanner", "off", "no"},
      {"hand-scanner", "maybe", nullptr},
      {"int-constraint-range", "8", "8"},
      {"int-constraint-range", "200", nullptr},
      {"int-constraint-range", "8.5", nullptr},
      {"int-constraint-word-list", "42", "42"},
      {"int-constraint-word-list", "43", nullptr},
      {"fixed-constraint-word-list", "12.1", "12.1"},
      {"fixed", "-3.25", "-3.25"},
      {"fixed", "x", nullptr},
      {"resolution", "1201", nullptr},
      {"string-constraint-string-list", " second ENTRY", "Second entry"},
      {"mode", "Sepia", nullptr},
      {"int-constraint-array", "1,2", nullptr},
      {"string", tooLong.c_str(), nullptr},
  };
  for (const Case& c : cases) {
    OptionValue value;
    std::string why;
    const bool ok = ParseOptionValue(Option(c.name), c.text, value, why);
    EXPECT_EQ(ok, c.expected != nullptr)
        << c.name << " " << std::string(c.text).substr(0, 20) << ": " << why;
    if (ok && c.expected) EXPECT_EQ(FormatOptionValue(Option(c.name), value), c.expected) << c.name;
    if (!ok) EXPECT_NE(why.find(c.name), std::string::npos) << why;
  }
  // Arrays take one value for all elements or one per element.
  const ScanOption array = Option("int-constraint-array");
  const int n = ElementCount(array);
  ASSERT_GT(n, 2);
  OptionValue value;
  ASSERT_TRUE(ParseOptionValue(array, "7", value, error)) << error;
  EXPECT_EQ(value.words, std::vector<SANE_Word>(size_t(n), 7));
  std::string all;
  for (int i = 0; i < n; ++i) all += (i ? "," : "") + std::to_string(i * 3);
  ASSERT_TRUE(ParseOptionValue(array, all, value, error)) << error;
  EXPECT_EQ(FormatOptionValue(array, value), all);
}

TEST_F(ScannerOptionsTest, ConstraintsAreShownAsTheCommandLineWritesThem) {
  EXPECT_EQ(ConstraintText(Option("resolution")), "1..1200dpi (in steps of 1)");
  EXPECT_EQ(ConstraintText(Option("mode")), "Gray|Color");
  EXPECT_EQ(ConstraintText(Option("depth")), "1|8|16");
  EXPECT_EQ(ConstraintText(Option("hand-scanner")), "yes|no");
  EXPECT_EQ(ConstraintText(Option("bool-soft-select-soft-detect-auto")), "auto|yes|no");
  EXPECT_EQ(ConstraintText(Option("int-constraint-array")), "<int>,...");
  EXPECT_EQ(ConstraintText(Option("fixed-constraint-range")),
            "-42.17..32767.9999us (in steps of 2)");
  EXPECT_EQ(ConstraintText(Option("print-options")), "");
  EXPECT_EQ(Option("mode").group, "Scan Mode");
  EXPECT_EQ(Option("tl-x").group, "Geometry");
}

TEST_F(ScannerOptionsTest, SettingReadsBackWhatTheScannerKept) {
  OptionChange r = SetOptionText(device, "three-pass", "yes");
  EXPECT_FALSE(r.ok);  // only in colour mode
  EXPECT_NE(r.error.find("inactive"), std::string::npos) << r.error;
  r = SetOptionText(device, "mode", "color");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.reloaded);
  EXPECT_EQ(r.value, "Color");
  r = SetOptionText(device, "three-pass", "yes");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(Option("three-pass-order").active());
  r = SetOptionText(device, "int-inexact", "10");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.inexact);
  EXPECT_EQ(r.value, ReadOptionText(device, Option("int-inexact")));
  EXPECT_NE(r.value, "10");
  r = SetOptionText(device, "bool-soft-select-soft-detect-auto", "auto");
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(SetOptionText(device, "button", "").ok);
  for (const char* name : {"bool-soft-detect", "no-such-option"}) {
    r = SetOptionText(device, name, "yes");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
  }
  std::vector<std::string> notes;
  EXPECT_TRUE(ApplyOptionChoices(device, {{"mode", "Gray"}, {"int-inexact", "10"}}, notes, error));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_FALSE(ApplyOptionChoices(device, {{"three-pass", "no"}}, notes, error));
  EXPECT_NE(error.find("three-pass"), std::string::npos);
}

TEST_F(ScannerOptionsTest, ListingShowsGroupsValuesAndStates) {
  const std::string text = OptionListing(ReadOptionEntries(device));
  for (const char* line :
       {"Scan Mode:\n  --mode Gray|Color [Gray]\n", "  --three-pass yes|no [inactive]\n",
        "  --bool-soft-detect yes|no [no] [read-only]\n", "  --print-options\n",
        "Geometry:\n  --tl-x 0..250mm (in steps of 1) [0]\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

TEST(OptionChoicesTest, ChoicesAreKeptPerDeviceInTheirOrder) {
  OptionChoices list;
  KeepChoice(list, "mode", "Color");
  KeepChoice(list, "three-pass", "yes");
  KeepChoice(list, "mode", "Gray");
  EXPECT_EQ(list, (OptionChoices{{"three-pass", "yes"}, {"mode", "Gray"}}));
  OptionChoice c;
  EXPECT_TRUE(SplitOptionChoice("test-picture=Color pattern", c));
  EXPECT_EQ(c, (OptionChoice{"test-picture", "Color pattern"}));
  EXPECT_TRUE(SplitOptionChoice("string=a=b", c));
  EXPECT_EQ(c.value, "a=b");
  for (const char* bad : {"mode", "=x", "Mode=x", "mo de=x"})
    EXPECT_FALSE(SplitOptionChoice(bad, c)) << bad;
  // A whole file is read at once, in linear time, to what reading its lines in turn gives.
  std::string text = "# comment\r\n\n";
  DeviceOptionChoices byLine;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "dev" + std::to_string(i % 3) + "\topt-" + std::to_string(i * 7 % 50) +
                             "=" + std::to_string(i);
    text += line + (i % 2 ? "\r\n" : "\n");
    ASSERT_TRUE(ReadOptionChoiceLine(line, byLine));
  }
  DeviceOptionChoices whole;
  int badLine = 0;
  ASSERT_TRUE(ReadOptionChoiceText(text, whole, badLine));
  EXPECT_EQ(whole, byLine);
  EXPECT_EQ(whole["dev0"].size(), 50u);
  EXPECT_FALSE(ReadOptionChoiceText(text + "dev0\topt\n", whole, badLine));
  EXPECT_EQ(badLine, 3003);
  EXPECT_EQ(whole, byLine);  // the damaged line is skipped, the others kept
}

TEST(OptionChoicesTest, OptionsAreKeptInAFileBesideTheSettings) {
  TempDir dir;
  const std::string path = dir.file("scanner.dat"), options = dir.file("scanner-options.dat");
  EXPECT_EQ(ScanOptionsPath(path), options);
  ScanSettings s;
  s.device = "test:0";
  std::string error;
  ASSERT_TRUE(SaveScanSettings(path, s, error));
  const auto plain = ReadBytes(path);
  EXPECT_FALSE(std::filesystem::exists(options));  // no options, no file
  s.options["test:0"] = {{"three-pass", "yes"}, {"string", "a=b c"}};
  s.options["net:host:x"] = {{"gamma-table", std::string(40000, '1')}};
  ASSERT_TRUE(SaveScanSettings(path, s, error));
  EXPECT_EQ(ReadBytes(path), plain);  // the settings file keeps its bytes
  const auto bytes = ReadBytes(options);
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("test:0\tthree-pass=yes\n"),
            std::string::npos);
  ScanSettings read;
  ASSERT_TRUE(LoadScanSettings(path, read, error)) << error;
  EXPECT_EQ(read, s);
  // A bad line drops only itself: the settings file and the other options are still read.
  ScanSettings kept;
  kept.device = "test:0";
  kept.options["test:0"] = {{"three-pass", "yes"}};
  std::vector<uint8_t> bytesOfBad;
  for (const char* bad : {"test:0\n", "test:0\tBad=1\n", "test:0\tmode\n", "\x01\tmode=x\n"}) {
    const std::string text = std::string(bad) + "test:0\tthree-pass=yes\n";
    bytesOfBad.assign(text.begin(), text.end());
    WriteBytes(options, bytesOfBad);
    EXPECT_FALSE(LoadScanSettings(path, read, error)) << bad;
    EXPECT_NE(error.find("scanner-options.dat is damaged (line 1)"), std::string::npos) << error;
    EXPECT_EQ(read, kept) << bad;
  }
  // Kept as scanner-options.dat.damaged before it is replaced; the copy is made once.
  s.options.clear();
  ASSERT_TRUE(SaveScanSettings(path, s, error));
  EXPECT_FALSE(std::filesystem::exists(options));
  EXPECT_EQ(ReadBytes(options + ".damaged"), bytesOfBad);
  ASSERT_EQ(mkfifo(options.c_str(), 0600), 0);  // refused at once, never waited on
  EXPECT_FALSE(LoadScanSettings(path, read, error));
  EXPECT_NE(error.find("scanner-options.dat"), std::string::npos) << error;
}
}  // namespace
