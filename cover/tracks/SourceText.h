#pragma once
// Cue sheets and playlists are small text files in UTF-8 or in the Windows code page.
#include <cstddef>
#include <string>

// Largest cue sheet or playlist read.
inline constexpr std::size_t kMaxSourceTextBytes = 1 << 20;

// Reads the file as UTF-8 text: a byte-order mark is dropped, text that is not UTF-8 is
// taken as Windows-1252. False and a reason when it is missing, too large or not text.
bool ReadSourceText(const std::string& path, std::string& text, std::string& error,
                    std::size_t limit = kMaxSourceTextBytes);
// The text's lines without their CR or LF ends.
template <typename F>
void ForEachLine(const std::string& text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    f(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}
