#pragma once
// A merge table: a CSV file (comma, semicolon or tab, found from the header line; quoted fields
// may hold line breaks; UTF-8 with or without byte-order mark, else Windows-1252) whose first
// line names the columns; every further line is one printed copy.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxMergeTableBytes = 16 << 20;
inline constexpr std::size_t kMaxMergeColumns = 256;
inline constexpr std::size_t kMaxMergeFields = 1000000;  // the header's and every line's

struct MergeTable {
  std::vector<std::string> columns;             // in the cover's single-byte text
  std::vector<std::vector<std::string>> lines;  // each as long as `columns`; CR between lines
  char delimiter = ',';
  std::vector<std::string> unheld;  // characters the cover text cannot hold, each once (UTF-8)

  // Line `i` (0 = the first after the header) by column name; the first of equal names wins.
  std::map<std::string, std::string> line(std::size_t i) const;
};

// False and the reason (to follow the file's name) when the text is no table.
bool ParseMergeTable(std::string_view utf8, MergeTable& table, std::string& error);
bool ReadMergeTable(const std::string& path, MergeTable& table, std::string& error);
