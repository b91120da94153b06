#pragma once
// Bounds-checked reading of little- and big-endian fields from bytes in memory, and a byte writer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/codecs/ByteSink.h"
#include "platform/codecs/PictureCodecs.h"

// A cursor over a byte range. Reading past the end yields zeros and clears ok() for good, so a
// header can be read field by field and checked once.
class ByteReader {
 public:
  explicit ByteReader(ByteView view) : data_(view.data), size_(view.data ? view.size : 0) {}

  bool ok() const { return ok_; }
  size_t pos() const { return pos_; }
  size_t size() const { return size_; }
  size_t remaining() const { return pos_ <= size_ ? size_ - pos_ : 0; }
  bool has(size_t n) const { return n <= remaining(); }

  bool seek(size_t pos) {
    if (pos > size_) return fail();
    pos_ = pos;
    return true;
  }
  bool skip(size_t n) {
    if (!has(n)) return fail();
    pos_ += n;
    return true;
  }
  // The next n bytes, or nullptr (and not ok) when fewer remain.
  const uint8_t* take(size_t n) {
    if (!has(n)) {
      fail();
      return nullptr;
    }
    const uint8_t* p = data_ + pos_;
    pos_ += n;
    return p;
  }

  uint8_t u8() {
    const uint8_t* p = take(1);
    return p ? p[0] : 0;
  }
  uint16_t le16() {
    const uint8_t* p = take(2);
    return p ? uint16_t(p[0] | p[1] << 8) : 0;
  }
  uint32_t le32() {
    const uint8_t* p = take(4);
    return p ? uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24
             : 0;
  }
  uint16_t be16() {
    const uint8_t* p = take(2);
    return p ? uint16_t(p[0] << 8 | p[1]) : 0;
  }
  uint32_t be32() {
    const uint8_t* p = take(4);
    return p ? uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3])
             : 0;
  }

 private:
  bool fail() {
    ok_ = false;
    pos_ = size_;
    return false;
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

// Appends fields to a byte sink (or a vector).
class ByteWriter {
 public:
  explicit ByteWriter(ByteSink& out) : out_(out) {}
  explicit ByteWriter(std::vector<uint8_t>& out) : memory_(out), out_(memory_) {}

  size_t size() const { return out_.size(); }
  void u8(uint32_t v) { out_.put(uint8_t(v)); }
  void le16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void le32(uint32_t v) {
    le16(v);
    le16(v >> 16);
  }
  void be16(uint32_t v) {
    u8(v >> 8);
    u8(v);
  }
  void be32(uint32_t v) {
    be16(v >> 16);
    be16(v);
  }
  void bytes(const void* p, size_t n) { out_.append(p, n); }
  void text(const char* s) { bytes(s, std::strlen(s)); }
  void fill(uint8_t v, size_t n) { out_.fill(v, n); }
  // Sizes known only later, for bytes still in memory (a vector or an in-memory sink).
  void patchLe32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.held()[at + size_t(i)] = uint8_t(v >> (8 * i));
  }
  void patchBe32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.held()[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
  }

 private:
  std::vector<uint8_t> scratch_;
  ByteSink memory_{scratch_};
  ByteSink& out_;
};
