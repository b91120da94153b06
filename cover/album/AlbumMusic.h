#pragma once
// Everything a design takes from music at once: its tracks, its art and its texts.
#include <string>

#include "cover/album/AlbumArt.h"
#include "cover/album/AlbumTexts.h"
#include "cover/tracks/TrackList.h"

struct AlbumMusic {
  TrackList list;
  AlbumArt art;
  AlbumTexts texts;
};

// Reads a folder, cue sheet or playlist as the track list does, finds its art and makes its texts
// with `pattern`; false with a reason when no track can be read.
bool ReadAlbumMusic(const std::string& path, const std::string& pattern, AlbumMusic& out,
                    std::string& error);

// Side of the plain front picture made when the music has no art, in picture pixels.
inline constexpr int32_t kPlainFrontSide = 600;
// The front's picture: a copy of the art, else a plain square of `background` (0x00RRGGBB).
// Bits null when memory runs out.
void MakeFrontPicture(const AlbumArt& art, uint32_t background, Dib& out);
// A picture of `width` x `height` pixels all of `background` (0x00RRGGBB); Bits null when
// memory runs out.
void MakePlainPicture(uint32_t background, int32_t width, int32_t height, Dib& out);
