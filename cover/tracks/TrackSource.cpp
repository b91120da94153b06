#include "cover/tracks/TrackSource.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "cover/tracks/AudioTags.h"
#include "cover/tracks/CueSheet.h"
#include "cover/tracks/Playlist.h"
#include "cover/tracks/SourceText.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

namespace fs = std::filesystem;

namespace {
// The most frequent non-empty value; "" when there is none.
std::string MostCommon(const std::vector<std::string>& values) {
  std::map<std::string, int> count;
  std::string best;
  int bestCount = 0;
  for (const std::string& v : values)
    if (!v.empty() && ++count[v] > bestCount) best = v, bestCount = count[v];
  return best;
}

// Adds each file's tags to the list, or its name and reason to the problems.
void AddFiles(const std::vector<std::string>& paths, TrackList& list) {
  std::vector<std::string> albums, albumArtists, artists;
  for (const std::string& path : paths) {
    AudioFileTags tags;
    std::string why;
    if (!ReadAudioTags(path, tags, why)) {
      list.problems.push_back(EscapeControls(fs::path(path).filename().string()) + ": " + why);
      continue;
    }
    albums.push_back(tags.album);
    albumArtists.push_back(tags.albumArtist);
    artists.push_back(tags.track.artist);
    list.tracks.push_back(std::move(tags.track));
  }
  list.album = MostCommon(albums);
  list.albumArtist = MostCommon(albumArtists);
  // One artist for every track counts as the album artist.
  if (list.albumArtist.empty() && !artists.empty() &&
      std::all_of(artists.begin(), artists.end(), [&](const auto& a) { return a == artists[0]; }))
    list.albumArtist = artists[0];
}

bool NoTracks(const TrackList& list, std::string& error) {
  if (!list.tracks.empty()) return false;
  error = list.problems.empty() ? Translate("TrackSource", "holds no audio files")
                                : Translate("TrackSource", "holds no audio file that can be read");
  return true;
}
}  // namespace

bool ReadAudioFolder(const std::string& folder, TrackList& list, std::string& error) {
  list = TrackList{};
  std::vector<std::string> paths;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsAudioFileName(it->path().filename().string())) continue;
    if (!it->is_regular_file(ec)) continue;
    if (paths.size() == kMaxFolderFiles) {
      error = Translate("TrackSource", "holds more than 10000 audio files");
      return false;
    }
    paths.push_back(it->path().string());
  }
  if (ec) {
    error = Translate("TrackSource", "cannot be read (") + ec.message() + ")";
    return false;
  }
  std::sort(paths.begin(), paths.end());
  AddFiles(paths, list);
  SortTracks(list.tracks);
  return !NoTracks(list, error);
}

bool ReadPlaylistTracks(const std::string& path, TrackList& list, std::string& error) {
  std::string text;
  if (!ReadSourceText(path, text, error)) return false;
  list = TrackList{};
  bool tooMany = false;
  const auto entries = ParsePlaylist(text, fs::path(path).parent_path().string(), &tooMany);
  if (tooMany) {
    error = Translate("TrackSource", "holds more than 10000 entries");
    return false;
  }
  AddFiles(entries, list);
  for (Track& t : list.tracks) t.number = t.disc = 0;
  NumberByPosition(list.tracks);
  return !NoTracks(list, error);
}

bool ReadTrackList(const std::string& path, TrackList& list, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return ReadAudioFolder(path, list, error);
  if (!fs::exists(path, ec)) {
    error = Translate("TrackSource", "not found");
    return false;
  }
  const std::string ext = LowerExtension(path);
  if (ext == ".cue") return ReadCueSheet(path, list, error);
  if (ext == ".m3u" || ext == ".m3u8") return ReadPlaylistTracks(path, list, error);
  error = Translate("TrackSource",
                    "is neither a folder, a cue sheet (.cue) nor a playlist (.m3u, .m3u8)");
  return false;
}
