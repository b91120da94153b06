#pragma once
// The album's cover art: a picture embedded in the music files' tags, else a picture file beside
// them. Decoded by the program's picture readers, so it is bounded like any picture.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dib/Dib.h"

// How much a picture counts when choosing: a front cover before any other embedded picture,
// an embedded picture before a file beside the music.
enum class ArtKind : uint8_t { SideFile = 0, Embedded = 1, FrontCover = 2 };

// One embedded picture as the tags hold it (JPEG or PNG bytes).
struct EmbeddedPicture {
  std::vector<uint8_t> bytes;
  bool front = false;
};

// The pictures embedded in one audio file's tags (ID3v2 APIC, FLAC and Vorbis picture blocks,
// MP4 covr), reading at most the audio read budget; none when it cannot be read.
std::vector<EmbeddedPicture> ReadEmbeddedPictures(const std::string& audioPath);

// The file names beside the music that hold the album's art: cover, folder or front with .jpg,
// .jpeg or .png, in any case.
bool IsArtFileName(const std::string& name);

class AlbumArt {
 public:
  AlbumArt() = default;
  ~AlbumArt() { FreeDib(dib_); }
  AlbumArt(const AlbumArt&) = delete;
  AlbumArt& operator=(const AlbumArt&) = delete;

  // The chosen picture; Bits null when the music has none.
  const Dib& dib() const { return dib_; }
  bool found() const { return dib_.Bits != nullptr; }
  // The file it came from, and what kind it was.
  const std::string& source() const { return source_; }
  ArtKind kind() const { return kind_; }
  // One line per picture that could not be read: "file: reason".
  const std::vector<std::string>& problems() const { return problems_; }

  // Offers a decoded picture: kept (taken) when it ranks above the one held, else freed.
  void offer(Dib& dib, ArtKind kind, const std::string& source);
  // Notes a picture that could not be read.
  void addProblem(const std::string& line) { problems_.push_back(line); }

 private:
  Dib dib_;
  std::string source_;
  ArtKind kind_ = ArtKind::SideFile;
  std::vector<std::string> problems_;
};

// Finds the art of the music at `path` (a folder, a cue sheet or a playlist, as a track list
// reads them): embedded front covers first, then other embedded pictures, then the art files in
// the music's folder; among the same kind the picture with the most pixels wins. Identical
// embedded pictures are decoded once.
void FindAlbumArt(const std::string& path, AlbumArt& art);
