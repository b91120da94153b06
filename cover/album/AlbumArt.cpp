#include "cover/album/AlbumArt.h"

#include <taglib/aifffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string_view>
#include <utility>

#include "cover/tracks/AudioFileStream.h"
#include "cover/tracks/AudioTags.h"
#include "cover/tracks/Playlist.h"
#include "cover/tracks/SourceText.h"
#include "cover/tracks/TrackSource.h"
#include "platform/AnsiText.h"
#include "platform/codecs/PictureFile.h"

namespace fs = std::filesystem;

namespace {
void Add(std::vector<EmbeddedPicture>& out, const TagLib::ByteVector& data, bool front) {
  if (data.isEmpty()) return;
  out.push_back({std::vector<uint8_t>(data.begin(), data.end()), front});
}

void AddId3(std::vector<EmbeddedPicture>& out, TagLib::ID3v2::Tag* tag) {
  if (!tag) return;
  for (TagLib::ID3v2::Frame* frame : tag->frameList("APIC"))
    if (auto* apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame))
      Add(out, apic->picture(), apic->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover);
}

void AddFlacPictures(std::vector<EmbeddedPicture>& out,
                     const TagLib::List<TagLib::FLAC::Picture*>& list) {
  for (const TagLib::FLAC::Picture* p : list)
    Add(out, p->data(), p->type() == TagLib::FLAC::Picture::FrontCover);
}

void AddXiph(std::vector<EmbeddedPicture>& out, TagLib::Ogg::XiphComment* tag) {
  if (tag) AddFlacPictures(out, tag->pictureList());
}

// The folder whose art files belong to the music, and the audio files whose tags may hold art.
void MusicFiles(const std::string& path, std::string& folder, std::vector<std::string>& audio) {
  std::error_code ec;
  const bool isFolder = fs::is_directory(path, ec);
  fs::path dir = isFolder ? fs::path(path) : fs::path(path).parent_path();
  if (dir.empty()) dir = ".";
  folder = dir.string();
  const std::string ext = LowerExtension(path);
  if (!isFolder && (ext == ".m3u" || ext == ".m3u8")) {
    std::string text, error;
    if (ReadSourceText(path, text, error)) audio = ParsePlaylist(text, folder);
    return;
  }
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (audio.size() == kMaxFolderFiles) break;
    if (IsAudioFileName(it->path().filename().string()) && it->is_regular_file(ec))
      audio.push_back(it->path().string());
  }
  std::sort(audio.begin(), audio.end());
}

std::string Shown(const std::string& path) {
  return EscapeControls(fs::path(path).filename().string());
}

uint64_t Pixels(const Dib& dib) {
  return dib.Bits ? uint64_t(DibWidth(dib)) * uint64_t(DibHeight(dib)) : 0;
}
}  // namespace

std::vector<EmbeddedPicture> ReadEmbeddedPictures(const std::string& audioPath) {
  std::vector<EmbeddedPicture> out;
  AudioFileStream stream(audioPath);
  if (!stream.isOpen()) return out;
  TagLib::FileRef ref(&stream, false);
  TagLib::File* file = ref.file();
  if (!file) return out;
  if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
    AddFlacPictures(out, flac->pictureList());
    if (flac->hasXiphComment()) AddXiph(out, flac->xiphComment());
    if (flac->hasID3v2Tag()) AddId3(out, flac->ID3v2Tag());
  } else if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
    if (mpeg->hasID3v2Tag()) AddId3(out, mpeg->ID3v2Tag());
  } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) {
    if (TagLib::MP4::Tag* tag = mp4->tag(); tag && tag->contains("covr"))
      for (const TagLib::MP4::CoverArt& art : tag->item("covr").toCoverArtList())
        Add(out, art.data(), true);  // covr holds no picture type: it is the cover
  } else if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(file)) {
    AddXiph(out, vorbis->tag());
  } else if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(file)) {
    AddXiph(out, opus->tag());
  } else if (auto* oggFlac = dynamic_cast<TagLib::Ogg::FLAC::File*>(file)) {
    AddXiph(out, oggFlac->tag());
  } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
    if (wav->hasID3v2Tag()) AddId3(out, wav->ID3v2Tag());
  } else if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file)) {
    if (aiff->hasID3v2Tag()) AddId3(out, aiff->tag());
  }
  return out;
}

bool IsArtFileName(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext != ".jpg" && ext != ".jpeg" && ext != ".png") return false;
  std::string stem = fs::path(name).stem().string();
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return stem == "cover" || stem == "folder" || stem == "front";
}

void AlbumArt::offer(Dib& dib, ArtKind kind, const std::string& source) {
  const bool better = !dib_.Bits || kind > kind_ || (kind == kind_ && Pixels(dib) > Pixels(dib_));
  if (!better) return FreeDib(dib);
  FreeDib(dib_);
  dib_ = std::exchange(dib, Dib{});
  kind_ = kind;
  source_ = source;
}

void FindAlbumArt(const std::string& path, AlbumArt& art) {
  std::string folder;
  std::vector<std::string> audio;
  MusicFiles(path, folder, audio);
  std::set<std::pair<size_t, size_t>> seen;  // size and hash of each picture decoded
  for (const std::string& file : audio)
    for (EmbeddedPicture& pic : ReadEmbeddedPictures(file)) {
      const std::string_view bytes(reinterpret_cast<const char*>(pic.bytes.data()),
                                   pic.bytes.size());
      if (!seen.insert({bytes.size(), std::hash<std::string_view>{}(bytes)}).second) continue;
      Dib dib;
      std::string why;
      if (ReadPictureBytes(ByteView{pic.bytes.data(), pic.bytes.size()}, PictureFormat::Unknown,
                           dib, why))
        art.offer(dib, pic.front ? ArtKind::FrontCover : ArtKind::Embedded, file);
      else
        art.addProblem(Shown(file) + ": " + why);
    }
  if (art.found()) return;
  std::vector<std::string> sideFiles;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (IsArtFileName(it->path().filename().string()) && it->is_regular_file(ec))
      sideFiles.push_back(it->path().string());
  std::sort(sideFiles.begin(), sideFiles.end());
  for (const std::string& file : sideFiles) {
    Dib dib;
    std::string why;
    if (LoadPictureFile(dib, file, why))
      art.offer(dib, ArtKind::SideFile, file);
    else
      art.addProblem(Shown(file) + ": " + why);
  }
}
