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
  const std::filesystem::path p(path);
  return (p.parent_path() / (p.stem().string() + suffix)).string();
}
