#pragma once
// M3U and M3U8 playlists: one audio file a line, relative to the playlist's folder.
#include <string>
#include <vector>

// Largest number of entries a playlist may hold.
inline constexpr std::size_t kMaxPlaylistEntries = 10000;

// The entries' paths in playlist order: comments (#) and blank lines skipped, "file://"
// addresses decoded, backslashes taken as folder separators, relative paths resolved
// against `folder`. Entries past the limit are dropped and `tooMany` set.
std::vector<std::string> ParsePlaylist(const std::string& text, const std::string& folder,
                                       bool* tooMany = nullptr);
