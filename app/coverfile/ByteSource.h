#pragma once
// Bounded little-endian readers over a memory buffer or an open file, for the file readers.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

using ByteSpan = std::span<const uint8_t>;

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies exactly n bytes to dst; false when fewer remain.
  virtual bool read(void* dst, size_t n) = 0;
  // Bytes not read yet.
  virtual uint64_t remaining() const = 0;
  // Reads exactly n bytes to dst in blocks of `block` bytes counted from dst. reached(end) runs on
  // the calling thread with increasing ends before the bytes up to `end` are complete, the last
  // time with end = n.
  using BlockReached = std::function<void(size_t end)>;
  virtual bool readBlocks(uint8_t* dst, size_t n, size_t block, const BlockReached& reached);

  bool u8(uint8_t& v) { return read(&v, 1); }
  bool u16(uint16_t& v);
  bool u32(uint32_t& v);
  bool i32(int32_t& v);
  bool f64(double& v);
  // Bytes up to a zero byte (which is consumed, not kept); false without a zero within maxLength.
  virtual bool zstring(std::string& s, size_t maxLength);
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(ByteSpan data) : data_(data) {}
  bool read(void* dst, size_t n) override;
  uint64_t remaining() const override { return data_.size() - pos_; }
  bool zstring(std::string& s, size_t maxLength) override;

 private:
  ByteSpan data_;
  size_t pos_ = 0;
};

// Reads a file through its own buffer; large reads go straight to the destination.
class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool ok() const { return fd_ >= 0; }
  bool read(void* dst, size_t n) override;
  // Large reads are shared with one helper thread, each taking the next block in file order.
  bool readBlocks(uint8_t* dst, size_t n, size_t block, const BlockReached& reached) override;
  uint64_t remaining() const override { return size_ > pos_ ? size_ - pos_ : 0; }
  bool zstring(std::string& s, size_t maxLength) override;

 private:
  bool fill();

  int fd_ = -1;
  uint64_t size_ = 0;  // the file's size when it was opened
  uint64_t pos_ = 0;   // bytes handed out so far
  std::vector<uint8_t> buf_;
  size_t bufPos_ = 0, bufLen_ = 0;
};

// Appends little-endian fields to a byte vector.
class ByteWriter {
 public:
  std::vector<uint8_t> bytes;
  void raw(const void* data, size_t n);
  void u8(uint8_t v) { bytes.push_back(v); }
  void u16(uint16_t v);
  void u32(uint32_t v);
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void f64(double v);
  // The characters followed by one zero byte.
  void zstring(const std::string& s);
};
