#pragma once
// Cue sheets: the tracks of one or more audio files with their start times (INDEX 01).
#include <cstdint>
#include <string>
#include <vector>

#include "cover/tracks/TrackList.h"

struct CueTrack {
  int number = 0;
  std::string title;
  std::string performer;  // the sheet's performer when the track names none
  int64_t startMs = -1;   // INDEX 01, from the start of its file; -1 when missing
  std::size_t file = 0;   // index into CueSheet::files
};

struct CueSheet {
  std::string title;
  std::string performer;
  int disc = 0;  // REM DISCNUMBER
  std::vector<std::string> files;
  std::vector<CueTrack> tracks;
};

// Largest number of tracks a cue sheet may hold.
inline constexpr std::size_t kMaxCueTracks = 999;

// Parses the sheet's text; false and a reason (with the line number) when it is damaged.
bool ParseCueSheet(const std::string& text, CueSheet& sheet, std::string& error);
// Reads the sheet and the lengths of its audio files, named relative to the sheet's folder.
// A missing audio file leaves its last track without a length and is noted in `problems`.
bool ReadCueSheet(const std::string& path, TrackList& list, std::string& error);
