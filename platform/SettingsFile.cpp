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

#include "platform/RegularFile.h"

namespace {
FileReader g_testReader = nullptr;
}

void SetFileReaderForTests(FileReader reader) {
  g_testReader = reader;
}

std::optional<std::vector<uint8_t>> ReadFileLimited(const std::string& path, size_t limit,
                                                    bool* truncated) {
  if (g_testReader) return g_testReader(path, limit, truncated);
  return ReadRegularFile(path, limit, truncated);
}

std::string SideFile(const std::string& path, const char* suffix) {
  std::filesystem::path p(path);
  std::error_code ec;
  if (std::filesystem::is_symlink(p, ec)) {  // the side files travel with the file linked to
    const std::filesystem::path target = std::filesystem::canonical(p, ec);
    if (!ec) p = target;
  }
  return (p.parent_path() / (p.stem().string() + suffix)).string();
}
