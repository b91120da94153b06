#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/Translate.h"

int OpenRegularFile(const std::string& path) {
  // Not blocking: opening a pipe would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  int err = 0;
  if (::fstat(fd, &st) != 0)
    err = errno;
  else if (S_ISDIR(st.st_mode))
    err = EISDIR;
  else if (!S_ISREG(st.st_mode))
    err = kNotRegularFile;
  if (err == 0) return fd;
  ::close(fd);
  errno = err;
  return -1;
}

std::string FileErrorText(int err) {
  switch (err) {
    case ENOENT:
      return Translate("RegularFile", "the file does not exist");
    case EACCES:
    case EPERM:
      return Translate("RegularFile", "access is denied");
    case ENOSPC:
      return Translate("RegularFile", "the disk is full");
    case EISDIR:
      return Translate("RegularFile", "it is a folder");
    case EROFS:
      return Translate("RegularFile", "the medium is read-only");
    case kNotRegularFile:
      return Translate("RegularFile", "it is not a file but a device or a pipe");
    default:
      return std::strerror(err);
  }
}

std::string WhyNotWritable(const std::string& path) {
  const std::filesystem::path p(path);
  const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 && errno == ENOENT)
    return Translate("RegularFile", "the folder ") + folder +
           Translate("RegularFile", " does not exist");
  if (::stat(folder.c_str(), &st) != 0)
    return Translate("RegularFile", "the folder ") + folder +
           Translate("RegularFile", " cannot be reached: ") + FileErrorText(errno);
  if (!S_ISDIR(st.st_mode)) return folder + Translate("RegularFile", " is not a folder");
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return Translate("RegularFile", "the folder ") + folder +
           Translate("RegularFile", " cannot be written in: ") + FileErrorText(errno);
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return FileErrorText(EISDIR);
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
    return FileErrorText(errno);
  return {};
}

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t limit,
                                                    bool* truncated) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return std::nullopt;
  // Grown as the file is read: a large limit must not cost its size for every small file.
  std::vector<uint8_t> bytes;
  uint8_t chunk[1 << 16];
  int error = 0;
  while (bytes.size() <= limit) {
    const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit + 1 - bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  ::close(fd);
  if (error) {
    errno = error;  // callers name the cause
    return std::nullopt;
  }
  const size_t n = bytes.size();
  if (truncated) *truncated = n > limit;
  bytes.resize(std::min(n, limit));
  return bytes;
}
