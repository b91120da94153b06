#pragma once
// What the fields of each printed copy stand for: numbers counted from a first number, today's
// date, and with a merge table one of its lines per copy, in order. The Print tab, the print
// command and the Texts tab's "Show values" read the same values here.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "cover/ObjectTable.h"
#include "cover/merge/MergeTable.h"
#include "cover/merge/TextFields.h"

class CopyFields {
 public:
  // With a table every line is one copy; null prints the chosen number of copies.
  void setMerge(std::shared_ptr<const MergeTable> table, std::string file = {});
  const MergeTable* merge() const { return merge_.get(); }
  const std::string& mergeFile() const { return file_; }
  void setFirstNumber(int64_t first) { first_ = first; }
  int64_t firstNumber() const { return first_; }

  // A job starts: its copies print today's date.
  void newJob() { date_.clear(); }
  // The copies a job prints: the merge table's lines, else `copies`.
  int32_t copiesFor(int32_t copies) const;
  // The values of copy `copy` (0 is the first) of a job of `copies`; valid until the next call.
  const FieldValues& values(int32_t copy, int32_t copies);
  // Whether a text of `table` holds a field these values fill.
  bool fills(const ObjectTable& table) const;
  // Why the cover cannot be merged (fields naming no column, with their places); else empty.
  std::string check(const ObjectTable& table) const;
  // The characters of the table the cover's texts cannot hold, as the report lists them.
  std::string replacedNote() const;

 private:
  std::shared_ptr<const MergeTable> merge_;
  std::string file_;
  int64_t first_ = 1;
  std::string date_;
  std::map<std::string, std::string> line_;
  FieldValues values_;
};
