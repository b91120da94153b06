#pragma once
// Pictures a PDF job stores itself. Its PDF writer gets a 4 × 1 stand-in for each picture; the
// picture's stream is written once, from its own rows, into an unnamed side file; storing the
// PDF again puts each stream in its stand-in's place. The PDF writer then never holds a copy of
// the picture, and its stream is compressed only once.
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <future>
#include <optional>
#include <span>
#include <vector>

#include "print/ImageStream.h"

class PictureStreams {
 public:
  // The stand-in's RGB pixels: a number of this job, then the picture's.
  using StandIn = std::array<uint8_t, 12>;
  struct Stream {
    int width = 0, height = 0;
    StoredPixels stored;
    uint64_t offset = 0;         // in the side file
    std::vector<uint8_t> bytes;  // when made while the job goes on
    std::future<bool> made;      // the same; waited for before the stream is gone
  };

  PictureStreams();
  ~PictureStreams();  // waits for the streams being made
  PictureStreams(const PictureStreams&) = delete;
  PictureStreams& operator=(const PictureStreams&) = delete;

  // Stores `width` × `height` RGB pixels read by `rgb`; the stand-in naming them, or nullopt when
  // the side file cannot take them.
  std::optional<StandIn> add(int width, int height, const RowsReader& rgb);
  // The same for the rows of `rgb`, stored on another thread while the job goes on.
  StandIn addWhileDrawing(int width, int height, std::vector<uint8_t> rgb);
  // Whether the 12 bytes of an image's pixels are a stand-in of this job.
  bool isStandIn(std::span<const uint8_t> pixels) const;
  // The stream a stand-in names, once made; nullptr when it could not be made.
  const Stream* find(std::span<const uint8_t> pixels);
  // Appends the stream's bytes to `out`; false when it refuses them or the side file fails.
  bool copy(const Stream& stream, ByteSink& out) const;
  bool empty() const { return streams_.empty(); }
  // Pictures of more than 256 colours added from now on as JPEGs of this quality; 0: lossless.
  void setJpegQuality(int quality) { jpegQuality_ = quality; }

 private:
  std::FILE* side_ = nullptr;
  uint64_t end_ = 0;
  std::array<uint8_t, 6> job_{};
  int jpegQuality_ = 0;
  std::deque<Stream> streams_;  // in place while more are added
};
