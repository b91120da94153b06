#pragma once
// Writes a file through a temporary file in the same folder; the target is replaced (renamed
// over) only when every byte was written and flushed, so a failed save leaves the old file.
#include <cstddef>
#include <string>

class ReplacingFile {
 public:
  explicit ReplacingFile(std::string path);
  ~ReplacingFile();  // removes the temporary file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false when the folder does not allow it.
  bool open();
  // Writes all n bytes; false (and every later call fails) on any error.
  bool write(const void* data, size_t n);
  // Flushes to disk, closes and renames over the target; false if any step failed.
  bool commit();

 private:
  void discard();

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool failed_ = false;
};
