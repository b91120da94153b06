// Cue sheet and playlist text: never crash; an accepted sheet has tracks with start times
// and files within its list, and the lines made of it are bounded by the tracks.
#include <cstdlib>
#include <string>

#include "cover/text/CoverText.h"
#include "cover/tracks/CueSheet.h"
#include "cover/tracks/Playlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CueSheet sheet;
  std::string error;
  if (ParseCueSheet(text, sheet, error)) {
    if (sheet.tracks.empty() || sheet.tracks.size() > kMaxCueTracks) std::abort();
    TrackList list;
    for (const CueTrack& t : sheet.tracks) {
      if (t.startMs < 0 || t.file >= sheet.files.size()) std::abort();
      list.tracks.push_back({sheet.disc, t.number, t.title, t.performer, t.startMs, {}});
    }
    if (TrackLines(list, "%N %n %t %a %d %%").size() != list.tracks.size()) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  bool tooMany = false;
  const size_t entries = ParsePlaylist(text, "/music", &tooMany).size();
  if (entries > kMaxPlaylistEntries || (tooMany && entries != kMaxPlaylistEntries)) std::abort();
  if (ToCoverText(text).size() > text.size()) std::abort();
  return 0;
}
