#pragma once
// Reading and replacing the small settings files whole.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

// Writes `bytes` to a temporary file in the same folder and renames it over `path`; the old
// file stays intact when any step fails. Returns an error text, empty on success.
std::string ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
// A file kept beside `path`: its name without extension plus `suffix` ("paper.dat" ->
// "paper-next.dat").
std::string SideFile(const std::string& path, const char* suffix);

// Reads at most `limit` bytes; nullopt (errno tells why, FileErrorText in words) when the file
// cannot be opened or read or is a device or pipe. `truncated` tells whether the file held more.
std::optional<std::vector<uint8_t>> ReadFileLimited(const std::string& path, size_t limit,
                                                    bool* truncated = nullptr);

// Tests replace the reader of ReadFileLimited to inject read errors; nullptr restores it.
using FileReader = std::optional<std::vector<uint8_t>> (*)(const std::string& path, size_t limit,
                                                           bool* truncated);
void SetFileReaderForTests(FileReader reader);

// Fields of the little-endian settings files, one after the other.
template <typename T>
void AppendField(std::vector<uint8_t>& out, T v) {
  const auto* p = reinterpret_cast<const uint8_t*>(&v);
  out.insert(out.end(), p, p + sizeof v);
}
// False, leaving `at` alone, when the bytes end before the field does.
template <typename T>
bool ReadField(const std::vector<uint8_t>& in, size_t& at, T& v) {
  if (in.size() - at < sizeof v) return false;
  std::memcpy(&v, in.data() + at, sizeof v);
  at += sizeof v;
  return true;
}
