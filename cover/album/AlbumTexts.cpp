#include "cover/album/AlbumTexts.h"

#include <algorithm>
#include <cmath>

#include "cover/text/CoverText.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

namespace {
// Brightness 0-255 of red, green and blue as the eye weighs them.
double Luma(double r, double g, double b) {
  return 0.299 * r + 0.587 * g + 0.114 * b;
}

ReadableColors ForLuma(double luma) {
  return luma < 128 ? ReadableColors{0xFFFFFF, 0x000000} : ReadableColors{0x000000, 0xFFFFFF};
}
}  // namespace

AlbumTexts MakeAlbumTexts(const TrackList& list, const std::string& pattern) {
  std::vector<std::string> utf8 = TrackLines(list, pattern);
  int unknown = 0;
  const int64_t total = TotalLengthMs(list, &unknown);
  if (unknown < int(list.tracks.size()))
    utf8.push_back(Translate("AlbumTexts", "Total time:") + " " + FormatLength(total));
  std::string all = list.album + "\n" + list.albumArtist;
  AlbumTexts out;
  out.album = ToCoverText(list.album);
  out.artist = ToCoverText(list.albumArtist);
  for (const std::string& line : utf8) {
    out.trackLines.push_back(ToCoverText(line));
    all += "\n" + line;
  }
  out.unheld = UnheldCharacters(all);
  return out;
}

ReadableColors ReadableColorsOver(const Dib& art, double top, double bottom) {
  if (!art.Bits) return ForLuma(255);
  const int32_t w = DibWidth(art), full = DibHeight(art);
  const int32_t y0 = std::clamp(int32_t(top * full), 0, full - 1);
  const int32_t h = std::clamp(int32_t(std::ceil(bottom * full)), y0 + 1, full) - y0;
  const int32_t nx = std::min(w, 64), ny = std::min(h, 64);
  const bool palette = DibBitCount(art) <= 8;
  double sum = 0;
  for (int32_t j = 0; j < ny; ++j)
    for (int32_t i = 0; i < nx; ++i) {
      const uint32_t v =
          GetDibPixel(art, int32_t(int64_t(i) * w / nx), y0 + int32_t(int64_t(j) * h / ny));
      if (palette) {
        const RGBQUAD& c = art.Info->bmiColors[v & 0xFF];
        sum += Luma(c.rgbRed, c.rgbGreen, c.rgbBlue);
      } else {
        sum += Luma((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
      }
    }
  return ForLuma(sum / (double(nx) * ny));
}

ReadableColors ReadableColorsOver(uint32_t background) {
  return ForLuma(Luma(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
}

std::string ReplacedCharacters(const AlbumTexts& texts) {
  std::string list;
  for (const std::string& c : texts.unheld)
    list += (list.empty() ? "" : ", ") + c + " -> " + AnsiToUtf8(ToCoverText(c));
  return list;
}
