#include "cover/text/TextLines.h"

std::vector<std::string> TextToLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const auto cr = text.find('\r', start);
    if (cr == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, cr - start));
    start = cr + 1;
  }
  return lines;
}

std::string LinesToText(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\r';
    text += lines[i];
  }
  return text;
}

std::string EnteredText(std::vector<std::string> lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return LinesToText(lines);
}
