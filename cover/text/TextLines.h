#pragma once
// Object texts hold their lines separated by single carriage returns; the line editor shows lines.
#include <QtGlobal>
#include <cstddef>
#include <string>
#include <vector>

// Each carriage return ends a line; one at the very end adds no empty line; "" gives no lines.
std::vector<std::string> TextToLines(const std::string& text);
// Lines joined with one carriage return between consecutive lines and none after the last.
std::string LinesToText(const std::vector<std::string>& lines);

// Longest object text (Windows-1252 bytes, line breaks included) a design can hold.
constexpr size_t kMaxObjectTextBytes = 64 * 1024;
inline constexpr char kTextTooLongMessage[] = QT_TRANSLATE_NOOP(
    "TextLines",
    "The text is too long: a text may hold at most 65536 characters, line breaks included.");
// The text the line editor stores: empty lines at the end (a trailing line break) are dropped,
// so the text never ends in a carriage return and editing it again stores the same bytes.
std::string EnteredText(std::vector<std::string> lines);
