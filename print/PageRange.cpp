#include "print/PageRange.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/Translate.h"

namespace {
// Reads digits at `at`; false when there are none or the number is absurdly long.
bool ReadNumber(const std::string& s, size_t& at, int64_t& v) {
  const size_t start = at;
  v = 0;
  while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])) && at - start < 9)
    v = v * 10 + (s[at++] - '0');
  return at > start && (at == s.size() || !std::isdigit(static_cast<unsigned char>(s[at])));
}

void SkipSpaces(const std::string& s, size_t& at) {
  while (at < s.size() && s[at] == ' ') ++at;
}

// Whole sentences for each kind of number, so that a translation needs no pieces.
struct ListTexts {
  const char* malformed;  // %1 the text
  const char* none;
  const char* outside;  // %1 the number, %2 the last one
};
const ListTexts kPageTexts{
    QT_TRANSLATE_NOOP("PageRange", "\"%1\" is no list of pages such as 2-3,5"),
    QT_TRANSLATE_NOOP("PageRange", "no page given"),
    QT_TRANSLATE_NOOP("PageRange", "there is no page %1; the pages are 1 to %2")};
const ListTexts kPositionTexts{
    QT_TRANSLATE_NOOP("PageRange", "\"%1\" is no list of positions such as 2-3,5"),
    QT_TRANSLATE_NOOP("PageRange", "no position given"),
    QT_TRANSLATE_NOOP("PageRange", "there is no position %1; the positions are 1 to %2")};

// `pattern` in the program's language with %1 and %2 filled in.
std::string Fill(const char* pattern, const std::string& one, const std::string& two = {}) {
  std::string text = Translate("PageRange", pattern);
  for (const auto& [mark, value] : {std::pair{"%1", one}, std::pair{"%2", two}})
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, 2, value);
  return text;
}
}  // namespace

NumberListParse ParseNumberList(const std::string& text, int32_t limit, NumberListOf what) {
  NumberListParse r;
  const ListTexts& texts = what == NumberListOf::Pages ? kPageTexts : kPositionTexts;
  const std::string malformed = Fill(texts.malformed, text);
  size_t at = 0;
  SkipSpaces(text, at);
  if (at == text.size()) {
    r.error = Fill(texts.none, {});
    return r;
  }
  while (at < text.size()) {
    int64_t from = 0, to = 0;
    SkipSpaces(text, at);
    if (!ReadNumber(text, at, from)) {
      r.error = malformed;
      return r;
    }
    to = from;
    SkipSpaces(text, at);
    if (at < text.size() && text[at] == '-') {
      ++at;
      SkipSpaces(text, at);
      if (!ReadNumber(text, at, to) || to < from) {
        r.error = malformed;
        return r;
      }
      SkipSpaces(text, at);
    }
    if (from < 1 || to > limit) {
      r.error = Fill(texts.outside, std::to_string(from < 1 ? from : to), std::to_string(limit));
      return r;
    }
    for (int64_t n = from; n <= to; ++n) r.numbers.push_back(static_cast<int32_t>(n - 1));
    if (at < text.size() && text[at] != ',') {
      r.error = malformed;
      return r;
    }
    if (at < text.size() && ++at == text.size()) {  // a comma must be followed by a number
      r.error = malformed;
      return r;
    }
  }
  std::sort(r.numbers.begin(), r.numbers.end());
  r.numbers.erase(std::unique(r.numbers.begin(), r.numbers.end()), r.numbers.end());
  return r;
}
