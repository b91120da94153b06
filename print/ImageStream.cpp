#include "print/ImageStream.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/RowPool.h"
#include "platform/codecs/PictureCodecs.h"

namespace {
// Filtered rows of a photograph: level 6 saves 7 % more than 4 at four times the time. Pixels
// that shrink to a quarter (drawings, ramps) are quick to compress and gain most from 6.
constexpr int kLevel = 4, kLevelForFew = 6;
constexpr size_t kBandBytes = size_t(1) << 20;

std::vector<uint8_t> DeflateAt(const std::vector<uint8_t>& in, int level, int strategy) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy) != Z_OK) return {};
  std::vector<uint8_t> out(deflateBound(&z, uLong(in.size())));
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = uInt(in.size());
  z.next_out = out.data();
  z.avail_out = uInt(out.size());
  const int result = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return result == Z_STREAM_END ? out : std::vector<uint8_t>();
}

// The level and strategy for the rows, judged on a sample of them (a band of eight in every 64
// rows, or fewer so as to stay within a few megabytes): runs alone where they do as well, as on
// noisy pictures (four times faster than matches); the finer level where the rows shrink to a
// quarter.
std::pair<int, int> Choose(int rows, size_t rowBytes, const RowsReader& read) {
  constexpr size_t kMaxSampleBytes = size_t(2) << 20;
  const size_t bands = std::max<size_t>(1, kMaxSampleBytes / (8 * rowBytes));
  const int step = int(std::max<size_t>(64, (size_t(rows) + bands - 1) / bands));
  std::vector<uint8_t> sample;
  for (int y = 0; y < rows; y += y % 8 == 7 ? step - 7 : 1) {
    sample.resize(sample.size() + rowBytes);
    read(y, 1, sample.data() + sample.size() - rowBytes);
  }
  const size_t runs = DeflateAt(sample, kLevel, Z_RLE).size();
  const size_t matches = DeflateAt(sample, kLevel, Z_DEFAULT_STRATEGY).size();
  if (runs <= matches) return {kLevel, Z_RLE};
  return {matches <= sample.size() / 4 ? kLevelForFew : kLevel, Z_DEFAULT_STRATEGY};
}

// Rows of `rowBytes` compressed in bands of about a megabyte, each band on its own on any of the
// cores (as a parallel gzip does: the bands' deflate blocks end on a byte, their checksums are
// combined), so the bytes do not depend on the thread count. A few bands are read at a time and
// written in order.
bool DeflateRows(int rows, size_t rowBytes, const RowsReader& read, ByteSink& out) {
  const std::pair<int, int> chosen = Choose(rows, rowBytes, read);
  const int level = chosen.first, strategy = chosen.second;  // a lambda takes these, not bindings
  static constexpr uint8_t kHead[] = {0x78, 0x9C};           // a zlib stream of a 32 KiB window
  out.append(kHead, sizeof kHead);
  const int chunk = int(std::clamp<size_t>(kBandBytes / rowBytes, 1, size_t(rows)));
  const int bands = ChunkCount(rows, chunk), group = 2 * ThreadCount();
  uLong sum = adler32(0, nullptr, 0);
  for (int g = 0; g < bands && out.ok(); g += group) {
    const int n = std::min(group, bands - g), top = g * chunk;
    const int groupRows = std::min(rows - top, n * chunk);
    std::vector<std::vector<uint8_t>> parts(static_cast<size_t>(n));
    std::vector<uLong> sums(static_cast<size_t>(n));
    std::atomic<bool> failed = false;
    ForRowChunks(groupRows, chunk, [&](const RowBand& b) {
      std::vector<uint8_t> in;
      for (int first = b.begin; first < b.end; first += chunk) {
        const size_t index = size_t(first / chunk);
        const bool last = g + int(index) + 1 == bands;
        in.resize(size_t(std::min(first + chunk, groupRows) - first) * rowBytes);
        read(top + first, int(in.size() / rowBytes), in.data());
        z_stream z{};
        if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy) != Z_OK) {
          failed = true;
          return;
        }
        std::vector<uint8_t>& part = parts[index];
        part.resize(deflateBound(&z, uLong(in.size())) + 16);
        z.next_in = in.data();
        z.avail_in = uInt(in.size());
        z.next_out = part.data();
        z.avail_out = uInt(part.size());
        const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
        if (result != (last ? Z_STREAM_END : Z_OK) || z.avail_in != 0) failed = true;
        part.resize(z.total_out);
        deflateEnd(&z);
        sums[index] = adler32(adler32(0, nullptr, 0), in.data(), uInt(in.size()));
      }
    });
    if (failed) return false;
    for (int i = 0; i < n; ++i) {
      const int first = top + i * chunk, end = std::min(first + chunk, rows);
      sum = adler32_combine(sum, sums[size_t(i)], z_off_t(size_t(end - first) * rowBytes));
      out.append(parts[size_t(i)].data(), parts[size_t(i)].size());
    }
  }
  const uint8_t tail[] = {uint8_t(sum >> 24), uint8_t(sum >> 16), uint8_t(sum >> 8), uint8_t(sum)};
  out.append(tail, sizeof tail);
  return out.ok();
}

uint32_t ColourAt(const uint8_t* p, int components) {
  return components == 3 ? uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2] : p[0];
}

// The colours of a picture with at most 256 of them, each with its index.
class ColourTable {
 public:
  // False once a 257th colour is added.
  bool add(uint32_t colour) {
    if (colour == last_) return true;
    last_ = colour;
    uint32_t& slot = keys_[find(colour)];
    if (slot == colour) return true;
    if (colours_.size() == 256) return false;
    slot = colour;
    colours_.push_back(colour);
    return true;
  }
  // Indices in the order of the colours' values: ramps stay ramps.
  void sortIndices() {
    std::sort(colours_.begin(), colours_.end());
    for (size_t i = 0; i < colours_.size(); ++i) indices_[find(colours_[i])] = uint8_t(i);
  }
  uint8_t index(uint32_t colour) const { return indices_[find(colour)]; }
  const std::vector<uint32_t>& colours() const { return colours_; }

 private:
  static constexpr uint32_t kEmpty = 0xFFFFFFFFu;  // no colour of 24 bits
  size_t find(uint32_t colour) const {
    size_t i = (colour * 2654435761u) >> 22;
    while (keys_[i] != colour && keys_[i] != kEmpty) i = (i + 1) & 1023;
    return i;
  }
  std::array<uint32_t, 1024> keys_ = MakeEmpty();
  std::array<uint8_t, 1024> indices_{};
  std::vector<uint32_t> colours_;
  uint32_t last_ = kEmpty;
  static std::array<uint32_t, 1024> MakeEmpty() {
    std::array<uint32_t, 1024> keys;
    keys.fill(kEmpty);
    return keys;
  }
};

uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// `row` filtered with PNG filter `type` (0 none, 1 sub, 2 up, 3 average, 4 Paeth) into `out`;
// the first row has zeros above it. One loop per filter, so that each runs at full speed.
void FilterRow(int type, const uint8_t* row, const uint8_t* above, size_t n, size_t bpp,
               uint8_t* out) {
  std::vector<uint8_t> zeros;
  if (!above && type >= 2) {
    zeros.assign(n, 0);
    above = zeros.data();
  }
  const size_t head = std::min(bpp, n);
  switch (type) {
    case 0:
      std::copy(row, row + n, out);
      break;
    case 1:
      std::copy(row, row + head, out);
      for (size_t i = head; i < n; ++i) out[i] = uint8_t(row[i] - row[i - bpp]);
      break;
    case 2:
      for (size_t i = 0; i < n; ++i) out[i] = uint8_t(row[i] - above[i]);
      break;
    case 3:
      for (size_t i = 0; i < head; ++i) out[i] = uint8_t(row[i] - above[i] / 2);
      for (size_t i = head; i < n; ++i)
        out[i] = uint8_t(row[i] - (int(row[i - bpp]) + int(above[i])) / 2);
      break;
    default:
      for (size_t i = 0; i < head; ++i) out[i] = uint8_t(row[i] - above[i]);
      for (size_t i = head; i < n; ++i)
        out[i] = uint8_t(row[i] - Paeth(row[i - bpp], above[i], above[i - bpp]));
  }
}

// The sum of the filtered bytes taken as signed: the usual measure of which filter suits a row.
uint64_t Cost(const uint8_t* filtered, size_t n) {
  uint64_t sum = 0;
  for (size_t i = 0; i < n; ++i) sum += uint64_t(std::abs(int(int8_t(filtered[i]))));
  return sum;
}
}  // namespace

std::optional<std::vector<uint8_t>> InflateExactly(std::span<const uint8_t> in, size_t size) {
  std::vector<uint8_t> out(size + 1);  // one byte more shows a stream that holds more
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return std::nullopt;
  z.next_in = const_cast<Bytef*>(in.data());
  z.next_out = out.data();
  int result = Z_OK;
  // zlib counts in 32 bits: the input and the output are fed in pieces.
  while (result == Z_OK) {
    const size_t inLeft = in.size() - size_t(z.next_in - in.data());
    const size_t outLeft = out.size() - size_t(z.next_out - out.data());
    z.avail_in = uInt(std::min<size_t>(inLeft, 1u << 30));
    z.avail_out = uInt(std::min<size_t>(outLeft, 1u << 30));
    result = inflate(&z, Z_NO_FLUSH);
    if (result == Z_BUF_ERROR && (z.avail_in == 0 || z.avail_out == 0)) break;
  }
  const size_t produced = size_t(z.next_out - out.data());
  inflateEnd(&z);
  if (result != Z_STREAM_END || produced != size) return std::nullopt;
  out.resize(size);
  return out;
}

std::optional<StoredPixels> StorePixels(int width, int height, int components, bool mayIndex,
                                        const RowsReader& read, ByteSink& out, int jpegQuality) {
  if (width <= 0 || height <= 0 || (components != 1 && components != 3)) return std::nullopt;
  const size_t inBytes = size_t(width) * size_t(components);
  // One look at the pixels, stopped once they are neither all grey nor of few colours.
  bool grey = components == 3;
  std::optional<ColourTable> table;
  if (mayIndex) table.emplace();
  const int chunk = int(std::max<size_t>(1, kBandBytes / inBytes));
  std::vector<uint8_t> rows;
  for (int first = 0; first < height && (grey || table); first += chunk) {
    const int count = std::min(chunk, height - first);
    rows.resize(size_t(count) * inBytes);
    read(first, count, rows.data());
    for (size_t i = 0; i < rows.size() && (grey || table); i += size_t(components)) {
      const uint8_t* p = &rows[i];
      if (grey && (p[0] != p[1] || p[0] != p[2])) grey = false;
      if (table && !table->add(ColourAt(p, components))) table.reset();
    }
  }
  rows = {};
  const int stored = grey ? 1 : components;
  StoredPixels s;
  if (table) {
    table->sortIndices();
    const size_t count = table->colours().size();
    s.bitsPerComponent = count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
  }
  if (table && (stored == 3 || s.bitsPerComponent < 8)) {
    const int bits = s.bitsPerComponent;
    static const char kHex[] = "0123456789ABCDEF";
    s.colourSpace = std::string("[/Indexed ") + (stored == 3 ? "/DeviceRGB " : "/DeviceGray ") +
                    std::to_string(table->colours().size() - 1) + " <";
    for (uint32_t c : table->colours())
      for (int shift = (stored - 1) * 8; shift >= 0; shift -= 8)
        s.colourSpace += {kHex[(c >> (shift + 4)) & 15], kHex[(c >> shift) & 15]};
    s.colourSpace += ">]";
    const size_t rowBytes = (size_t(width) * size_t(bits) + 7) / 8;
    const RowsReader packed = [&](int first, int count, uint8_t* o) {
      std::vector<uint8_t> in(size_t(count) * inBytes);
      read(first, count, in.data());
      std::memset(o, 0, size_t(count) * rowBytes);
      for (int y = 0; y < count; ++y)
        for (int x = 0; x < width; ++x) {
          const size_t at = size_t(x) * size_t(bits);
          const uint8_t* p = &in[size_t(y) * inBytes + size_t(x) * size_t(components)];
          o[size_t(y) * rowBytes + at / 8] |=
              uint8_t(table->index(ColourAt(p, components)) << (8 - bits - int(at % 8)));
        }
    };
    const size_t before = out.size();
    if (!DeflateRows(height, rowBytes, packed, out)) return std::nullopt;
    s.length = out.size() - before;
    return s;
  }
  s.bitsPerComponent = 8;
  s.colourSpace = stored == 3 ? "/DeviceRGB" : "/DeviceGray";
  if (jpegQuality > 0) {
    s.filter = "/DCTDecode";
    std::vector<uint8_t> in(inBytes);
    std::string error;
    const size_t before = out.size();
    const bool made = WriteJpegRows(
        width, height, stored, std::clamp(jpegQuality, 1, 100),
        [&](int y, uint8_t* row) {
          read(y, 1, in.data());
          for (int x = 0; x < width * stored; ++x) row[x] = in[size_t(x * components / stored)];
        },
        out, error);
    if (!made || !out.ok()) return std::nullopt;
    s.length = out.size() - before;
    return s;
  }
  s.decodeParms = "<< /Predictor 15 /Colors " + std::to_string(stored) +
                  " /BitsPerComponent 8 /Columns " + std::to_string(width) + " >>";
  const size_t n = size_t(width) * size_t(stored);
  const RowsReader filtered = [&](int first, int count, uint8_t* o) {
    const int from = std::max(0, first - 1);  // the row above the first, when there is one
    std::vector<uint8_t> in(size_t(first + count - from) * inBytes);
    read(from, first + count - from, in.data());
    if (grey)
      for (size_t i = 0; i < in.size() / 3; ++i) in[i] = in[3 * i];
    std::vector<uint8_t> trial(n);
    for (int y = first; y < first + count; ++y) {
      const uint8_t* row = &in[size_t(y - from) * n];
      const uint8_t* above = y > 0 ? row - n : nullptr;
      uint8_t* filteredRow = o + size_t(y - first) * (n + 1);
      int best = 0;
      uint64_t bestCost = UINT64_MAX;
      for (int type = 0; type <= 4; ++type) {
        FilterRow(type, row, above, n, size_t(stored), trial.data());
        if (const uint64_t cost = Cost(trial.data(), n); cost < bestCost)
          bestCost = cost, best = type;
      }
      filteredRow[0] = uint8_t(best);
      FilterRow(best, row, above, n, size_t(stored), filteredRow + 1);
    }
  };
  const size_t before = out.size();
  if (!DeflateRows(height, n + 1, filtered, out)) return std::nullopt;
  s.length = out.size() - before;
  return s;
}

RowsReader RowsOf(const std::vector<uint8_t>& raw, size_t rowBytes) {
  return [&raw, rowBytes](int first, int count, uint8_t* out) {
    std::memcpy(out, raw.data() + size_t(first) * rowBytes, size_t(count) * rowBytes);
  };
}
