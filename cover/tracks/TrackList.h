#pragma once
// A music disc's tracks as read from audio files, a cue sheet or a playlist, and the lines
// of text made from them for the back inlay or the booklet. Texts are UTF-8.
#include <cstdint>
#include <string>
#include <vector>

struct Track {
  int disc = 0;    // 0: not tagged
  int number = 0;  // 0: not tagged; numbered by position after sorting
  std::string title;
  std::string artist;
  int64_t lengthMs = -1;  // -1: unknown
  std::string sortName;   // the file name, for ordering untagged files
};

struct TrackList {
  std::vector<Track> tracks;
  std::string album;
  std::string albumArtist;
  std::vector<std::string> problems;  // one line per file or entry that was left out
};

// The line pattern the dialog starts with.
inline constexpr const char* kDefaultTrackPattern = "%n. %t - %a  %d";

// Orders by disc and track number, files without a number after the numbered ones by name
// (digit runs compared as numbers);
// then gives every untagged track its position on its disc as number.
void SortTracks(std::vector<Track>& tracks);
// Gives untagged tracks their position on their disc as number, keeping the order.
void NumberByPosition(std::vector<Track>& tracks);
// "m:ss" below an hour, "h:mm:ss" from an hour on; seconds rounded to the nearest; "" unknown.
std::string FormatLength(int64_t ms);
// One track by `pattern`: %n number, %N two-digit number, %t title, %a artist,
// %d length, %% a percent sign; any other character is kept.
std::string FormatTrack(const Track& track, const std::string& pattern);
// The list's lines, with a "Disc n" line before each disc when there are several.
std::vector<std::string> TrackLines(const TrackList& list, const std::string& pattern);
// The sum of the known lengths, and how many tracks have none.
int64_t TotalLengthMs(const TrackList& list, int* unknown = nullptr);
// The title text: the album and, on a second line, the album artist (each when known).
std::vector<std::string> TitleLines(const TrackList& list);
