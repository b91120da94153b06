#pragma once
// The bytes of one audio file as TagLib reads them, from a file opened by OpenRegularFile and
// within a budget: a damaged or foreign file must not be searched to its end for a frame.
#include <taglib/tiostream.h>

#include <cstdint>
#include <string>

// Most bytes read from one audio file: tags with a cover picture fit, while a search through a
// damaged file for its first frame ends after about a second.
inline constexpr uint64_t kMaxAudioReadBytes = 8u << 20;

class AudioFileStream : public TagLib::IOStream {
 public:
  // Check isOpen(); errno tells why it is not.
  explicit AudioFileStream(const std::string& path, uint64_t budget = kMaxAudioReadBytes);
  ~AudioFileStream() override;
  AudioFileStream(const AudioFileStream&) = delete;
  AudioFileStream& operator=(const AudioFileStream&) = delete;

  // Bytes handed out so far.
  uint64_t bytesRead() const { return read_; }
  // True once a read was cut short by the budget.
  bool exhausted() const { return exhausted_; }

  TagLib::FileName name() const override { return path_.c_str(); }
  TagLib::ByteVector readBlock(unsigned long length) override;
  void writeBlock(const TagLib::ByteVector&) override {}
  void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
  void removeBlock(unsigned long, unsigned long) override {}
  bool readOnly() const override { return true; }
  bool isOpen() const override { return fd_ >= 0; }
  void seek(long offset, Position p = Beginning) override;
  long tell() const override { return long(pos_); }
  long length() override { return long(size_); }
  void truncate(long) override {}

 private:
  std::string path_;
  int fd_ = -1;
  uint64_t size_ = 0, pos_ = 0, read_ = 0, budget_;
  bool exhausted_ = false;
};
