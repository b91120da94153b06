#pragma once
// The tags and length of one audio file (FLAC, MP3, Ogg Vorbis, Opus, M4A/AAC, WAV, ...).
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
// Reads the tags and the length; false and a reason when the file cannot be read as audio.
bool ReadAudioTags(const std::string& path, AudioFileTags& out, std::string& error);
