#include "platform/dialogs/FileFilter.h"

#include <cctype>

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
    parts.push_back(filter.substr(start, bar - start));
  parts.push_back(filter.substr(start));
  std::vector<FileFilterEntry> out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilterEntry e{parts[i], {}};
    size_t from = 0;
    for (size_t semi; from <= parts[i + 1].size(); from = semi + 1) {
      semi = parts[i + 1].find(';', from);
      if (semi == std::string::npos) semi = parts[i + 1].size();
      if (semi > from) e.patterns.push_back(parts[i + 1].substr(from, semi - from));
    }
    out.push_back(std::move(e));
  }
  return out;
}

std::string CaseFreePattern(const std::string& pattern) {
  if (pattern == "*.*") return "*";
  std::string out;
  for (const char c : pattern) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u) && u < 0x80) {
      out += '[';
      out += static_cast<char>(std::tolower(u));
      out += static_cast<char>(std::toupper(u));
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}
