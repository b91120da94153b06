#include "print/templates/BoundedXml.h"

#include <string_view>

#include "platform/Translate.h"

std::string XmlBoundsProblem(const std::vector<uint8_t>& xml) {
  const std::string_view x(reinterpret_cast<const char*>(xml.data()), xml.size());
  const size_t n = x.size();
  size_t i = 0;
  const auto skipPast = [&](std::string_view end) {
    const size_t at = x.find(end, i);
    i = at == std::string_view::npos ? n : at + end.size();
  };
  while ((i = x.find('<', i)) != std::string_view::npos) {
    ++i;
    if (x.substr(i, 3) == "!--") {
      skipPast("-->");
    } else if (x.substr(i, 8) == "![CDATA[") {
      skipPast("]]>");
    } else if (x.substr(i, 1) == "?") {
      skipPast("?>");
    } else {
      // A tag or a declaration: its attributes are the '=' outside quoted values.
      const bool declaration = x.substr(i, 1) == "!";
      int attributes = 0, brackets = 0;
      char quote = 0;
      for (; i < n; ++i) {
        const char c = x[i];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (declaration && (c == '[' || c == ']')) {
          brackets += c == '[' ? 1 : -1;
        } else if (c == '=' && !declaration && ++attributes > kMaxXmlAttributes) {
          return Translate("BoundedXml", "an element has more than ") +
                 std::to_string(kMaxXmlAttributes) + Translate("BoundedXml", " attributes");
        } else if (c == '>' && brackets <= 0) {
          break;
        }
      }
    }
  }
  return {};
}

void ReadNextBounded(QXmlStreamReader& r, int& depth) {
  r.readNext();
  if (r.isEndElement()) --depth;
  if (r.isStartElement() && ++depth > kMaxXmlDepth)
    r.raiseError(
        QString::fromStdString(Translate("BoundedXml", "elements are nested deeper than ") +
                               std::to_string(kMaxXmlDepth)));
}
