#pragma once
// What a design made from music says: album, artist and the track list in the cover's
// single-byte text, the characters that had to be replaced, and a text colour the art lets read.
#include <cstdint>
#include <string>
#include <vector>

#include "cover/tracks/TrackList.h"
#include "platform/dib/Dib.h"

struct AlbumTexts {
  std::string album, artist;            // Windows-1252
  std::vector<std::string> trackLines;  // the pattern's lines and the total time, Windows-1252
  std::vector<std::string> unheld;      // UTF-8 characters shown replaced, each once
};

// The texts of `list` with its lines made by `pattern`, as the track list dialog makes them, and
// a last line with the total time when any track has a length.
AlbumTexts MakeAlbumTexts(const TrackList& list, const std::string& pattern);

// The replaced characters as "é -> e, ..." in UTF-8.
std::string ReplacedCharacters(const AlbumTexts& texts);

// A text colour and its shadow, 0x00BBGGRR: light with a dark shadow over dark art, dark with a
// light shadow over light art.
struct ReadableColors {
  uint32_t text = 0, shadow = 0xFFFFFF;
};
// Judged from the mean brightness of the picture's pixels (sampled on a grid of at most 64 x 64)
// in the band of rows from `top` to `bottom` (fractions of the height from the top); an empty
// picture counts as white.
ReadableColors ReadableColorsOver(const Dib& art, double top = 0, double bottom = 1);
// The same over a plain background colour (0x00BBGGRR).
ReadableColors ReadableColorsOver(uint32_t background);
