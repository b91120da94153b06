#pragma once
// Scratch folders and files for tests.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh empty folder under the system's temporary folder, removed when the object dies.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// While it lives, no file this process writes grows past `bytes`: a write fails half-way, as
// on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  uint64_t oldSoft_ = 0;
  void (*oldHandler_)(int) = nullptr;
};

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// The folder of files shipped with the tests (tests/data, or $QUENDRIX_TEST_DATA).
std::string TestDataDir();
