#include "app/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace {
constexpr size_t kFileBuffer = 64 * 1024;

uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
}  // namespace

bool ByteSource::u16(uint16_t& v) {
  uint8_t b[2];
  if (!read(b, 2)) return false;
  v = static_cast<uint16_t>(b[0] | b[1] << 8);
  return true;
}

bool ByteSource::u32(uint32_t& v) {
  uint8_t b[4];
  if (!read(b, 4)) return false;
  v = Le32(b);
  return true;
}

bool ByteSource::i32(int32_t& v) {
  uint32_t u = 0;
  if (!u32(u)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

bool ByteSource::f64(double& v) {
  uint8_t b[8];
  if (!read(b, 8)) return false;
  const uint64_t bits = uint64_t(Le32(b)) | uint64_t(Le32(b + 4)) << 32;
  v = std::bit_cast<double>(bits);
  return true;
}

bool ByteSource::zstring(std::string& s, size_t maxLength) {
  s.clear();
  for (;;) {
    uint8_t c = 0;
    if (!read(&c, 1)) return false;
    if (c == 0) return true;
    if (s.size() >= maxLength) return false;
    s.push_back(static_cast<char>(c));
  }
}

bool MemorySource::read(void* dst, size_t n) {
  if (n > remaining()) return false;
  if (n) std::memcpy(dst, data_.data() + pos_, n);
  pos_ += n;
  return true;
}

bool MemorySource::zstring(std::string& s, size_t maxLength) {
  const size_t window = std::min<size_t>(remaining(), maxLength + 1);
  const auto* start = data_.data() + pos_;
  const auto* zero = static_cast<const uint8_t*>(std::memchr(start, 0, window));
  if (!zero) return false;
  s.assign(reinterpret_cast<const char*>(start), size_t(zero - start));
  pos_ += size_t(zero - start) + 1;
  return true;
}

FileSource::FileSource(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  size_ = static_cast<uint64_t>(st.st_size);
}

FileSource::~FileSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileSource::fill() {
  if (buf_.empty()) buf_.resize(kFileBuffer);
  bufPos_ = 0;
  bufLen_ = 0;
  for (;;) {
    const ssize_t got = ::read(fd_, buf_.data(), buf_.size());
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bufLen_ = static_cast<size_t>(got);
    return true;
  }
}

bool FileSource::read(void* dst, size_t n) {
  if (fd_ < 0 || n > remaining()) return false;
  auto* out = static_cast<uint8_t*>(dst);
  const size_t total = n;
  while (n > 0) {
    if (bufPos_ < bufLen_) {
      const size_t take = std::min(n, bufLen_ - bufPos_);
      std::memcpy(out, buf_.data() + bufPos_, take);
      bufPos_ += take;
      out += take;
      n -= take;
    } else if (n >= kFileBuffer) {
      const ssize_t got = ::read(fd_, out, n);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      out += got;
      n -= static_cast<size_t>(got);
    } else if (!fill()) {
      return false;
    }
  }
  pos_ += total;
  return true;
}

bool FileSource::zstring(std::string& s, size_t maxLength) {
  s.clear();
  for (;;) {
    if (bufPos_ == bufLen_ && (remaining() == 0 || !fill())) return false;
    const uint8_t* start = buf_.data() + bufPos_;
    const size_t avail = std::min<uint64_t>(bufLen_ - bufPos_, remaining());
    const auto* zero = static_cast<const uint8_t*>(std::memchr(start, 0, avail));
    const size_t take = zero ? size_t(zero - start) : avail;
    if (s.size() + take > maxLength) return false;
    s.append(reinterpret_cast<const char*>(start), take);
    const size_t used = take + (zero ? 1 : 0);
    bufPos_ += used;
    pos_ += used;
    if (zero) return true;
  }
}

void ByteWriter::raw(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  bytes.insert(bytes.end(), p, p + n);
}

void ByteWriter::u16(uint16_t v) {
  bytes.push_back(static_cast<uint8_t>(v));
  bytes.push_back(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u32(uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ByteWriter::f64(double v) {
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

void ByteWriter::zstring(const std::string& s) {
  raw(s.data(), s.size());
  bytes.push_back(0);
}
