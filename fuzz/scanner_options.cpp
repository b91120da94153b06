// Lines of the scanner options file: never crash, what is accepted is written back the same,
// and the whole file read at once equals its lines read one by one.
#include <cstdlib>
#include <string>

#include "platform/scanner/OptionChoices.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  DeviceOptionChoices read;
  size_t start = 0;
  for (size_t end; start <= text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ReadOptionChoiceLine(text.substr(start, end - start), read);
  }
  const std::string lines = OptionChoiceLines(read);
  DeviceOptionChoices again;
  start = 0;
  for (size_t end; (end = lines.find('\n', start)) != std::string::npos; start = end + 1)
    if (!ReadOptionChoiceLine(lines.substr(start, end - start), again)) std::abort();
  for (const auto& [device, list] : read)
    if (!list.empty() && again[device] != list) std::abort();
  // The whole file read at once gives what its lines read in turn give.
  DeviceOptionChoices whole, byLine;
  int badLine = 0;
  if (ReadOptionChoiceText(text, whole, badLine)) {
    start = 0;
    for (size_t end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] != '#' && !ReadOptionChoiceLine(line, byLine)) std::abort();
    }
    if (whole != byLine) std::abort();
  } else if (badLine < 1) {
    std::abort();
  }
  return 0;
}
