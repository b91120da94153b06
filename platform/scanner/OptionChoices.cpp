#include "platform/scanner/OptionChoices.h"

#include <algorithm>

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

bool ReadOptionChoiceLine(const std::string& line, DeviceOptionChoices& out) {
  const size_t tab = line.find('\t');
  if (tab == std::string::npos || tab > kMaxDeviceName) return false;
  const std::string device = line.substr(0, tab), rest = line.substr(tab + 1);
  OptionChoice choice;
  if (!Printable(device) || !Printable(rest) || !SplitOptionChoice(rest, choice) ||
      choice.value.size() > kMaxValue)
    return false;
  KeepChoice(out[device], choice.name, choice.value);
  return true;
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
