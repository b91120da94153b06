#pragma once
// The tags and length of one audio file (FLAC, MP3, Ogg Vorbis, Opus, M4A/AAC, WAV, ...).
#include <cstdint>
#include <string>

#include "cover/tracks/TrackList.h"

struct AudioFileTags {
  Track track;  // sortName is the file name; the title is the file name without extension when
                // untagged
  std::string album;
  std::string albumArtist;
};

// True for the extensions of the audio files a folder's track list is made from.
bool IsAudioFileName(const std::string& name);
// What a real music file can hold; a file beyond these is damaged or not audio.
inline constexpr int kMinSampleRate = 1000, kMaxSampleRate = 768000, kMaxChannels = 32;
inline constexpr int64_t kMaxTrackLengthMs = int64_t(24) * 3600 * 1000;
inline constexpr uint64_t kMinBitsPerSecond = 1000;  // below the lowest speech codecs
inline constexpr size_t kMaxTagBytes = 4096;         // one title, artist or album

// Reads the tags and the length, reading at most kMaxAudioReadBytes of the file; false and a
// reason when it cannot be read as audio or its length or tags are not believable.
bool ReadAudioTags(const std::string& path, AudioFileTags& out, std::string& error);
