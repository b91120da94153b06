#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/Translate.h"

namespace fs = std::filesystem;

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)), target_(path_) {
  // Replacing a link writes the file it points to, not a new file in place of the link.
  std::error_code ec;
  if (fs::is_symlink(target_, ec)) {
    const fs::path real = fs::weakly_canonical(target_, ec);
    if (!ec) target_ = real.string();
  }
}

ReplacingFile::~ReplacingFile() {
  discard();
}

void ReplacingFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool ReplacingFile::fail(int error) {
  errno_ = error ? error : EIO;
  failed_ = true;
  discard();
  return false;
}

std::string ReplacingFile::error() const {
  if (notRegular_)
    return Translate("SettingsFile", "Cannot write ") + path_ +
           Translate("SettingsFile", ": it is not a regular file.");
  return Translate("SettingsFile", "Cannot write ") + path_ + ": " + std::strerror(errno_);
}

bool ReplacingFile::open() {
  discard();
  failed_ = notRegular_ = false;
  errno_ = 0;
  const fs::path target(target_);
  const std::string base = target.filename().string();
  if (base.empty()) return fail(EISDIR);
  // A device, FIFO or folder is never replaced by a file of ours.
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    notRegular_ = true;
    return fail(EINVAL);
  }
  // A file the user may not write stays as it is, although its folder would allow a rename.
  if (::access(target_.c_str(), F_OK) == 0 && ::access(target_.c_str(), W_OK) != 0)
    return fail(errno);
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(rd()));
    const std::string name = (target.parent_path() / ("." + base + suffix)).string();
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_ = name;
      struct stat st {};
      if (::stat(target_.c_str(), &st) == 0) ::fchmod(fd_, st.st_mode & 07777);
      return true;
    }
    if (errno != EEXIST) break;
  }
  return fail(errno);
}

bool ReplacingFile::write(const void* data, size_t n) {
  if (failed_ || fd_ < 0) return false;
  const auto* p = static_cast<const char*>(data);
  while (n > 0) {
    const ssize_t done = ::write(fd_, p, n);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return fail(done < 0 ? errno : ENOSPC);
    p += done;
    n -= static_cast<size_t>(done);
  }
  return true;
}

bool ReplacingFile::writeAt(uint64_t offset, const void* data, size_t n) {
  if (failed_ || fd_ < 0) return false;
  const auto* p = static_cast<const char*>(data);
  while (n > 0) {
    const ssize_t done = ::pwrite(fd_, p, n, off_t(offset));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return fail(done < 0 ? errno : ENOSPC);
    p += done;
    offset += uint64_t(done);
    n -= static_cast<size_t>(done);
  }
  return true;
}

bool ReplacingFile::commit() {
  if (failed_ || fd_ < 0) return false;
  if (::fsync(fd_) != 0) return fail(errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return fail(errno);
  if (::rename(temp_.c_str(), target_.c_str()) != 0) return fail(errno);
  temp_.clear();
  return true;
}

std::string WriteFileReplacing(const std::string& path, const void* data, size_t size) {
  ReplacingFile file(path);
  if (file.open() && file.write(data, size) && file.commit()) return {};
  return file.error();
}
