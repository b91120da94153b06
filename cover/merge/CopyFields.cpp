#include "cover/merge/CopyFields.h"

#include <limits>

#include "cover/merge/FilledTexts.h"
#include "cover/text/CoverText.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

void CopyFields::setMerge(std::shared_ptr<const MergeTable> table, std::string file) {
  merge_ = std::move(table);
  file_ = merge_ ? std::move(file) : std::string();
}

int32_t CopyFields::copiesFor(int32_t copies) const {
  if (!merge_) return copies;
  const auto lines = merge_->lines.size();
  return lines > size_t(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                             : static_cast<int32_t>(lines);
}

const FieldValues& CopyFields::values(int32_t copy, int32_t copies) {
  if (date_.empty()) date_ = LocaleToday();  // one date for the whole job
  line_ = merge_ && copy >= 0 && size_t(copy) < merge_->lines.size()
              ? merge_->line(copy)
              : std::map<std::string, std::string>();
  values_ = {first_ + copy, copies, date_, merge_ ? &line_ : nullptr};
  return values_;
}

bool CopyFields::fills(const ObjectTable& table) const {
  return TableHasFields(table, merge_ ? &merge_->columns : nullptr);
}

std::string CopyFields::check(const ObjectTable& table) const {
  if (!merge_) return {};
  const auto places = UnknownFieldPlaces(table, *merge_);
  if (places.empty()) return {};
  std::string text = FillIn(Translate("CopyFields", "These fields name no column of %1:"),
                            {file_.empty() ? Translate("CopyFields", "the merge table") : file_});
  for (const std::string& p : places) text += "\n  " + p;
  return text;
}

std::string CopyFields::replacedNote() const {
  if (!merge_ || merge_->unheld.empty()) return {};
  std::string list;
  for (const std::string& c : merge_->unheld)
    list += (list.empty() ? "" : ", ") + c + " \u2192 " + AnsiToUtf8(ToCoverText(c));
  return FillIn(Translate("CopyFields",
                          "The cover cannot hold these characters of the merge table "
                          "and prints them replaced: %1"),
                {list});
}
