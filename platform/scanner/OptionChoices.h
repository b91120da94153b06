#pragma once
// Scanner options the user chose beyond resolution, mode and area, kept per device in the
// order they were chosen (a later option may only exist after an earlier one was set).
// They are kept in a file of their own beside the scanner settings, one line each:
// "DEVICE<tab>NAME=VALUE".
#include <map>
#include <string>
#include <vector>

struct OptionChoice {
  std::string name, value;  // value as the command line writes it: yes/no, 300, Color, 1,2,3
  bool operator==(const OptionChoice&) const = default;
};
using OptionChoices = std::vector<OptionChoice>;
// Device name to its choices.
using DeviceOptionChoices = std::map<std::string, OptionChoices>;

// Sets `name` to `value`, moving it behind the others so it is applied last.
void KeepChoice(OptionChoices& choices, const std::string& name, const std::string& value);

// True for a name a scanner option can have: lower-case letters, digits and '-'.
bool IsOptionName(const std::string& name);
// Splits "NAME=VALUE"; false when there is no '=' or the name is not an option name.
bool SplitOptionChoice(const std::string& text, OptionChoice& out);

// Reads one line into `out`; false when it is damaged.
bool ReadOptionChoiceLine(const std::string& line, DeviceOptionChoices& out);
// Reads the lines of a whole file (blank lines and '#' comments skipped) in time linear in its
// size, as if each line were read in turn; a damaged line is skipped: false and the 1-based
// number of the first damaged line.
bool ReadOptionChoiceText(const std::string& text, DeviceOptionChoices& out, int& badLine);
// The lines for all devices, each ending in a newline (empty when there are none).
std::string OptionChoiceLines(const DeviceOptionChoices& choices);
