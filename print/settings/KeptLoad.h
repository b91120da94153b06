#pragma once
// Reading a settings file under the kept-files rule: missing gives defaults, unreadable and damaged
// files give what could be read with their note, a newer version's file is read as known. Each
// state is told once per file and run, so a file read at every repaint does not repeat itself.
#include <string>

#include "platform/KeptFiles.h"

template <typename Load, typename Parse, typename Refuse>
Load LoadKeptFile(const std::string& path, size_t limit, Parse parse, Refuse refuse) {
  KeptState state = KeptState::Read;
  std::string why;
  const auto bytes = ReadKeptFile(path, limit, &state, &why);
  if (state == KeptState::Missing) return {};
  if (!bytes) {
    Load r = refuse(path, why);
    const std::string note = NoteUnreadable(path);
    r.message = note.empty() ? std::string() : r.message + note;
    return r;
  }
  Load r = parse(*bytes, path);
  if (r.newer) {
    r.message = NoteNewer(path);
  } else if (state == KeptState::Damaged || !r.message.empty()) {
    const std::string note = NoteDamaged(path);
    if (note.empty())
      r.message.clear();
    else
      r.message = (r.message.empty() ? refuse(path, why).message : r.message) + note;
  }
  return r;
}
