#pragma once
// The bytes of a picture file as its reader takes them: held in memory, or read from the open
// file a block at a time, so that reading a big file holds no copy of it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct ByteView {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

class PictureSource {
 public:
  explicit PictureSource(ByteView memory) : memory_(memory), size_(memory.data ? memory.size : 0) {}
  // The open file `fd` of `size` bytes; the caller keeps and closes it.
  PictureSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
  PictureSource(const PictureSource&) = delete;
  PictureSource& operator=(const PictureSource&) = delete;

  uint64_t size() const { return size_; }
  // Copies up to `n` bytes at `at` into `to` and returns how many: fewer only at the end of the
  // bytes or when the file cannot be read (then readError() is set).
  size_t read(uint64_t at, uint8_t* to, size_t n);
  // The bytes in memory when they are held there, else an empty view.
  ByteView memory() const { return memory_; }
  // All bytes in memory for the readers that need them so; a file is read whole on first use.
  // False with a reason.
  bool whole(ByteView& view, std::string& error);
  // errno of the first failed read of the file, else 0.
  int readError() const { return readError_; }

 private:
  static constexpr size_t kBlockBytes = 64 * 1024;
  ByteView memory_;
  int fd_ = -1;
  uint64_t size_ = 0;
  std::unique_ptr<uint8_t[]> block_;  // the last block read from the file
  uint64_t blockAt_ = 0;
  size_t blockBytes_ = 0;
  std::unique_ptr<uint8_t[]> whole_;
  int readError_ = 0;
};
