#pragma once
// Where a track list comes from: a folder of audio files, a cue sheet or a playlist.
#include <cstddef>
#include <string>

#include "cover/tracks/TrackList.h"

// Largest number of audio files read from one folder.
inline constexpr std::size_t kMaxFolderFiles = 10000;

// A folder's audio files sorted by disc and track number, else by name.
bool ReadAudioFolder(const std::string& folder, TrackList& list, std::string& error);
// A playlist's files in playlist order, numbered by their position.
bool ReadPlaylistTracks(const std::string& path, TrackList& list, std::string& error);
// A folder, a cue sheet (.cue) or a playlist (.m3u, .m3u8). Files that cannot be read are
// left out and named in `problems`; false and a reason when no track at all is found.
bool ReadTrackList(const std::string& path, TrackList& list, std::string& error);
