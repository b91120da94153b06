#include "cover/merge/TextFields.h"

#include <algorithm>

#include "cover/text/TextLines.h"

namespace {
constexpr std::size_t kMaxFieldName = 64;
constexpr int kMaxWidth = 18;

// A piece of a text: plain bytes, or the inside of one pair of braces.
struct Piece {
  std::string_view text;
  bool braced = false;
  std::size_t offset = 0;
};

// Splits `text` at its braces; {{ and }} become one brace each.
template <typename F>
void ForEachPiece(std::string_view text, F&& f) {
  std::size_t i = 0, plain = 0;
  auto flush = [&](std::size_t end) {
    if (end > plain) f(Piece{text.substr(plain, end - plain), false, plain});
  };
  while (i < text.size()) {
    const char c = text[i];
    if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
      flush(i + 1);  // keeps one of the two braces
      plain = i + 2;
      i += 2;
      continue;
    }
    if (c == '{') {
      const std::size_t close = text.find_first_of("{}\r\n", i + 1);
      if (close != std::string_view::npos && text[close] == '}' && close > i + 1 &&
          close - i - 1 <= kMaxFieldName) {
        flush(i);
        f(Piece{text.substr(i + 1, close - i - 1), true, i});
        plain = i = close + 1;
        continue;
      }
    }
    ++i;
  }
  flush(text.size());
}

// The field a braced name is, given the columns; empty name when it is none.
FieldUse Classify(std::string_view inside, std::size_t offset,
                  const std::vector<std::string>* columns) {
  FieldUse use{std::string(inside), offset, 0};
  if (inside == "date") return use;
  if (!inside.empty() && (inside[0] == 'n' || inside[0] == 'N')) {
    if (inside.size() == 1) return use;
    const std::string_view digits = inside.substr(2);
    if (inside[1] == ':' && !digits.empty() && digits.size() <= 2 &&
        std::all_of(digits.begin(), digits.end(), [](char d) { return d >= '0' && d <= '9'; })) {
      use.name.assign(1, inside[0]);
      use.width = std::min(kMaxWidth, std::stoi(std::string(digits)));
      return use;
    }
  }
  if (columns && std::find(columns->begin(), columns->end(), inside) != columns->end()) return use;
  use.name.clear();
  return use;
}

std::string Number(int64_t value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

std::vector<std::string> ColumnNames(const FieldValues& v) {
  std::vector<std::string> names;
  if (v.columns)
    for (const auto& [name, value] : *v.columns) names.push_back(name);
  return names;
}
}  // namespace

std::vector<FieldUse> FieldsIn(std::string_view text, const std::vector<std::string>* columns) {
  std::vector<FieldUse> found;
  ForEachPiece(text, [&](const Piece& p) {
    if (!p.braced) return;
    FieldUse use = Classify(p.text, p.offset, columns);
    if (!use.name.empty()) found.push_back(std::move(use));
  });
  return found;
}

std::vector<FieldUse> UnknownColumns(std::string_view text,
                                     const std::vector<std::string>& columns) {
  std::vector<FieldUse> unknown;
  ForEachPiece(text, [&](const Piece& p) {
    if (p.braced && Classify(p.text, p.offset, &columns).name.empty())
      unknown.push_back({std::string(p.text), p.offset, 0});
  });
  return unknown;
}

std::string FillFields(std::string_view text, const FieldValues& values) {
  const std::vector<std::string> columns = ColumnNames(values);
  if (FieldsIn(text, &columns).empty()) return std::string(text);
  std::string out;
  ForEachPiece(text, [&](const Piece& p) {
    if (!p.braced) {
      out += p.text;
      return;
    }
    const FieldUse use = Classify(p.text, p.offset, &columns);
    if (use.name.empty())
      out.append("{").append(p.text).append("}");
    else if (use.name == "n")
      out += Number(values.number, use.width);
    else if (use.name == "N")
      out += Number(values.count, use.width);
    else if (use.name == "date")
      out += values.date;
    else
      out += values.columns->at(use.name);
  });
  if (out.size() > kMaxObjectTextBytes) out.resize(kMaxObjectTextBytes);
  return out;
}
