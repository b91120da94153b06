#pragma once
// The file formats of the graphics library. Each reader decodes a whole file held in memory into
// a bottom-up picture of 1, 4, 8 or 24 bits; each writer encodes a picture into bytes.
// On failure a reader leaves `out` empty (Bits null) and says why in `error` (one short sentence,
// e.g. "the file is truncated"); it never reads outside `data` and refuses pictures that NewDib
// would refuse (DibSizeAllowed) or that pass the read limit (PictureReadLimit) before allocating.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/codecs/ByteSink.h"
#include "platform/codecs/PictureSource.h"
#include "platform/dib/Dib.h"

using PictureReader = bool (*)(ByteView file, Dib& out, std::string& error);
// Writers take any depth; where the format cannot hold it they convert a copy first. They write
// into a sink that may pass the bytes on to a file as they come, so no copy of the whole file is
// held (TIFF excepted, whose library goes back to the start). Each also writes into a vector.
using PictureStreamWriter = bool (*)(const Dib& dib, ByteSink& out, std::string& error);
using PictureWriter = bool (*)(const Dib& dib, std::vector<uint8_t>& out, std::string& error);
inline bool WriteToVector(PictureStreamWriter write, const Dib& dib, std::vector<uint8_t>& out,
                          std::string& error) {
  out.clear();
  ByteSink sink(out);
  return write(dib, sink, error);
}

// Formats written by our own code.
bool ReadBmp(ByteView file, Dib& out, std::string& error);  // BMP, DIB and RLE files
bool WriteBmpTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WriteBmp(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteBmpTo, dib, out, error);
}
bool WriteRleTo(const Dib& dib, ByteSink& out, std::string& error);  // RLE8/RLE4 BMP
// The same bytes; a 24-bit picture is reduced into its own rows, which then hold the indices.
bool WriteRleConsuming(Dib& dib, ByteSink& out, std::string& error);
inline bool WriteRle(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteRleTo, dib, out, error);
}
bool ReadPcx(ByteView file, Dib& out, std::string& error);
bool WritePcxTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WritePcx(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WritePcxTo, dib, out, error);
}
bool ReadTga(ByteView file, Dib& out, std::string& error);
bool WriteTgaTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WriteTga(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteTgaTo, dib, out, error);
}
bool ReadIff(ByteView file, Dib& out, std::string& error);            // ILBM and PBM (IFF, LBM)
bool ReadIffFrom(PictureSource& file, Dib& out, std::string& error);  // the body a block at a time
bool WriteIffTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WriteIff(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteIffTo, dib, out, error);
}

// Formats written through the field's libraries. Their readers also take the bytes from a source
// as they go (a file is then never held whole); the ByteView forms read memory.
bool ReadJpegFrom(PictureSource& file, Dib& out, std::string& error);
bool ReadPngFrom(PictureSource& file, Dib& out, std::string& error);
bool ReadTiffFrom(PictureSource& file, Dib& out, std::string& error);
bool ReadJpeg(ByteView file, Dib& out, std::string& error);
bool WriteJpegTo(const Dib& dib, ByteSink& out, std::string& error);
// Rows of `components` (1: grey, 3: RGB) bytes a pixel, read top down by `read`, as a baseline
// JPEG of `quality` (a PDF's DCT stream); up to 32 MB of pixels, with Huffman tables made for it.
bool WriteJpegRows(int width, int height, int components, int quality,
                   const std::function<void(int y, uint8_t* row)>& read, ByteSink& out,
                   std::string& error);
inline bool WriteJpeg(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteJpegTo, dib, out, error);
}
bool ReadPng(ByteView file, Dib& out, std::string& error);
bool WritePngTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WritePng(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WritePngTo, dib, out, error);
}
bool ReadTiff(ByteView file, Dib& out, std::string& error);
bool WriteTiffTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WriteTiff(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteTiffTo, dib, out, error);
}
bool ReadGif(ByteView file, Dib& out, std::string& error);
bool WriteGifTo(const Dib& dib, ByteSink& out, std::string& error);
inline bool WriteGif(const Dib& dib, std::vector<uint8_t>& out, std::string& error) {
  return WriteToVector(WriteGifTo, dib, out, error);
}

// Colour reduction shared by the writers that need a palette (GIF, RLE): a 24-bit picture
// becomes an 8-bit picture of at most 256 colours (error diffusion); palette pictures are kept.
// Returns false (out empty) when memory runs out.
bool ReduceTo8Bits(const Dib& dib, Dib& out);
// The same reduction of a 24-bit picture a row at a time, top row first, for a writer that passes
// the rows on as they come (no 8-bit copy of the picture). Throws bad_alloc when memory runs out.
class RowReducer {
 public:
  explicit RowReducer(const Dib& dib);
  ~RowReducer();
  RowReducer(const RowReducer&) = delete;
  RowReducer& operator=(const RowReducer&) = delete;
  const uint8_t* palette() const { return rgb_.data(); }  // red, green, blue per entry
  int colors() const { return int(rgb_.size() / 3); }
  // The next row's palette indices (the picture's width of them).
  void next(uint8_t* indices);
  // Back to the top row: the same rows again.
  void restart();

 private:
  struct State;
  const Dib& dib_;
  std::vector<uint8_t> rgb_;
  int32_t y_ = 0;
  std::unique_ptr<State> state_;
};
// A palette picture becomes 24 bits (for formats without palettes, such as JPEG).
bool ExpandTo24Bits(const Dib& dib, Dib& out);
