#pragma once
// File dialog filters ("desc|pattern;pattern|desc|pattern") and how their patterns match.
#include <string>
#include <vector>

struct FileFilterEntry {
  std::string label;                  // shown to the user as written
  std::vector<std::string> patterns;  // "*.JPG", "*.*"
};

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

// The pattern as a case-sensitive matcher must get it: letters in both cases ("*.[jJ][pP][gG]"),
// and "*.*", which means all files, as "*" so that names without a dot are shown too.
std::string CaseFreePattern(const std::string& pattern);
