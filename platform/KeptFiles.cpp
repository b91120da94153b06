#include "platform/KeptFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>

#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"

namespace fs = std::filesystem;

namespace {
struct Noted {
  KeptState state = KeptState::Read;
  bool told = false;  // the user heard of the state once
};

std::mutex g_lock;  // the scan thread and the window may both touch settings
std::map<std::string, Noted> g_files;

Noted& SetState(const std::string& path, KeptState state) {
  Noted& n = g_files[path];
  if (n.state != state) n.told = false;
  n.state = state;
  return n;
}

// Notes `state`; the note text when the user has not heard of it yet.
std::string Note(const std::string& path, KeptState state, const std::string& text) {
  std::lock_guard lock(g_lock);
  Noted& n = SetState(path, state);
  if (n.told) return {};
  n.told = true;
  return text;
}

KeptWrite Refused(const std::string& path, KeptState state) {
  KeptWrite r;
  r.outcome = KeptWrite::Kept;
  std::lock_guard lock(g_lock);
  Noted& n = g_files[path];
  if (n.told) return r;
  n.told = true;
  r.message =
      state == KeptState::Newer
          ? Translate("KeptFiles", "Changes are not saved, because a newer version wrote ") + path +
                "."
          : Translate("KeptFiles", "Changes are not saved, because ") + path +
                Translate("KeptFiles", " cannot be read.");
  return r;
}

// Before a damaged file is replaced its bytes are kept beside it; false when that failed.
bool KeepAside(const std::string& path, KeptWrite& r) {
  std::error_code ec;
  if (fs::exists(path, ec))
    fs::copy_file(path, path + ".damaged", fs::copy_options::overwrite_existing, ec);
  if (!ec) return true;
  r.outcome = KeptWrite::NotKeptAside;
  r.message = Translate("KeptFiles", "The damaged file ") + path +
              Translate("KeptFiles", " cannot be kept aside; it is not replaced.");
  return false;
}

template <typename Change>
KeptWrite Apply(const std::string& path, Change change) {
  const KeptState state = KeptStateOf(path);
  if (!KeptWritable(path)) return Refused(path, state);
  KeptWrite r;
  if (state == KeptState::Damaged && !KeepAside(path, r)) return r;
  r.message = change();
  if (!r.message.empty()) {
    r.outcome = KeptWrite::NotWritten;
    return r;
  }
  std::lock_guard lock(g_lock);
  g_files.erase(path);  // what is on disk now is ours
  return r;
}
}  // namespace

std::optional<std::vector<uint8_t>> ReadKeptFile(const std::string& path, size_t limit,
                                                 KeptState* state, std::string* why) {
  bool truncated = false;
  auto bytes = ReadFileLimited(path, limit, &truncated);
  KeptState s = KeptState::Read;
  if (!bytes) {
    const int error = errno;
    std::error_code ec;
    s = fs::symlink_status(path, ec).type() == fs::file_type::not_found ? KeptState::Missing
                                                                        : KeptState::Unreadable;
    if (why) *why = FileErrorText(error);
  } else if (truncated) {
    s = KeptState::Damaged;
    if (why) *why = Translate("KeptFiles", "it is too large.");
  }
  if (state) *state = s;
  std::lock_guard lock(g_lock);
  const auto it = g_files.find(path);
  // Damage and a newer version stay noted (and told) until the file is written.
  if (s == KeptState::Missing ||
      (s == KeptState::Read && it != g_files.end() && it->second.state == KeptState::Unreadable))
    g_files.erase(path);
  else if (s != KeptState::Read)
    SetState(path, s);  // the caller tells the user
  return bytes;
}

std::string NoteDamaged(const std::string& path) {
  return Note(path, KeptState::Damaged,
              Translate("KeptFiles", "\nIt is kept as ") + path +
                  Translate("KeptFiles", ".damaged before it is written again."));
}

std::string NoteUnreadable(const std::string& path) {
  return Note(
      path, KeptState::Unreadable,
      Translate("KeptFiles", "\nThe file is left as it is; changes last until the program ends."));
}

std::string NoteNewer(const std::string& path) {
  return Note(path, KeptState::Newer,
              Translate("KeptFiles", "The file ") + path +
                  Translate("KeptFiles", " was written by a newer version; it is left as it is."));
}

void NoteState(const std::string& path, KeptState state) {
  std::lock_guard lock(g_lock);
  SetState(path, state);
}

KeptState KeptStateOf(const std::string& path) {
  std::lock_guard lock(g_lock);
  const auto it = g_files.find(path);
  return it == g_files.end() ? KeptState::Read : it->second.state;
}

bool KeptWritable(const std::string& path) {
  const KeptState state = KeptStateOf(path);
  return state != KeptState::Unreadable && state != KeptState::Newer;
}

KeptWrite WriteKeptFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return Apply(path, [&] { return WriteFileReplacing(path, bytes); });
}

KeptWrite RemoveKeptFile(const std::string& path) {
  return Apply(path, [&]() -> std::string {
    std::error_code ec;
    if (fs::remove(path, ec) || !ec) return {};
    return Translate("KeptFiles", "Cannot remove ") + path + ": " + ec.message();
  });
}

void ForgetKeptFilesForTests() {
  std::lock_guard lock(g_lock);
  g_files.clear();
}
