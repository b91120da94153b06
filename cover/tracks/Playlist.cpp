#include "cover/tracks/Playlist.h"

#include <filesystem>

#include "cover/tracks/SourceText.h"

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string DecodeFileUrl(const std::string& url) {
  std::string path = url.substr(7);  // after "file://"
  if (path.rfind("localhost/", 0) == 0) path.erase(0, 9);
  std::string out;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const int hi = path[i] == '%' && i + 2 < path.size() ? HexValue(path[i + 1]) : -1;
    const int lo = hi >= 0 ? HexValue(path[i + 2]) : -1;
    if (lo >= 0) {
      out += char(hi * 16 + lo);
      i += 2;
    } else {
      out += path[i];
    }
  }
  return out;
}

std::string Trimmed(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}
}  // namespace

std::vector<std::string> ParsePlaylist(const std::string& text, const std::string& folder,
                                       bool* tooMany) {
  std::vector<std::string> entries;
  if (tooMany) *tooMany = false;
  ForEachLine(text, [&](const std::string& raw) {
    std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') return;
    if (entries.size() == kMaxPlaylistEntries) {
      if (tooMany) *tooMany = true;
      return;
    }
    if (line.rfind("file://", 0) == 0) {
      line = DecodeFileUrl(line);
    } else {
      for (char& c : line)
        if (c == '\\') c = '/';
    }
    std::filesystem::path p(line);
    if (p.is_relative()) p = std::filesystem::path(folder) / p;
    entries.push_back(p.lexically_normal().string());
  });
  return entries;
}
