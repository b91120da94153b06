#pragma once
// Reading the small settings files whole, the names of the files kept beside them, and the
// little-endian fields of their records. They are written with WriteFileReplacing.
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

// A file kept beside `path`: its name without extension plus `suffix` ("paper.dat" ->
// "paper-next.dat"). Beside the file a symbolic link names, so they stay together.
std::string SideFile(const std::string& path, const char* suffix);

// Reads at most `limit` bytes; nullopt (errno tells why, FileErrorText in words) when the file
// cannot be opened or read or is a device or pipe. `truncated` tells whether the file held more.
std::optional<std::vector<uint8_t>> ReadFileLimited(const std::string& path, size_t limit,
                                                    bool* truncated = nullptr);

// Tests replace the reader of ReadFileLimited to inject read errors; nullptr restores it.
using FileReader = std::optional<std::vector<uint8_t>> (*)(const std::string& path, size_t limit,
                                                           bool* truncated);
void SetFileReaderForTests(FileReader reader);

// The unsigned integer as wide as a field of N bytes.
template <size_t N>
using FieldBits = std::conditional_t<
    N == 1, uint8_t,
    std::conditional_t<N == 2, uint16_t, std::conditional_t<N == 4, uint32_t, uint64_t>>>;

// Appends the fields of a record, each little-endian whatever the machine.
class FieldWriter {
 public:
  template <typename T>
  void put(T v) {
    putAt(bytes_.size(), v);
  }
  void putBytes(const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
  }
  // Writes a field at `at` (within or right after the bytes): a count known only at the end.
  template <typename T>
  void putAt(size_t at, T v) {
    static_assert(std::is_arithmetic_v<T>);
    if (bytes_.size() < at + sizeof v) bytes_.resize(at + sizeof v);
    auto u = std::bit_cast<FieldBits<sizeof v>>(v);
    for (size_t i = 0; i < sizeof v; ++i, u = FieldBits<sizeof v>(u >> 8))
      bytes_[at + i] = uint8_t(u & 0xFF);
  }
  size_t size() const { return bytes_.size(); }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Takes the fields of a record in order; a field past the end is refused, never read.
class FieldReader {
 public:
  FieldReader(const uint8_t* data, size_t size) : p_(data), n_(size) {}
  explicit FieldReader(const std::vector<uint8_t>& bytes) : p_(bytes.data()), n_(bytes.size()) {}
  // False, taking nothing, when the bytes end before the field does.
  template <typename T>
  bool get(T& v) {
    static_assert(std::is_arithmetic_v<T>);
    if (left() < sizeof v) return false;
    FieldBits<sizeof v> u = 0;
    for (size_t i = sizeof v; i-- > 0;) u = FieldBits<sizeof v>((uint64_t(u) << 8) | p_[at_ + i]);
    v = std::bit_cast<T>(u);
    at_ += sizeof v;
    return true;
  }
  bool getBytes(void* out, size_t n) {
    if (left() < n) return false;
    std::memcpy(out, p_ + at_, n);
    at_ += n;
    return true;
  }
  bool skip(size_t n) {
    if (left() < n) return false;
    at_ += n;
    return true;
  }
  const uint8_t* here() const { return p_ + at_; }
  size_t left() const { return n_ - at_; }

 private:
  const uint8_t* p_;
  size_t n_, at_ = 0;
};
