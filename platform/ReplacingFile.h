#pragma once
// Writes a file through a temporary file in the same folder; the target is replaced (renamed
// over) only when every byte was written and flushed, so a failed save leaves the old file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ReplacingFile {
 public:
  explicit ReplacingFile(std::string path);
  ~ReplacingFile();  // removes the temporary file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false when the folder or the target does not allow it, or the
  // target is not a regular file (a device, a FIFO, a folder).
  bool open();
  // Writes all n bytes; false (and every later call fails) on any error.
  bool write(const void* data, size_t n);
  // Writes n bytes over earlier ones at `offset` (a length known only at the end).
  bool writeAt(uint64_t offset, const void* data, size_t n);
  // Flushes to disk, closes and renames over the target; false if any step failed.
  bool commit();

  // The system's error number of the step that failed (ENOSPC when a write stopped short).
  int errorNumber() const { return errno_; }
  // "Cannot write PATH: reason", the one text every writer of settings reports.
  std::string error() const;
  // The temporary file, for a writer that fills it by name (a PDF printer); empty until open.
  const std::string& tempPath() const { return temp_; }

 private:
  bool fail(int error);
  void discard();

  std::string path_;  // as the caller named it
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  int errno_ = 0;
  bool failed_ = false;
  bool notRegular_ = false;
};

// Writes `size` bytes whole through a ReplacingFile; an error text, empty on success.
std::string WriteFileReplacing(const std::string& path, const void* data, size_t size);
inline std::string WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileReplacing(path, bytes.data(), bytes.size());
}
