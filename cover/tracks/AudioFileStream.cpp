#include "cover/tracks/AudioFileStream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/RegularFile.h"

AudioFileStream::AudioFileStream(const std::string& path, uint64_t budget)
    : path_(path), budget_(budget) {
  fd_ = OpenRegularFile(path);
  struct stat st {};
  if (fd_ >= 0 && ::fstat(fd_, &st) == 0) size_ = uint64_t(st.st_size);
}

AudioFileStream::~AudioFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

TagLib::ByteVector AudioFileStream::readBlock(unsigned long length) {
  if (fd_ < 0 || pos_ >= size_) return {};
  uint64_t want = std::min<uint64_t>(length, size_ - pos_);
  if (want > budget_ - read_) {
    want = budget_ - read_;
    exhausted_ = true;  // to TagLib the file ends here
  }
  TagLib::ByteVector out(static_cast<unsigned int>(want), 0);
  size_t done = 0;
  while (done < want) {
    const ssize_t n = ::pread(fd_, out.data() + done, want - done, off_t(pos_ + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += size_t(n);
  }
  out.resize(static_cast<unsigned int>(done));
  pos_ += done;
  read_ += done;
  return out;
}

void AudioFileStream::seek(long offset, Position p) {
  const int64_t base = p == Beginning ? 0 : p == Current ? int64_t(pos_) : int64_t(size_);
  pos_ = uint64_t(std::max<int64_t>(0, base + offset));
}
