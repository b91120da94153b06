#include "print/PageRange.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cctype>

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
}  // namespace

NumberListParse ParseNumberList(const std::string& text, int32_t limit, const std::string& what) {
  NumberListParse r;
  const std::string malformed = "\"" + text + Translate("PageRange", "\" is no list of ") + what +
                                Translate("PageRange", "s such as 2-3,5");
  size_t at = 0;
  SkipSpaces(text, at);
  if (at == text.size()) {
    r.error = "no " + what + " given";
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
      r.error = Translate("PageRange", "there is no ") + what + " " +
                std::to_string(from < 1 ? from : to) + Translate("PageRange", "; the ") + what +
                Translate("PageRange", "s are 1 to ") + std::to_string(limit);
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
