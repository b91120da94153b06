// Lines of the scanner options file: never crash, and what is accepted is written back the same.
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
  return 0;
}
