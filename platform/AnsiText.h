#pragma once
// Texts in cover files and on the device are Windows-1252 bytes; the toolkit speaks UTF-8.
// Single-byte texts also change case here.
#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view ansi);
// Characters without a Windows-1252 code become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// Only A-Z become a-z: file names, keys and identifiers, whatever the system's locale.
std::string AsciiLower(std::string s);
// The extension of a file name with its dot, in lower case (".png"); empty when it has none.
std::string LowerExtension(const std::string& fileName);

// The text with control characters (below 32 and 127) written as \xNN, so that names and tags
// show what they hold and a report stays one line.
std::string EscapeControls(std::string_view text);
