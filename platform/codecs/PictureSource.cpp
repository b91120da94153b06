#include "platform/codecs/PictureSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "platform/RegularFile.h"
#include "platform/Translate.h"

namespace {
// Reads until `n` bytes are in or the file ends; -1 on an error.
ssize_t ReadFully(int fd, uint64_t at, uint8_t* to, size_t n) {
  size_t done = 0;
  while (done < n) {
    const ssize_t got = ::pread(fd, to + done, n - done, off_t(at + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += size_t(got);
  }
  return ssize_t(done);
}
}  // namespace

size_t PictureSource::read(uint64_t at, uint8_t* to, size_t n) {
  if (at >= size_) return 0;
  n = size_t(std::min<uint64_t>(n, size_ - at));
  if (memory_.data) return std::memcpy(to, memory_.data + at, n), n;
  if (whole_) return std::memcpy(to, whole_.get() + at, n), n;
  size_t done = 0;
  while (done < n) {
    const uint64_t pos = at + done;
    if (pos >= blockAt_ && pos < blockAt_ + blockBytes_) {
      const size_t part = std::min(n - done, size_t(blockAt_ + blockBytes_ - pos));
      std::memcpy(to + done, block_.get() + (pos - blockAt_), part);
      done += part;
      continue;
    }
    if (n - done >= kBlockBytes) {  // large reads go straight into the reader's buffer
      const ssize_t got = ReadFully(fd_, pos, to + done, n - done);
      if (got < 0) readError_ = readError_ ? readError_ : errno;
      return got < 0 ? done : done + size_t(got);
    }
    if (!block_) block_.reset(new uint8_t[kBlockBytes]);
    const ssize_t got = ReadFully(fd_, pos, block_.get(), kBlockBytes);
    if (got < 0) readError_ = readError_ ? readError_ : errno;
    blockAt_ = pos, blockBytes_ = got < 0 ? 0 : size_t(got);
    if (blockBytes_ == 0) break;  // the file ended early or cannot be read
  }
  return done;
}

bool PictureSource::whole(ByteView& view, std::string& error) {
  if (memory_.data || size_ == 0) return view = memory_, true;
  if (!whole_) {
    whole_.reset(new (std::nothrow) uint8_t[size_]);
    if (!whole_)
      return error = Translate("PictureFile", "there is not enough memory to read the file"), false;
    const ssize_t got = ReadFully(fd_, 0, whole_.get(), size_);
    if (got < 0) return whole_.reset(), error = FileErrorText(errno), false;
    size_ = uint64_t(got);  // the file shrank while being read
    block_.reset(), blockBytes_ = 0;
  }
  view = ByteView{whole_.get(), size_t(size_)};
  return true;
}
