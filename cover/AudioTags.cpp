#include "cover/AudioTags.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/AnsiText.h"
#include "platform/Translate.h"

namespace {
const char* const kAudioExtensions[] = {".flac", ".mp3", ".ogg", ".oga", ".opus", ".m4a",
                                        ".mp4",  ".aac", ".wav", ".aif", ".aiff", ".wma",
                                        ".ape",  ".wv",  ".mpc", ".spx"};

std::string Utf8(const TagLib::String& s) {
  return s.to8Bit(true);
}

// The leading number of "3" or "3/12"; 0 when there is none.
int LeadingNumber(const std::string& text) {
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || n > 9999) break;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string FirstValue(const TagLib::PropertyMap& map, const char* key) {
  const auto it = map.find(key);
  return it == map.end() || it->second.isEmpty() ? std::string() : Utf8(it->second.front());
}
}  // namespace

bool IsAudioFileName(const std::string& name) {
  const std::string ext = LowerExtension(name);
  return std::find(std::begin(kAudioExtensions), std::end(kAudioExtensions), ext) !=
         std::end(kAudioExtensions);
}

bool ReadAudioTags(const std::string& path, AudioFileTags& out, std::string& error) {
  const std::filesystem::path p(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(p, ec)) {
    error = Translate("AudioTags", "not found");
    return false;
  }
  TagLib::FileRef file(p.c_str(), true, TagLib::AudioProperties::Average);
  // TagLib accepts some foreign files as MP3 without a single frame: no sample rate.
  if (file.isNull() || !file.audioProperties() || file.audioProperties()->sampleRate() <= 0) {
    error = Translate("AudioTags", "not an audio file that can be read");
    return false;
  }
  out = AudioFileTags{};
  Track& t = out.track;
  t.sortName = p.filename().string();
  t.lengthMs = file.audioProperties()->lengthInMilliseconds();
  if (const TagLib::Tag* tag = file.tag()) {
    t.title = Utf8(tag->title());
    t.artist = Utf8(tag->artist());
    t.number = int(std::min(tag->track(), 9999u));
    out.album = Utf8(tag->album());
  }
  const TagLib::PropertyMap props = file.file()->properties();
  t.disc = LeadingNumber(FirstValue(props, "DISCNUMBER"));
  out.albumArtist = FirstValue(props, "ALBUMARTIST");
  if (t.title.empty()) t.title = p.stem().string();
  return true;
}
