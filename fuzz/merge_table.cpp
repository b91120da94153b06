// Merge tables and text fields: never crash; an accepted table has lines as wide as its header
// within the limits, and a text filled with its first line stays within a text's size.
#include <cstdlib>
#include <string>

#include "cover/merge/MergeTable.h"
#include "cover/merge/TextFields.h"
#include "cover/text/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MergeTable table;
  std::string error;
  if (!ParseMergeTable(text, table, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (table.columns.empty() || table.columns.size() > kMaxMergeColumns) std::abort();
  for (const auto& line : table.lines)
    if (line.size() != table.columns.size()) std::abort();
  const auto first = table.lines.empty() ? std::map<std::string, std::string>() : table.line(0);
  const FieldValues values{1, 2, "1.1.26", &first};
  if (FillFields(text, values).size() > kMaxObjectTextBytes) std::abort();
  for (const std::string& column : table.columns)
    if (FillFields("{" + column + "}", values).size() > kMaxObjectTextBytes) std::abort();
  return 0;
}
