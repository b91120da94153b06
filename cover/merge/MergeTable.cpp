#include "cover/merge/MergeTable.h"

#include <algorithm>
#include <array>

#include "cover/text/CoverText.h"
#include "cover/tracks/SourceText.h"
#include "platform/Translate.h"

namespace {
// The delimiter the header line uses most outside quotes; a comma when it uses none.
char FindDelimiter(std::string_view text) {
  std::array<std::size_t, 3> counts{};
  const char candidates[] = {',', ';', '\t'};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    for (int k = 0; k < 3; ++k) counts[k] += c == candidates[k];
  }
  const auto most = std::max_element(counts.begin(), counts.end());
  return *most == 0 ? ',' : candidates[most - counts.begin()];
}

class Reader {
 public:
  Reader(std::string_view text, MergeTable& table, std::string& error)
      : text_(text), table_(table), error_(error) {}

  bool run() {
    table_.delimiter = FindDelimiter(text_);
    while (i_ < text_.size())
      if (!record()) return false;
    if (table_.columns.empty()) return fail(Translate("MergeTable", "has no header line"));
    return true;
  }

 private:
  bool fail(const std::string& why) {
    error_ = why;
    return false;
  }

  // One record from i_; blank lines are skipped.
  bool record() {
    const std::size_t firstLine = line_;
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; i_ < text_.size(); ++i_) {
      const char c = text_[i_];
      const bool lineEnd = c == '\r' || c == '\n';
      if (lineEnd && i_ + 1 < text_.size() && c == '\r' && text_[i_ + 1] == '\n') ++i_;
      if (lineEnd) ++line_;
      if (quoted) {
        if (c == '"' && i_ + 1 < text_.size() && text_[i_ + 1] == '"') {
          fields.back() += '"';
          ++i_;
        } else if (c == '"') {
          quoted = false;
        } else {
          fields.back() += lineEnd ? '\r' : c;
        }
      } else if (c == '"' && fields.back().empty()) {
        quoted = true;
      } else if (c == table_.delimiter) {
        if (fields.size() >= kMaxMergeColumns)
          return fail(FillIn(Translate("MergeTable", "line %1 has more than %2 fields"),
                             {std::to_string(firstLine), std::to_string(kMaxMergeColumns)}));
        fields.emplace_back();
      } else if (lineEnd) {
        ++i_;
        break;
      } else {
        fields.back() += c;
      }
    }
    if (quoted)
      return fail(FillIn(Translate("MergeTable", "the quoted field on line %1 never ends"),
                         {std::to_string(firstLine)}));
    if (fields.size() == 1 && fields[0].empty()) return true;
    return keep(std::move(fields), firstLine);
  }

  bool keep(std::vector<std::string> fields, std::size_t firstLine) {
    const std::size_t width = table_.columns.empty() ? fields.size() : table_.columns.size();
    if (fields.size() > width)
      return fail(FillIn(
          Translate("MergeTable", "line %1 has %2 fields, the header names %3"),
          {std::to_string(firstLine), std::to_string(fields.size()), std::to_string(width)}));
    fields.resize(width);
    stored_ += width;
    if (stored_ > kMaxMergeFields)
      return fail(FillIn(Translate("MergeTable", "holds more than %1 fields"),
                         {std::to_string(kMaxMergeFields)}));
    for (std::string& f : fields) {
      for (std::string& c : UnheldCharacters(f))
        if (std::find(table_.unheld.begin(), table_.unheld.end(), c) == table_.unheld.end())
          table_.unheld.push_back(std::move(c));
      f = ToCoverText(f);
    }
    if (table_.columns.empty())
      table_.columns = std::move(fields);
    else
      table_.lines.push_back(std::move(fields));
    return true;
  }

  std::string_view text_;
  MergeTable& table_;
  std::string& error_;
  std::size_t i_ = 0, line_ = 1, stored_ = 0;
};
}  // namespace

std::map<std::string, std::string> MergeTable::line(std::size_t i) const {
  std::map<std::string, std::string> values;
  for (std::size_t c = 0; c < columns.size(); ++c) values.emplace(columns[c], lines[i][c]);
  return values;
}

bool ParseMergeTable(std::string_view utf8, MergeTable& table, std::string& error) {
  table = {};
  return Reader(utf8, table, error).run();
}

bool ReadMergeTable(const std::string& path, MergeTable& table, std::string& error) {
  std::string text;
  return ReadSourceText(path, text, error, kMaxMergeTableBytes) &&
         ParseMergeTable(text, table, error);
}
