#pragma once
// Every reader of a named file opens it here: a device, a pipe or a folder is refused at once
// instead of blocking or reading without end.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// errno after a device or a pipe was refused.
inline constexpr int kNotRegularFile = ENODEV;

// A read-only descriptor of the regular file `path`; -1 with errno set when it cannot be
// opened, is a folder (EISDIR) or a device or pipe (kNotRegularFile).
int OpenRegularFile(const std::string& path);
// Why a file could not be read or written, in the user's language.
std::string FileErrorText(int err);
// Why `path` cannot be created or replaced (its folder missing, not a folder or not writable,
// the path a folder or a write-protected file); empty when nothing speaks against it.
std::string WhyNotWritable(const std::string& path);
// At most `limit` bytes of the file, the buffer grown as it is read; nullopt with errno set when
// it cannot be opened or read. `truncated` tells whether the file held more.
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t limit,
                                                    bool* truncated = nullptr);
