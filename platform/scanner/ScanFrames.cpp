#include "platform/scanner/ScanFrames.h"

#include <algorithm>
#include <cstring>

#include "platform/Translate.h"

namespace {
// A scanner may pad its lines; more than this beyond the pixels is taken as damaged data.
constexpr int64_t kMaxLinePadding = 65536;

int SamplesPerPixel(FrameKind kind) {
  return kind == FrameKind::Rgb ? 3 : 1;
}

int64_t LineBytesNeeded(const FrameFormat& f) {
  return (int64_t(f.pixelsPerLine) * SamplesPerPixel(f.kind) * f.depth + 7) / 8;
}

// Sample `i` of a line as 0..255 (16-bit samples are in the machine's byte order).
uint8_t Sample(const uint8_t* line, int64_t i, int depth) {
  if (depth == 8) return line[i];
  if (depth == 16) {
    uint16_t v;
    std::memcpy(&v, line + 2 * i, 2);
    return static_cast<uint8_t>(v >> 8);
  }
  return (line[i >> 3] >> (7 - (i & 7))) & 1 ? 255 : 0;
}

int ChannelOffset(FrameKind kind) {
  return kind == FrameKind::Red ? 2 : kind == FrameKind::Green ? 1 : 0;  // BGR order
}
}  // namespace

FrameAssembler::~FrameAssembler() {
  FreeDib(dib_);
}

bool FrameAssembler::fail(const std::string& text) {
  if (error_.empty()) error_ = text;
  return false;
}

int FrameAssembler::outputBits() const {
  if (format_.kind != FrameKind::Gray) return 24;
  return format_.depth == 1 || lineArt_ ? 1 : 8;
}

bool FrameAssembler::beginFrame(const FrameFormat& f) {
  if (!error_.empty()) return false;
  if (finished_)
    return fail(Translate("ScanFrames", "The scanner sent a frame after its last frame."));
  if (f.depth != 1 && f.depth != 8 && f.depth != 16)
    return fail(Translate("ScanFrames", "The scanner sent ") + std::to_string(f.depth) +
                Translate("ScanFrames", " bits per sample; only 1, 8 and 16 are supported."));
  if (f.pixelsPerLine <= 0 || f.pixelsPerLine > kMaxDibSide || f.lines < -1 ||
      f.lines > kMaxDibSide)
    return fail(Translate("ScanFrames", "The scanned picture is empty or too large."));
  const int64_t needed = LineBytesNeeded(f);
  if (f.bytesPerLine < needed || f.bytesPerLine > needed + kMaxLinePadding)
    return fail(Translate("ScanFrames",
                          "The scanner announced a line length that does not fit its width."));
  const bool separate =
      f.kind == FrameKind::Red || f.kind == FrameKind::Green || f.kind == FrameKind::Blue;
  if (frames_ == 0) {
    format_ = f;
    bits_ = outputBits();
    width_ = f.pixelsPerLine;
    stride_ = DibStride(width_, bits_);
    expectedFrames_ = separate ? 3 : 1;
    announced_ = f.lines > 0 ? f.lines : -1;
    if (announced_ > 0) {
      if (!DibSizeAllowed(width_, announced_, bits_))
        return fail(Translate("ScanFrames",
                              "The scanned picture would be larger than the program can hold."));
      NewDib(dib_, width_, announced_, bits_, nullptr, 0);
      if (!dib_.Bits)
        return fail(Translate("ScanFrames", "There is not enough memory for the scanned picture."));
      height_ = announced_;
    } else if (stride_ == 0) {
      return fail(Translate("ScanFrames",
                            "The scanned picture would be larger than the program can hold."));
    }
  } else {
    if (!separate || format_.kind == FrameKind::Gray || format_.kind == FrameKind::Rgb ||
        f.pixelsPerLine != width_ || f.depth != format_.depth)
      return fail(Translate("ScanFrames", "The scanner sent colour frames that do not match."));
    format_ = f;
  }
  ++frames_;
  line_ = 0;
  lineFill_ = 0;
  lineBuf_.assign(size_t(f.bytesPerLine), 0);
  return true;
}

uint8_t* FrameAssembler::rowStorage(int32_t y) {
  if (dib_.Bits) return y < height_ ? DibRow(dib_, y) : nullptr;
  if (frames_ > 1) return y < height_ ? grown_.data() + size_t(y) * size_t(stride_) : nullptr;
  if (!DibSizeAllowed(width_, y + 1, bits_)) return nullptr;
  grown_.resize(size_t(y + 1) * size_t(stride_), 0);
  height_ = y + 1;
  return grown_.data() + size_t(y) * size_t(stride_);
}

void FrameAssembler::storeLine(const uint8_t* src) {
  uint8_t* row = rowStorage(line_);
  if (!row) {
    dropped_ = true;
    return;
  }
  const int depth = format_.depth;
  switch (format_.kind) {
    case FrameKind::Gray:
      if (bits_ == 8) {
        for (int32_t x = 0; x < width_; ++x) row[x] = Sample(src, x, depth);
      } else if (depth == 1) {  // scanner: 1 is black; picture: index 0 black, 1 white
        const int32_t bytes = (width_ + 7) / 8;
        for (int32_t i = 0; i < bytes; ++i) row[i] = static_cast<uint8_t>(~src[i]);
      } else {
        std::memset(row, 0, size_t(stride_));
        for (int32_t x = 0; x < width_; ++x)
          if (Sample(src, x, depth) >= 128) row[x >> 3] |= uint8_t(0x80 >> (x & 7));
      }
      break;
    case FrameKind::Rgb:
      for (int32_t x = 0; x < width_; ++x) {
        row[3 * x + 2] = Sample(src, 3 * int64_t(x), depth);
        row[3 * x + 1] = Sample(src, 3 * int64_t(x) + 1, depth);
        row[3 * x] = Sample(src, 3 * int64_t(x) + 2, depth);
      }
      break;
    default: {
      const int offset = ChannelOffset(format_.kind);
      for (int32_t x = 0; x < width_; ++x) row[3 * x + offset] = Sample(src, x, depth);
    }
  }
}

bool FrameAssembler::addBytes(const uint8_t* data, size_t size) {
  if (!error_.empty()) return false;
  if (frames_ == 0 || finished_)
    return fail(Translate("ScanFrames", "The scanner sent data outside a frame."));
  while (size > 0) {
    const size_t take = std::min(size, lineBuf_.size() - lineFill_);
    std::memcpy(lineBuf_.data() + lineFill_, data, take);
    lineFill_ += take;
    data += take;
    size -= take;
    if (lineFill_ == lineBuf_.size()) {
      if (announced_ >= 0 && line_ >= announced_)
        dropped_ = true;
      else
        storeLine(lineBuf_.data());
      ++line_;
      lineFill_ = 0;
    }
  }
  return true;
}

bool FrameAssembler::endFrame() {
  if (!error_.empty()) return false;
  if (frames_ == 0) return fail(Translate("ScanFrames", "The scanner sent no picture data."));
  if (line_ == 0) return fail(Translate("ScanFrames", "The scanner sent no picture data."));
  if (frames_ == 1 && line_ < height_) height_ = line_;  // fewer lines than announced
  if (format_.lastFrame || frames_ >= expectedFrames_) finished_ = true;
  return true;
}

bool FrameAssembler::takePicture(Dib& out) {
  out = Dib{};
  if (!error_.empty()) return false;
  if (!finished_ || height_ <= 0)
    return fail(Translate("ScanFrames", "The scanner sent no picture data."));
  Dib pic;
  if (dib_.Bits && height_ == DibHeight(dib_)) {
    pic = dib_;
    dib_ = Dib{};
  } else {
    NewDib(pic, width_, height_, bits_, nullptr, 0);
    if (!pic.Bits)
      return fail(Translate("ScanFrames", "There is not enough memory for the scanned picture."));
    for (int32_t y = 0; y < height_; ++y)
      std::memcpy(DibRow(pic, y),
                  dib_.Bits ? DibRow(dib_, y) : grown_.data() + size_t(y) * size_t(stride_),
                  size_t(stride_));
    FreeDib(dib_);
    grown_ = {};
  }
  if (bits_ == 8)
    for (int i = 0; i < 256; ++i) SetDibColor(pic, i, uint8_t(i), uint8_t(i), uint8_t(i), false);
  if (bits_ == 1) SetDibColor(pic, 1, 255, 255, 255, false);
  if (bits_ != 24) RecreatePalette(pic);
  out = pic;
  return true;
}

int FrameAssembler::percent() const {
  if (announced_ <= 0 || frames_ == 0) return 0;
  const int64_t done = int64_t(frames_ - 1) * announced_ + std::min(line_, announced_);
  return static_cast<int>(done * 100 / (int64_t(expectedFrames_) * announced_));
}
