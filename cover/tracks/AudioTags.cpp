#include "cover/tracks/AudioTags.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "cover/tracks/AudioFileStream.h"
#include "platform/AnsiText.h"
#include "platform/RegularFile.h"
#include "platform/Translate.h"

namespace {
const char* const kAudioExtensions[] = {".flac", ".mp3", ".ogg", ".oga", ".opus", ".m4a",
                                        ".mp4",  ".aac", ".wav", ".aif", ".aiff", ".wma",
                                        ".ape",  ".wv",  ".mpc", ".spx"};

// Control characters would break the lines of a track list: they are shown escaped.
std::string Utf8(const TagLib::String& s) {
  return EscapeControls(s.to8Bit(true));
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

// Why the properties cannot be those of real music; empty when they can.
std::string Unbelievable(const TagLib::AudioProperties& a, uint64_t fileBytes) {
  const int64_t ms = a.lengthInMilliseconds();
  if (a.sampleRate() < kMinSampleRate || a.sampleRate() > kMaxSampleRate || a.channels() < 1 ||
      a.channels() > kMaxChannels)
    return Translate("AudioTags", "its sample rate or channels are not believable");
  if (ms <= 0 || ms > kMaxTrackLengthMs || fileBytes * 8 * 1000 < uint64_t(ms) * kMinBitsPerSecond)
    return Translate("AudioTags", "its length is not believable (") + FormatLength(ms) + ")";
  return {};
}
}  // namespace

bool IsAudioFileName(const std::string& name) {
  const std::string ext = LowerExtension(name);
  return std::find(std::begin(kAudioExtensions), std::end(kAudioExtensions), ext) !=
         std::end(kAudioExtensions);
}

bool ReadAudioTags(const std::string& path, AudioFileTags& out, std::string& error) {
  const std::filesystem::path p(path);
  AudioFileStream stream(path);
  if (!stream.isOpen()) {
    error = errno == ENOENT ? Translate("AudioTags", "not found") : FileErrorText(errno);
    return false;
  }
  TagLib::FileRef file(&stream, true, TagLib::AudioProperties::Average);
  // TagLib accepts some foreign files as MP3 without a single frame: no sample rate.
  if (file.isNull() || !file.audioProperties() || file.audioProperties()->sampleRate() <= 0) {
    error = Translate("AudioTags", "not an audio file that can be read");
    return false;
  }
  if (error = Unbelievable(*file.audioProperties(), uint64_t(stream.length())); !error.empty())
    return false;
  out = AudioFileTags{};
  Track& t = out.track;
  t.sortName = EscapeControls(p.filename().string());
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
  for (const std::string* text : {&t.title, &t.artist, &out.album, &out.albumArtist})
    if (text->size() > kMaxTagBytes) {
      error = Translate("AudioTags", "its tags are not believable (a text of ") +
              std::to_string(text->size()) + Translate("AudioTags", " bytes)");
      return false;
    }
  if (t.title.empty()) t.title = EscapeControls(p.stem().string());
  return true;
}
