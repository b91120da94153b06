#pragma once
// The cover stores one byte per character (Windows-1252); texts from outside are UTF-8.
#include <string>
#include <string_view>
#include <vector>

// Characters Windows-1252 lacks become their nearest letter ("ł" to "l", "ő" to "o"), a
// plain dash, quote or blank for typographic ones, or '?'.
std::string ToCoverText(std::string_view utf8);
// The characters the cover cannot hold as they are, each once, in order of appearance.
std::vector<std::string> UnheldCharacters(std::string_view utf8);
