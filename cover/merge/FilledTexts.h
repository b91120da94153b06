#pragma once
// The texts of a cover with their fields filled in for one printed copy.
#include <string>
#include <vector>

#include "cover/ObjectTable.h"
#include "cover/merge/MergeTable.h"
#include "cover/merge/TextFields.h"

// True when a text of the table holds a field (with `columns` as the merge table's, if any).
bool TableHasFields(const ObjectTable& table, const std::vector<std::string>* columns = nullptr);

// One line per braced name in a text that names no column of the table: where it is and what,
// for the report before a merge prints. Empty when every field is known.
std::vector<std::string> UnknownFieldPlaces(const ObjectTable& table, const MergeTable& merge);

// Fills the fields of every text of `table` while it lives and puts the texts back after, so a
// copy is drawn with its values and the document keeps its fields.
class FilledTexts {
 public:
  FilledTexts(ObjectTable& table, const FieldValues& values);
  ~FilledTexts();
  FilledTexts(const FilledTexts&) = delete;
  FilledTexts& operator=(const FilledTexts&) = delete;

 private:
  ObjectTable& table_;
  std::vector<std::pair<int, std::string>> written_;  // slot and its text as written
};
