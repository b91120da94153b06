#include "cover/merge/FilledTexts.h"

#include <algorithm>

#include "platform/Translate.h"

namespace {
template <typename F>
void ForEachText(const ObjectTable& table, F&& f) {
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
    if (table.occupied(slot) && table[slot].Kind == kText) f(slot, table[slot].Text);
}
}  // namespace

bool TableHasFields(const ObjectTable& table, const std::vector<std::string>* columns) {
  bool found = false;
  ForEachText(table, [&](int, const std::string& text) {
    found = found || !FieldsIn(text, columns).empty();
  });
  return found;
}

std::vector<std::string> UnknownFieldPlaces(const ObjectTable& table, const MergeTable& merge) {
  std::vector<std::string> places;
  ForEachText(table, [&](int slot, const std::string& text) {
    for (const FieldUse& use : UnknownColumns(text, merge.columns)) {
      const auto line = 1 + std::count(text.begin(), text.begin() + use.offset, '\r');
      places.push_back(FillIn(Translate("FilledTexts", "object %1, line %2: {%3}"),
                              {std::to_string(slot), std::to_string(line), use.name}));
    }
  });
  return places;
}

FilledTexts::FilledTexts(ObjectTable& table, const FieldValues& values) : table_(table) {
  ForEachText(table, [&](int slot, const std::string& text) {
    std::string filled = FillFields(text, values);
    if (filled == text) return;
    written_.emplace_back(slot, text);
    table_[slot].Text = std::move(filled);
  });
}

FilledTexts::~FilledTexts() {
  for (auto& [slot, text] : written_) table_[slot].Text = std::move(text);
}
