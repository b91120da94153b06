#pragma once
// Every option of an open scanner in words: its value as text, its constraint as the command
// line shows it, and setting it from text (yes/no for booleans, numbers in the option's unit,
// list entries by their value, arrays as comma-separated values, "auto" where the backend can
// choose). Setting handles options that reload the others and values the backend adjusts.
#include <string>
#include <vector>

#include "platform/scanner/OptionChoices.h"
#include "platform/scanner/SaneDevice.h"

// "mm", "dpi", "%", ... ("" for none).
const char* UnitText(SANE_Unit unit);
// "1..1200dpi (in steps of 1)", "Gray|Color", "yes|no", "<int>,...".
std::string ConstraintText(const ScanOption& option);
// The entries of a word or string list as text (empty for other constraints).
std::vector<std::string> ListEntries(const ScanOption& option);
// Elements of an array option (1 for a plain value, 0 for strings and buttons).
int ElementCount(const ScanOption& option);

// A value ready for the backend: words for numbers and booleans, bytes for strings.
struct OptionValue {
  std::vector<SANE_Word> words;
  std::string text;
};
// Checks `text` against the option's type and constraint; false with a reason.
bool ParseOptionValue(const ScanOption& option, const std::string& text, OptionValue& out,
                      std::string& error);
// A value as text, the way ParseOptionValue reads it.
std::string FormatOptionValue(const ScanOption& option, const OptionValue& value);

// The value an option has now as text; empty for inactive options and buttons.
std::string ReadOptionText(const SaneDevice& device, const ScanOption& option);

struct OptionChange {
  bool ok = false;
  bool reloaded = false;  // other options changed: read them all again
  bool inexact = false;   // the backend kept a different value, given in `value`
  std::string value;
  std::string error;
};
// Sets one option from text; a button is pressed whatever the text.
OptionChange SetOptionText(SaneDevice& device, const std::string& name, const std::string& text);
// Sets the choices in order; stops at the first one refused. Adjusted values are noted.
bool ApplyOptionChoices(SaneDevice& device, const OptionChoices& choices,
                        std::vector<std::string>& notes, std::string& error);

// An option with its value now, as a dialog or a listing shows it.
struct OptionEntry {
  ScanOption option;
  std::string value;
};
std::vector<OptionEntry> ReadOptionEntries(const SaneDevice& device);
// Every option under its group: "  --NAME CONSTRAINT [VALUE]", then its description;
// VALUE is "inactive" for inactive options, "read-only" marks options software cannot set.
std::string OptionListing(const std::vector<OptionEntry>& entries);
