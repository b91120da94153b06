#pragma once
// The SANE library seen through small, checked calls: the library's lifetime, the device list
// and one open device whose options are handled generically (ranges, word and string lists,
// inexact values and options that reload the others).
#include <sane/sane.h>

#include <optional>
#include <string>
#include <vector>

// Keeps the SANE library initialised while at least one holder lives; the last one ends it,
// so the next holder reads the configuration and the device list afresh.
class SaneLibrary {
 public:
  SaneLibrary();
  ~SaneLibrary();
  SaneLibrary(const SaneLibrary&) = delete;
  SaneLibrary& operator=(const SaneLibrary&) = delete;
  bool ok() const { return status_ == SANE_STATUS_GOOD; }
  std::string error() const;

 private:
  SANE_Status status_ = SANE_STATUS_GOOD;
};

// The largest option value read or written (SANE leaves it to the backend).
constexpr SANE_Int kMaxSaneValueBytes = 1 << 20;
// A word of an integer or fixed-point option as a number.
double FromSaneWord(SANE_Word w, SANE_Value_Type type);

// SANE's own text for a status ("Device busy", "Document feeder jammed", ...).
std::string SaneStatusText(SANE_Status status);

struct ScannerInfo {
  std::string name, vendor, model, type;
  std::string label() const;  // "Vendor Model (name)"
};

// The devices SANE finds now; false with a reason when the library fails.
bool ListScanners(std::vector<ScannerInfo>& out, std::string& error);

// One option as the device describes it at this moment.
struct ScanOption {
  int index = 0;
  std::string name, title;
  std::string description, group;  // the backend's help text; title of the group it is in
  SANE_Value_Type type = SANE_TYPE_INT;
  SANE_Unit unit = SANE_UNIT_NONE;
  SANE_Int size = 0;
  SANE_Int cap = 0;
  SANE_Constraint_Type constraint = SANE_CONSTRAINT_NONE;
  double min = 0, max = 0, quant = 0;  // range, in the option's unit (fixed-point turned to double)
  std::vector<double> words;           // word list
  std::vector<std::string> strings;    // string list
  bool active() const { return SANE_OPTION_IS_ACTIVE(cap); }
  bool settable() const { return SANE_OPTION_IS_SETTABLE(cap); }
  bool isNumber() const { return type == SANE_TYPE_INT || type == SANE_TYPE_FIXED; }
};

// What happened when an option was set.
struct OptionOutcome {
  bool ok = false;
  bool inexact = false;   // the device took a different value (read back into `value`)
  bool reloaded = false;  // other options changed; descriptors are read afresh by name anyway
  double number = 0;
  std::string text;
  std::string error;
};

// The value a constraint allows that is nearest to `value`.
double SnapToRange(double value, double min, double max, double quant);
double NearestWord(double value, const std::vector<double>& words);
// The list entry equal to `value` ignoring case; empty when none.
std::string MatchString(const std::string& value, const std::vector<std::string>& list);

class SaneDevice {
 public:
  SaneDevice() = default;
  ~SaneDevice() { close(); }
  SaneDevice(const SaneDevice&) = delete;
  SaneDevice& operator=(const SaneDevice&) = delete;

  // Opens `name` (empty: the first device found); false with SANE's reason in `error`.
  bool open(const std::string& name, std::string& error);
  void close();
  bool isOpen() const { return handle_ != nullptr; }
  SANE_Handle handle() const { return handle_; }
  const std::string& name() const { return name_; }

  std::vector<ScanOption> options() const;
  std::optional<ScanOption> option(const std::string& name) const;
  // Sets a number snapped to the option's constraint and reads back what the device took.
  OptionOutcome setNumber(const std::string& name, double value);
  // Sets a string; with a string list the entry matching without case is used.
  OptionOutcome setString(const std::string& name, const std::string& value);
  std::optional<double> number(const std::string& name) const;
  std::optional<std::string> text(const std::string& name) const;

 private:
  SANE_Handle handle_ = nullptr;
  std::string name_;
};
