#include "platform/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {
FileReader g_testReader = nullptr;
}

void SetFileReaderForTests(FileReader reader) {
  g_testReader = reader;
}

std::optional<std::vector<uint8_t>> ReadFileLimited(const std::string& path, size_t limit,
                                                    bool* truncated) {
  if (g_testReader) return g_testReader(path, limit, truncated);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  // Grown as the file is read: a large limit must not cost its size for every small file.
  std::vector<uint8_t> bytes;
  uint8_t chunk[1 << 16];
  while (bytes.size() <= limit) {
    const size_t n = std::fread(chunk, 1, std::min(sizeof chunk, limit + 1 - bytes.size()), f);
    if (n == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  const bool failed = std::ferror(f) != 0;
  const int error = errno;
  std::fclose(f);
  if (failed) {
    errno = error;  // callers name the cause
    return std::nullopt;
  }
  const size_t n = bytes.size();
  if (truncated) *truncated = n > limit;
  bytes.resize(n > limit ? limit : n);
  return bytes;
}

std::string SideFile(const std::string& path, const char* suffix) {
  const std::filesystem::path p(path);
  return (p.parent_path() / (p.stem().string() + suffix)).string();
}
