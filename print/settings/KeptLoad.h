#pragma once
// Reading a settings file under the kept-files rule: missing gives defaults, unreadable and damaged
// files are refused or read in part with their note, a newer version's file is read as known.
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
    r.message += NoteUnreadable(path);
    return r;
  }
  Load r = parse(*bytes, path);
  if (r.newer)
    r.message = NoteNewer(path);
  else if (state == KeptState::Damaged || !r.message.empty())
    r.message = (r.message.empty() ? refuse(path, why).message : r.message) + NoteDamaged(path);
  return r;
}
