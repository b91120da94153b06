#include "app/coverfile/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

#include "platform/RegularFile.h"

namespace {
constexpr size_t kFileBuffer = 64 * 1024;
// Below this a second thread costs more than it saves.
constexpr size_t kSharedReadBytes = size_t(8) << 20;

bool PreadAll(int fd, uint8_t* dst, size_t n, uint64_t offset) {
  while (n > 0) {
    const ssize_t got = ::pread(fd, dst, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    dst += got;
    offset += static_cast<uint64_t>(got);
    n -= static_cast<size_t>(got);
  }
  return true;
}

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

bool ByteSource::readBlocks(uint8_t* dst, size_t n, size_t block, const BlockReached& reached) {
  block = std::max<size_t>(block, 1);
  for (size_t begin = 0; begin < n; begin += block) {
    const size_t end = std::min(n, begin + block);
    reached(end);
    if (!read(dst + begin, end - begin)) return false;
  }
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
  fd_ = OpenRegularFile(path);
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
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

bool FileSource::readBlocks(uint8_t* dst, size_t n, size_t block, const BlockReached& reached) {
  static const bool twoCores = std::thread::hardware_concurrency() > 1;
  if (fd_ < 0 || n > remaining()) return false;
  if (n < kSharedReadBytes || !twoCores) return ByteSource::readBlocks(dst, n, block, reached);
  block = std::max<size_t>(block, 1);
  // Bytes already buffered open the first block; the rest is read at its place in the file.
  const size_t head = std::min(n, bufLen_ - bufPos_);
  if (head) std::memcpy(dst, buf_.data() + bufPos_, head);
  bufPos_ = bufLen_ = 0;
  const uint64_t fileStart = pos_ + head;
  const size_t blocks = (n + block - 1) / block;
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  auto work = [&](bool report) {
    for (size_t k; !failed.load(std::memory_order_relaxed) && (k = next.fetch_add(1)) < blocks;) {
      const size_t begin = std::max(k * block, head), end = std::min(n, (k + 1) * block);
      if (report) reached(end);
      if (begin < end && !PreadAll(fd_, dst + begin, end - begin, fileStart + (begin - head)))
        failed = true;
    }
  };
  std::thread helper;
  try {
    helper = std::thread(work, false);
  } catch (const std::system_error&) {
    // Without a helper this thread reads every block.
  }
  work(true);
  reached(n);
  if (helper.joinable()) helper.join();
  pos_ += n;
  const off_t after = static_cast<off_t>(fileStart + (n - head));
  return !failed && ::lseek(fd_, after, SEEK_SET) == after;
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
