#include "print/SettingsFile.h"

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
#include "platform/Translate.h"

std::string ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path target(path);
  std::string tmpl =
      (target.parent_path() / (".~" + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0)
    return Translate("SettingsFile", "Cannot write ") + path + ": " + std::strerror(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string why = n < 0 ? std::strerror(errno) : Translate("SettingsFile", "disk full");
      ::close(fd);
      ::unlink(tmpl.c_str());
      return Translate("SettingsFile", "Cannot write ") + path + ": " + why;
    }
    done += static_cast<size_t>(n);
  }
  (void)::fchmod(fd, 0644);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(tmpl.c_str());
    return Translate("SettingsFile", "Cannot write ") + path + ": " + why;
  }
  if (std::rename(tmpl.c_str(), path.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(tmpl.c_str());
    return Translate("SettingsFile", "Cannot write ") + path + ": " + why;
  }
  return {};
}

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
