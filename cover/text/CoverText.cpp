#include "cover/text/CoverText.h"

#include <algorithm>
#include <cstdint>

#include "platform/AnsiText.h"

namespace {
// Base letters of U+0100..U+024F and U+1E00..U+1EFF; '?' where there is none.
constexpr std::string_view kLatinExtended =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"
    "bB??????c?D?d????F?G???IKkl??Nn?Oo??Pp?????tTtTUu?VYyZz?????????"
    "?????????????AaIiOoUuUuUuUuUu?AaAa??GgGgKkOoOo??j???Gg??NnAa????"
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt??Hh?d??ZzAaEeOoOoOoOoYylntj??ACcLTs"
    "z??BU?EeJj?qRrYy";
constexpr std::string_view kLatinAdditional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
    "WwWwWwWwWwXxXxYyZzZzZzhtwy??????AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy??????";

char Nearest(uint32_t cp) {
  if (cp >= 0x100 && cp < 0x100 + kLatinExtended.size()) return kLatinExtended[cp - 0x100];
  if (cp >= 0x1E00 && cp < 0x1E00 + kLatinAdditional.size()) return kLatinAdditional[cp - 0x1E00];
  if ((cp >= 0x2010 && cp <= 0x2012) || cp == 0x2015 || cp == 0x2212) return '-';
  if ((cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F) return ' ';
  if (cp == 0x2032) return '\'';
  if (cp == 0x2033) return '"';
  if (cp == 0x2044) return '/';
  return '?';
}

// Calls f(character's bytes, code point) for each UTF-8 character; damaged bytes give 0xFFFD.
template <typename F>
void ForEachCharacter(std::string_view s, F&& f) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    std::size_t len = c < 0x80             ? 1
                      : (c & 0xE0) == 0xC0 ? 2
                      : (c & 0xF0) == 0xE0 ? 3
                      : (c & 0xF8) == 0xF0 ? 4
                                           : 1;
    len = std::min(len, s.size() - i);
    uint32_t cp = len == 1 ? (c < 0x80 ? c : 0xFFFD) : c & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k)
      cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    f(s.substr(i, len), cp);
    i += len;
  }
}

// The byte Windows-1252 has for the character, or nothing.
bool Held(std::string_view character, uint32_t cp, char& byte) {
  const std::string ansi = Utf8ToAnsi(character);
  byte = ansi.size() == 1 ? ansi[0] : '?';
  return cp == '?' || byte != '?';
}
}  // namespace

std::string ToCoverText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ForEachCharacter(utf8, [&](std::string_view ch, uint32_t cp) {
    char byte;
    out += Held(ch, cp, byte) ? byte : Nearest(cp);
  });
  return out;
}

std::vector<std::string> UnheldCharacters(std::string_view utf8) {
  std::vector<std::string> out;
  ForEachCharacter(utf8, [&](std::string_view ch, uint32_t cp) {
    char byte;
    if (!Held(ch, cp, byte) && std::find(out.begin(), out.end(), ch) == out.end())
      out.emplace_back(ch);
  });
  return out;
}
