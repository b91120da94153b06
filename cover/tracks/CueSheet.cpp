#include "cover/tracks/CueSheet.h"

#include <filesystem>

#include "cover/tracks/AudioTags.h"
#include "cover/tracks/SourceText.h"
#include "platform/Translate.h"

namespace {
// Splits a line into words; a double-quoted word may hold blanks.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i == line.size()) break;
    std::string w;
    if (line[i] == '"') {
      const std::size_t end = line.find('"', i + 1);
      w = line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? line.size() : end + 1;
    } else {
      const std::size_t end = line.find_first_of(" \t", i);
      w = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
      i = end == std::string::npos ? line.size() : end;
    }
    words.push_back(w);
  }
  return words;
}

bool ParseNumber(const std::string& s, int max, int& value) {
  if (s.empty() || s.size() > 6) return false;
  value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= max;
}

// "mm:ss:ff" with 75 frames to the second.
bool ParseTime(const std::string& s, int64_t& ms) {
  const std::size_t a = s.find(':'), b = s.find(':', a == std::string::npos ? a : a + 1);
  int m = 0, sec = 0, f = 0;
  if (a == std::string::npos || b == std::string::npos || !ParseNumber(s.substr(0, a), 99999, m) ||
      !ParseNumber(s.substr(a + 1, b - a - 1), 59, sec) || !ParseNumber(s.substr(b + 1), 74, f))
    return false;
  ms = (int64_t(m) * 60 + sec) * 1000 + int64_t(f) * 1000 / 75;
  return true;
}

// The sheet's audio file; one of the same name with another audio extension when a rip was
// converted after the sheet was written.
bool ReadSheetAudio(const std::filesystem::path& folder, std::string name, AudioFileTags& tags,
                    std::string& why) {
  for (char& c : name)
    if (c == '\\') c = '/';
  std::filesystem::path file = folder / name;
  if (ReadAudioTags(file.string(), tags, why)) return true;
  for (const char* ext : {".flac", ".wav", ".ape", ".wv", ".mp3", ".ogg", ".opus", ".m4a"}) {
    std::string other;
    if (ReadAudioTags(file.replace_extension(ext).string(), tags, other)) return true;
  }
  return false;
}
}  // namespace

bool ParseCueSheet(const std::string& text, CueSheet& sheet, std::string& error) {
  sheet = CueSheet{};
  int lineNo = 0;
  bool ok = true;
  ForEachLine(text, [&](const std::string& line) {
    ++lineNo;
    if (!ok) return;
    const std::vector<std::string> w = Words(line);
    if (w.empty()) return;
    const auto fail = [&](const std::string& why) {
      error = Translate("CueSheet", "line ") + std::to_string(lineNo) + ": " + why;
      ok = false;
    };
    CueTrack* track = sheet.tracks.empty() ? nullptr : &sheet.tracks.back();
    const std::string& cmd = w[0];
    if (cmd == "FILE") {
      if (w.size() < 2) return fail(Translate("CueSheet", "FILE without a name"));
      sheet.files.push_back(w[1]);
    } else if (cmd == "TRACK") {
      int n = 0;
      if (w.size() < 2 || !ParseNumber(w[1], 999, n))
        return fail(Translate("CueSheet", "TRACK without a number"));
      if (sheet.files.empty()) return fail(Translate("CueSheet", "TRACK before any FILE"));
      if (sheet.tracks.size() == kMaxCueTracks)
        return fail(Translate("CueSheet", "more than 999 tracks"));
      sheet.tracks.push_back({n, {}, {}, -1, sheet.files.size() - 1});
    } else if (cmd == "INDEX") {
      int n = 0;
      int64_t ms = 0;
      if (w.size() < 3 || !ParseNumber(w[1], 99, n) || !ParseTime(w[2], ms))
        return fail(Translate("CueSheet", "INDEX needs a number and a time mm:ss:ff"));
      if (!track) return fail(Translate("CueSheet", "INDEX outside a TRACK"));
      if (n == 1) track->startMs = ms;
    } else if (cmd == "TITLE" && w.size() > 1) {
      (track ? track->title : sheet.title) = w[1];
    } else if (cmd == "PERFORMER" && w.size() > 1) {
      (track ? track->performer : sheet.performer) = w[1];
    } else if (cmd == "REM" && w.size() > 2 && w[1] == "DISCNUMBER") {
      ParseNumber(w[2], 9999, sheet.disc);
    }
  });
  if (!ok) return false;
  if (sheet.tracks.empty()) {
    error = Translate("CueSheet", "no TRACK");
    return false;
  }
  for (const CueTrack& t : sheet.tracks)
    if (t.startMs < 0) {
      error = Translate("CueSheet", "track ") + std::to_string(t.number) +
              Translate("CueSheet", " has no INDEX 01");
      return false;
    }
  for (CueTrack& t : sheet.tracks)
    if (t.performer.empty()) t.performer = sheet.performer;
  return true;
}

bool ReadCueSheet(const std::string& path, TrackList& list, std::string& error) {
  std::string text;
  CueSheet sheet;
  if (!ReadSourceText(path, text, error) || !ParseCueSheet(text, sheet, error)) return false;
  list = TrackList{};
  list.album = sheet.title;
  list.albumArtist = sheet.performer;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::vector<int64_t> fileLength(sheet.files.size(), -1);
  for (std::size_t f = 0; f < sheet.files.size(); ++f) {
    AudioFileTags tags;
    std::string why;
    if (ReadSheetAudio(folder, sheet.files[f], tags, why))
      fileLength[f] = tags.track.lengthMs;
    else
      list.problems.push_back(sheet.files[f] + ": " + why +
                              Translate("CueSheet", "; the length of its last track is unknown"));
  }
  for (std::size_t i = 0; i < sheet.tracks.size(); ++i) {
    const CueTrack& c = sheet.tracks[i];
    Track t;
    t.disc = sheet.disc;
    t.number = c.number;
    t.title =
        c.title.empty() ? Translate("CueSheet", "Track ") + std::to_string(c.number) : c.title;
    t.artist = c.performer;
    const bool lastOfFile = i + 1 == sheet.tracks.size() || sheet.tracks[i + 1].file != c.file;
    const int64_t end = lastOfFile ? fileLength[c.file] : sheet.tracks[i + 1].startMs;
    if (end >= c.startMs) t.lengthMs = end - c.startMs;
    list.tracks.push_back(t);
  }
  NumberByPosition(list.tracks);
  return true;
}
