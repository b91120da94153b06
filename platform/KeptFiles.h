#pragma once
// The one rule for every settings file the program keeps: what its reader found is noted here
// by path, and every write asks here first. A damaged file is copied to NAME.damaged before it
// is first replaced; one that exists but cannot be read, or that a newer version wrote, is never
// replaced in this run, so changes last until the program ends.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class KeptState { Read, Missing, Damaged, Unreadable, Newer };

// Reads a settings file of at most `limit` bytes and notes whether it exists and could be read;
// nullopt when it is missing or unreadable (`state` tells which, `why` the cause). A larger
// file is noted damaged; its first `limit` bytes are returned, for what can be read.
std::optional<std::vector<uint8_t>> ReadKeptFile(const std::string& path, size_t limit,
                                                 KeptState* state = nullptr,
                                                 std::string* why = nullptr);

// The reader found `path` damaged and goes on with what it could read. Returns the note to add
// to its message ("It is kept as NAME.damaged ..."), once per file and run, else empty.
std::string NoteDamaged(const std::string& path);
// The file exists but cannot be read: the note telling it is left as it is, once per file.
std::string NoteUnreadable(const std::string& path);
// A newer version wrote the file: what is known is used; the note, once per file.
std::string NoteNewer(const std::string& path);
// Notes `state` without telling: the refusal to write tells the user instead.
void NoteState(const std::string& path, KeptState state);
// False when the rule keeps `path` as it is (unreadable, or a newer version's).
bool KeptWritable(const std::string& path);
// What the program noted of `path` in this run; Read when it was not read.
KeptState KeptStateOf(const std::string& path);

struct KeptWrite {
  enum Outcome { Written, Kept, NotKeptAside, NotWritten };
  Outcome outcome = Written;
  std::string message;  // what to tell the user; empty when written or told before
  bool written() const { return outcome == Written; }
};

// Replaces `path` with `bytes` as the rule allows: Kept (not written) when it could not be read
// or a newer version wrote it; a damaged file is copied aside first.
KeptWrite WriteKeptFile(const std::string& path, const std::vector<uint8_t>& bytes);
// Removes `path` (nothing left to keep) under the same rule.
KeptWrite RemoveKeptFile(const std::string& path);

// Tests start from a clean slate.
void ForgetKeptFilesForTests();
