#include "cover/tracks/SourceText.h"

#include <cerrno>

#include "platform/AnsiText.h"
#include "platform/RegularFile.h"
#include "platform/Translate.h"

namespace {
bool IsUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    std::size_t len = c < 0x80             ? 1
                      : (c & 0xE0) == 0xC0 ? 2
                      : (c & 0xF0) == 0xE0 ? 3
                      : (c & 0xF8) == 0xF0 ? 4
                                           : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}
}  // namespace

bool ReadSourceText(const std::string& path, std::string& text, std::string& error,
                    std::size_t limit) {
  bool tooLarge = false;
  const auto read = ReadRegularFile(path, limit, &tooLarge);
  if (!read) {
    error = Translate("SourceText", "cannot be opened") + " (" + FileErrorText(errno) + ")";
    return false;
  }
  std::string bytes(read->begin(), read->end());
  if (tooLarge) {
    error = FillIn(Translate("SourceText", "is larger than %1 MB"), {std::to_string(limit >> 20)});
    return false;
  }
  if (bytes.find('\0') != std::string::npos) {
    error = Translate("SourceText", "is not a text file");
    return false;
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  text = IsUtf8(bytes) ? bytes : AnsiToUtf8(bytes);
  return true;
}
