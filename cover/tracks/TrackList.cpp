#include "cover/tracks/TrackList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "platform/Translate.h"

namespace {
int DiscOf(const Track& t) {
  return t.disc > 0 ? t.disc : 1;
}

// Names compared with their digit runs as numbers, so "2 b" comes before "10 a".
bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = std::isdigit(static_cast<unsigned char>(a[i]));
    const bool db = std::isdigit(static_cast<unsigned char>(b[j]));
    if (!da || !db) {
      if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
      ++i, ++j;
      continue;
    }
    while (i < a.size() && a[i] == '0') ++i;
    while (j < b.size() && b[j] == '0') ++j;
    size_t ei = i, ej = j;
    while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
    while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
    if (ei - i != ej - j) return ei - i < ej - j;
    const int c = a.compare(i, ei - i, b, j, ej - j);
    if (c != 0) return c < 0;
    i = ei, j = ej;
  }
  return a.size() - i < b.size() - j;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}
}  // namespace

void SortTracks(std::vector<Track>& tracks) {
  std::stable_sort(tracks.begin(), tracks.end(), [](const Track& a, const Track& b) {
    const bool an = a.number > 0, bn = b.number > 0;
    const auto ka = std::make_tuple(DiscOf(a), !an, an ? a.number : 0);
    const auto kb = std::make_tuple(DiscOf(b), !bn, bn ? b.number : 0);
    return ka != kb ? ka < kb : NaturalLess(a.sortName, b.sortName);
  });
  NumberByPosition(tracks);
}

void NumberByPosition(std::vector<Track>& tracks) {
  std::map<int, int> position;
  for (Track& t : tracks) {
    const int p = ++position[DiscOf(t)];
    if (t.number <= 0) t.number = p;
  }
}

std::string FormatLength(int64_t ms) {
  if (ms < 0) return {};
  const int64_t s = (ms + 500) / 1000;
  char buf[32];
  if (s < 3600)
    std::snprintf(buf, sizeof buf, "%d:%02d", int(s / 60), int(s % 60));
  else
    std::snprintf(buf, sizeof buf, "%lld:%02d:%02d", static_cast<long long>(s / 3600),
                  int(s / 60 % 60), int(s % 60));
  return buf;
}

std::string FormatTrack(const Track& track, const std::string& pattern) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    switch (pattern[++i]) {
      case 'n':
        out += std::to_string(track.number);
        break;
      case 'N':
        out += TwoDigits(track.number);
        break;
      case 't':
        out += track.title;
        break;
      case 'a':
        out += track.artist;
        break;
      case 'd':
        out += FormatLength(track.lengthMs);
        break;
      case '%':
        out += '%';
        break;
      default:
        out += '%';
        out += pattern[i];
        break;
    }
  }
  return out;
}

std::vector<std::string> TrackLines(const TrackList& list, const std::string& pattern) {
  std::set<int> discs;
  for (const Track& t : list.tracks) discs.insert(DiscOf(t));
  const bool several = discs.size() > 1;
  std::vector<std::string> lines;
  int disc = -1;
  for (const Track& t : list.tracks) {
    if (several && DiscOf(t) != disc) {
      disc = DiscOf(t);
      lines.push_back(Translate("TrackList", "Disc ") + std::to_string(disc));
    }
    lines.push_back(FormatTrack(t, pattern));
  }
  return lines;
}

int64_t TotalLengthMs(const TrackList& list, int* unknown) {
  int64_t sum = 0;
  int missing = 0;
  for (const Track& t : list.tracks) {
    if (t.lengthMs < 0)
      ++missing;
    else
      sum += t.lengthMs;
  }
  if (unknown) *unknown = missing;
  return sum;
}

std::vector<std::string> TitleLines(const TrackList& list) {
  std::vector<std::string> lines;
  if (!list.album.empty()) lines.push_back(list.album);
  if (!list.albumArtist.empty()) lines.push_back(list.albumArtist);
  return lines;
}
