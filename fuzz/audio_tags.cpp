// Audio files as the track list reads them: never crash, never read more than the budget, and
// what is accepted has a believable length and tags without control characters. The pictures
// embedded in their tags stay within the budget and decode or say why not. The first
// byte picks the file's extension (TagLib chooses its reader by it), the rest is the file.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "cover/album/AlbumArt.h"
#include "cover/tracks/AudioFileStream.h"
#include "cover/tracks/AudioTags.h"
#include "platform/codecs/PictureFile.h"

namespace {
const char* const kExtensions[] = {".mp3",  ".flac", ".ogg", ".opus", ".m4a", ".wav",
                                   ".aiff", ".wma",  ".ape", ".wv",   ".mpc", ".spx"};

bool Printable(const std::string& s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const std::string base = "/tmp/quendrix-fuzz-audio-" + std::to_string(::getpid());
  const std::string path = base + kExtensions[data[0] % std::size(kExtensions)];
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));
  AudioFileTags tags;
  std::string error;
  if (ReadAudioTags(path, tags, error)) {
    const AudioFileTags& r = tags;
    const Track& t = r.track;
    if (t.lengthMs <= 0 || t.lengthMs > kMaxTrackLengthMs) std::abort();
    for (const std::string* s : {&t.title, &t.artist, &r.album, &r.albumArtist})
      if (s->size() > kMaxTagBytes || !Printable(*s)) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  for (const EmbeddedPicture& p : ReadEmbeddedPictures(path)) {
    if (p.bytes.size() > kMaxAudioReadBytes) std::abort();
    Dib dib;
    std::string why;
    if (ReadPictureBytes(ByteView{p.bytes.data(), p.bytes.size()}, PictureFormat::Unknown, dib,
                         why))
      FreeDib(dib);
    else if (why.empty())
      std::abort();
  }
  AudioFileStream stream(path, 4096);
  while (!stream.readBlock(1000).isEmpty()) {
  }
  if (stream.bytesRead() > 4096) std::abort();
  ::unlink(path.c_str());
  return 0;
}
