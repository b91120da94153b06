#pragma once
// Fields in a cover text, filled in per printed copy: {n} the copy's number, {N} the number of
// copies, {n:03} with leading zeros, {date} the print date, {NAME} a column of the merge table;
// {{ and }} are braces. A text with no field is printed exactly as written, braces and all.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// What the fields of one copy stand for; texts are the cover's single-byte text.
struct FieldValues {
  int64_t number = 1;  // the copy's number
  int64_t count = 1;   // how many copies the job prints
  std::string date;    // the print date as the user's locale writes it
  const std::map<std::string, std::string>* columns = nullptr;  // the merge line, by column
};

// One field of a text: its name as written ("n", "N", "date", a column) and where it starts.
struct FieldUse {
  std::string name;
  std::size_t offset = 0;
  int width = 0;  // digits of a number field; 0 when none was asked for
};

// The fields of `text`. `columns` names the merge table's columns (null: none); a name that is
// neither a number, the date nor one of them is no field and stays as written.
std::vector<FieldUse> FieldsIn(std::string_view text,
                               const std::vector<std::string>* columns = nullptr);
// Names in braces that look like a column but name none of `columns`, for the report before a
// merge prints.
std::vector<FieldUse> UnknownColumns(std::string_view text,
                                     const std::vector<std::string>& columns);
// The text with every field filled in; a text without fields comes back unchanged.
std::string FillFields(std::string_view text, const FieldValues& values);
