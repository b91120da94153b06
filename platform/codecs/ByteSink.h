#pragma once
// Where a picture writer's bytes go: a vector in memory, or on in blocks (a file being written),
// so that a saved picture never needs a second copy of itself in memory.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class ByteSink {
 public:
  // Takes the bytes; false stops every later hand-over.
  using Pass = std::function<bool(const uint8_t* data, size_t n)>;

  // Appends to `memory`, which holds everything written.
  explicit ByteSink(std::vector<uint8_t>& memory) : buf_(memory) {}
  // Writes bytes already handed on anew at their offset.
  using Rewrite = std::function<bool(size_t at, const uint8_t* data, size_t n)>;

  // Hands the bytes to `pass` in blocks of about a megabyte; at most a block stays here.
  // Without `rewrite`, bytes handed on cannot be changed (patch fails).
  explicit ByteSink(Pass pass, Rewrite rewrite = {})
      : buf_(own_), pass_(std::move(pass)), rewrite_(std::move(rewrite)) {}
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  void put(uint8_t v) {
    buf_.push_back(v);
    if (pass_ && buf_.size() >= kBlock) drain();
  }
  void append(const void* data, size_t n);
  void fill(uint8_t v, size_t n);
  // Bytes written so far.
  size_t size() const { return passed_ + buf_.size(); }
  // Changes n written bytes from offset `at` (at + n <= size()); false when they were handed on
  // and cannot be rewritten.
  bool patch(size_t at, const void* data, size_t n);
  // Forgets what was written, in memory; bytes already handed on stay where they went.
  void clear();
  // Hands on the rest; false when any hand-over failed.
  bool finish();
  bool inMemory() const { return !pass_; }
  // False once a hand-over failed: a long writer stops early.
  bool ok() const { return ok_; }
  // The bytes still here (all of them in memory).
  std::vector<uint8_t>& held() { return buf_; }

 private:
  static constexpr size_t kBlock = size_t(1) << 20;
  void drain();

  std::vector<uint8_t> own_;
  std::vector<uint8_t>& buf_;
  Pass pass_;
  Rewrite rewrite_;
  size_t passed_ = 0;
  bool ok_ = true;
};

// A sink that only counts what it is given (the length of a chunk written before its header).
class CountingSink : public ByteSink {
 public:
  CountingSink() : ByteSink([](const uint8_t*, size_t) { return true; }) {}
};
