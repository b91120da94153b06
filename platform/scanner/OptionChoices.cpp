#include "platform/scanner/OptionChoices.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace {
constexpr size_t kMaxDeviceName = 1024;
constexpr size_t kMaxOptionName = 256;
constexpr size_t kMaxValue = 256 * 1024;

bool Printable(const std::string& text) {
  return std::none_of(text.begin(), text.end(),
                      [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}
}  // namespace

void KeepChoice(OptionChoices& choices, const std::string& name, const std::string& value) {
  std::erase_if(choices, [&](const OptionChoice& c) { return c.name == name; });
  choices.push_back({name, value});
}

bool IsOptionName(const std::string& name) {
  return !name.empty() && name.size() <= kMaxOptionName &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
         });
}

bool SplitOptionChoice(const std::string& text, OptionChoice& out) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos || !IsOptionName(text.substr(0, eq))) return false;
  out = {text.substr(0, eq), text.substr(eq + 1)};
  return true;
}

namespace {
bool SplitLine(const std::string& line, std::string& device, OptionChoice& choice) {
  const size_t tab = line.find('\t');
  if (tab == std::string::npos || tab > kMaxDeviceName) return false;
  device = line.substr(0, tab);
  const std::string rest = line.substr(tab + 1);
  return Printable(device) && Printable(rest) && SplitOptionChoice(rest, choice) &&
         choice.value.size() <= kMaxValue;
}

// The last choice of each option, in the order of those last choices.
void KeepLastOfEach(OptionChoices& choices) {
  std::unordered_set<std::string_view> seen;  // views of the names in `kept`
  OptionChoices kept;
  kept.reserve(choices.size());  // no reallocation moves the names seen
  for (auto it = choices.rbegin(); it != choices.rend(); ++it) {
    if (seen.count(it->name)) continue;
    kept.push_back(std::move(*it));
    seen.insert(kept.back().name);
  }
  std::reverse(kept.begin(), kept.end());
  choices = std::move(kept);
}
}  // namespace

bool ReadOptionChoiceLine(const std::string& line, DeviceOptionChoices& out) {
  std::string device;
  OptionChoice choice;
  if (!SplitLine(line, device, choice)) return false;
  KeepChoice(out[device], choice.name, choice.value);
  return true;
}

bool ReadOptionChoiceText(const std::string& text, DeviceOptionChoices& out, int& badLine) {
  // Every line is appended first: replacing earlier choices line by line would take
  // quadratic time.
  DeviceOptionChoices read = out;
  std::string device;
  int lineNo = 0;
  badLine = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    OptionChoice choice;
    if (!SplitLine(line, device, choice)) {  // skipped; the other lines are still read
      if (badLine == 0) badLine = lineNo;
      continue;
    }
    read[device].push_back(std::move(choice));
  }
  for (auto& [name, choices] : read) KeepLastOfEach(choices);
  out = std::move(read);
  return badLine == 0;
}

std::string OptionChoiceLines(const DeviceOptionChoices& choices) {
  std::string text;
  for (const auto& [device, list] : choices) {
    if (!Printable(device)) continue;  // one line each: a control character would end it
    for (const OptionChoice& c : list)
      if (IsOptionName(c.name) && Printable(c.value))
        text += device + '\t' + c.name + '=' + c.value + '\n';
  }
  return text;
}
