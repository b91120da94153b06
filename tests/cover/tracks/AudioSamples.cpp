#include "tests/cover/tracks/AudioSamples.h"

#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <cstdlib>
#include <filesystem>

namespace {
int Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}
}  // namespace

void MakeAudio(const std::string& path, double seconds) {
  const std::string ext = std::filesystem::path(path).extension().string();
  const std::string tone = " synth " + std::to_string(seconds) + " sine 440";
  if (ext == ".mp3" || ext == ".opus") {
    const std::string wav = path + ".tmp.wav";
    ASSERT_EQ(Run("sox -q -n -r 16000 -c 1 -b 16 " + Quoted(wav) + tone), 0) << "sox is missing";
    const std::string encode = ext == ".mp3" ? "lame --quiet -b 32 " : "opusenc --quiet ";
    ASSERT_EQ(Run(encode + Quoted(wav) + " " + Quoted(path)), 0) << encode << "failed";
    std::filesystem::remove(wav);
  } else {
    const std::string bits = ext == ".ogg" ? "" : "-b 16 ";
    ASSERT_EQ(Run("sox -q -n -r 16000 -c 1 " + bits + Quoted(path) + tone), 0)
        << "sox failed on " << path;
  }
}

void TagAudio(const std::string& path, const SampleTags& tags) {
  TagLib::FileRef file(path.c_str());
  ASSERT_FALSE(file.isNull()) << path;
  TagLib::PropertyMap map = file.file()->properties();
  const auto set = [&](const char* key, const std::string& value) {
    if (!value.empty())
      map.replace(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
  };
  set("TITLE", tags.title);
  set("ARTIST", tags.artist);
  set("ALBUM", tags.album);
  set("ALBUMARTIST", tags.albumArtist);
  if (tags.track) set("TRACKNUMBER", std::to_string(tags.track));
  if (tags.disc) set("DISCNUMBER", std::to_string(tags.disc) + "/2");
  file.file()->setProperties(map);
  ASSERT_TRUE(file.save()) << path;
}
