#pragma once
// Turns the frames a scanner sends (grey, RGB or one frame per colour; 1, 8 or 16 bits per
// sample) into a bottom-up picture: 24 bits for colour, 8-bit grey table for grey, 1 bit for
// line art. The bytes come from outside: sizes are checked against the picture limits, lines
// beyond the announced count are dropped and an unknown length grows up to the limits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dib/Dib.h"

enum class FrameKind { Gray, Rgb, Red, Green, Blue };

// What the scanner announces for a frame (the fields of SANE_Parameters that matter here).
struct FrameFormat {
  FrameKind kind = FrameKind::Gray;
  bool lastFrame = true;
  int32_t bytesPerLine = 0;
  int32_t pixelsPerLine = 0;
  int32_t lines = -1;  // -1: not known before the end of the frame
  int32_t depth = 8;   // bits per sample: 1, 8 or 16
};

class FrameAssembler {
 public:
  // `lineArt` turns a grey frame of 8 or 16 bits into a 1-bit picture (threshold at half).
  explicit FrameAssembler(bool lineArt = false) : lineArt_(lineArt) {}
  ~FrameAssembler();
  FrameAssembler(const FrameAssembler&) = delete;
  FrameAssembler& operator=(const FrameAssembler&) = delete;

  // Starts a frame; false (with error()) when its format is unusable or too large.
  bool beginFrame(const FrameFormat& format);
  // Adds bytes of the current frame in any chunk size.
  bool addBytes(const uint8_t* data, size_t size);
  // Ends the current frame; false when it brought no complete line.
  bool endFrame();
  // Hands over the picture after the last frame (Bits null when there is none).
  bool takePicture(Dib& out);

  const std::string& error() const { return error_; }
  int32_t width() const { return width_; }
  int32_t linesDone() const { return line_; }
  // Percent of the expected bytes received over all frames (0 when the length is unknown).
  int percent() const;
  // True when lines beyond the announced count or beyond the limits were dropped.
  bool droppedLines() const { return dropped_; }
  // True when the last frame has ended.
  bool complete() const { return finished_; }

 private:
  bool fail(const std::string& text);
  uint8_t* rowStorage(int32_t y);
  void storeLine(const uint8_t* src);
  int outputBits() const;

  bool lineArt_;
  std::string error_;
  FrameFormat format_;
  int frames_ = 0;
  int expectedFrames_ = 1;
  int32_t width_ = 0, stride_ = 0;
  int32_t announced_ = -1;  // lines announced by the first frame
  int32_t height_ = 0;      // lines of the picture so far
  int32_t line_ = 0;        // line of the current frame being filled
  int bits_ = 24;
  std::vector<uint8_t> lineBuf_;
  size_t lineFill_ = 0;
  std::vector<uint8_t> grown_;  // rows top-down when the length is not known
  Dib dib_;                     // rows written in place when the length is known
  bool dropped_ = false;
  bool finished_ = false;
};
