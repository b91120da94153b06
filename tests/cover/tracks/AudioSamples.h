#pragma once
// Small audio files for the track list tests, made with sox, lame and opusenc and tagged
// with TagLib.
#include <string>

struct SampleTags {
  std::string title, artist, album, albumArtist;
  int track = 0, disc = 0;  // 0: left out
};

// Writes `seconds` of a tone as `path`, in the format its extension names (wav, flac, ogg,
// mp3, opus). Fails the running test when a tool is missing or fails.
void MakeAudio(const std::string& path, double seconds);
// Writes the tags that are set.
void TagAudio(const std::string& path, const SampleTags& tags);
