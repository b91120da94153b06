#include "print/PictureStreams.h"

#include <algorithm>
#include <random>

PictureStreams::PictureStreams() {
  std::random_device random;
  for (uint8_t& b : job_) b = uint8_t(random());
}

PictureStreams::~PictureStreams() {
  for (Stream& stream : streams_)
    if (stream.made.valid()) stream.made.wait();
  if (side_) std::fclose(side_);
}

namespace {
PictureStreams::StandIn NameOf(const std::array<uint8_t, 6>& job, uint64_t index) {
  PictureStreams::StandIn standIn;
  std::copy(job.begin(), job.end(), standIn.begin());
  for (int i = 0; i < 6; ++i) standIn[size_t(6 + i)] = uint8_t(index >> (8 * (5 - i)));
  return standIn;
}
}  // namespace

std::optional<PictureStreams::StandIn> PictureStreams::add(int width, int height,
                                                           const RowsReader& rgb) {
  if (!side_ && !(side_ = std::tmpfile())) return std::nullopt;
  if (streams_.size() >= (uint64_t(1) << 48) || fseeko(side_, off_t(end_), SEEK_SET) != 0)
    return std::nullopt;
  Stream& stream = streams_.emplace_back();
  stream.width = width, stream.height = height, stream.offset = end_;
  ByteSink side(
      [this](const uint8_t* data, size_t n) { return std::fwrite(data, 1, n, side_) == n; });
  const auto stored = StorePixels(width, height, 3, true, rgb, side, jpegQuality_);
  if (!stored || !side.finish() || std::fflush(side_) != 0) {
    streams_.pop_back();
    return std::nullopt;
  }
  stream.stored = *stored;
  end_ += stored->length;
  return NameOf(job_, streams_.size() - 1);
}

PictureStreams::StandIn PictureStreams::addWhileDrawing(int width, int height,
                                                        std::vector<uint8_t> rgb) {
  Stream& stream = streams_.emplace_back();
  stream.width = width, stream.height = height;
  stream.made = std::async(std::launch::async, [&stream, rgb = std::move(rgb), q = jpegQuality_] {
    ByteSink memory(stream.bytes);
    const auto stored = StorePixels(stream.width, stream.height, 3, true,
                                    RowsOf(rgb, size_t(stream.width) * 3), memory, q);
    if (stored) stream.stored = *stored;
    return stored.has_value();
  });
  return NameOf(job_, streams_.size() - 1);
}

bool PictureStreams::isStandIn(std::span<const uint8_t> pixels) const {
  return pixels.size() == StandIn().size() && std::equal(job_.begin(), job_.end(), pixels.begin());
}

const PictureStreams::Stream* PictureStreams::find(std::span<const uint8_t> pixels) {
  if (!isStandIn(pixels)) return nullptr;
  uint64_t index = 0;
  for (size_t i = 6; i < 12; ++i) index = index << 8 | pixels[i];
  if (index >= streams_.size()) return nullptr;
  Stream& stream = streams_[size_t(index)];
  if (stream.made.valid() && !stream.made.get()) stream.stored.length = 0, stream.bytes.clear();
  return stream.stored.length > 0 ? &stream : nullptr;
}

bool PictureStreams::copy(const Stream& stream, ByteSink& out) const {
  if (!stream.bytes.empty()) return out.append(stream.bytes.data(), stream.bytes.size()), out.ok();
  if (!side_ || fseeko(side_, off_t(stream.offset), SEEK_SET) != 0) return false;
  std::vector<uint8_t> buffer(size_t(1) << 20);
  for (uint64_t left = stream.stored.length; left > 0;) {
    const size_t n = size_t(std::min<uint64_t>(left, buffer.size()));
    if (std::fread(buffer.data(), 1, n, side_) != n) return false;
    out.append(buffer.data(), n);
    left -= n;
  }
  return out.ok();
}
