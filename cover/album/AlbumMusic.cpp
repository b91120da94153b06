#include "cover/album/AlbumMusic.h"

#include "cover/tracks/TrackSource.h"

bool ReadAlbumMusic(const std::string& path, const std::string& pattern, AlbumMusic& out,
                    std::string& error) {
  if (!ReadTrackList(path, out.list, error)) return false;
  FindAlbumArt(path, out.art);
  out.texts = MakeAlbumTexts(out.list, pattern);
  return true;
}

void MakeFrontPicture(const AlbumArt& art, uint32_t background, Dib& out) {
  out = Dib{};
  if (art.found()) return CopyDib(out, art.dib());
  MakePlainPicture(background, kPlainFrontSide, kPlainFrontSide, out);
}

void MakePlainPicture(uint32_t background, int32_t width, int32_t height, Dib& out) {
  out = Dib{};
  NewDib(out, width, height, 24, nullptr, 0);
  if (!out.Bits) return;
  const uint8_t bgr[3] = {uint8_t(background), uint8_t(background >> 8), uint8_t(background >> 16)};
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = DibRow(out, y);
    for (int32_t x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) row[3 * x + c] = bgr[c];
  }
}
