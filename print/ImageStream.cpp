#include "print/ImageStream.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>

#include "platform/RowPool.h"

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

// Rows of `rowBytes` compressed in bands of about a megabyte, each band on its own on any of the
// cores (as a parallel gzip does: the bands' deflate blocks end on a byte, their checksums are
// combined), so the bytes do not depend on the thread count.
std::vector<uint8_t> DeflateInBands(const std::vector<uint8_t>& in, size_t rowBytes, int level,
                                    int strategy) {
  if (rowBytes == 0 || in.size() % rowBytes != 0) return DeflateAt(in, level, strategy);
  const int rows = int(in.size() / rowBytes);
  const int chunk = int(std::max<size_t>(1, kBandBytes / rowBytes));
  std::vector<std::vector<uint8_t>> parts(size_t(ChunkCount(rows, chunk)));
  std::vector<uLong> sums(parts.size());
  std::atomic<bool> failed = false;
  ForRowChunks(rows, chunk, [&](const RowBand& b) {
    for (int first = b.begin; first < b.end; first += chunk) {
      const size_t index = size_t(first / chunk);
      const bool last = index + 1 == parts.size();
      const uint8_t* from = in.data() + size_t(first) * rowBytes;
      const size_t size = size_t(std::min(first + chunk, rows) - first) * rowBytes;
      z_stream z{};
      if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy) != Z_OK) {
        failed = true;
        return;
      }
      std::vector<uint8_t>& out = parts[index];
      out.resize(deflateBound(&z, uLong(size)) + 16);
      z.next_in = const_cast<Bytef*>(from);
      z.avail_in = uInt(size);
      z.next_out = out.data();
      z.avail_out = uInt(out.size());
      const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
      if (result != (last ? Z_STREAM_END : Z_OK) || z.avail_in != 0) failed = true;
      out.resize(z.total_out);
      deflateEnd(&z);
      sums[index] = adler32(adler32(0, nullptr, 0), from, uInt(size));
    }
  });
  if (failed || parts.empty()) return {};
  std::vector<uint8_t> out = {0x78, 0x9C};  // a zlib stream of a 32 KiB window
  uLong sum = sums[0];
  for (size_t i = 0; i < parts.size(); ++i) {
    out.insert(out.end(), parts[i].begin(), parts[i].end());
    const size_t first = i * size_t(chunk), end = std::min(first + size_t(chunk), size_t(rows));
    if (i > 0) sum = adler32_combine(sum, sums[i], z_off_t((end - first) * rowBytes));
  }
  for (int shift : {24, 16, 8, 0}) out.push_back(uint8_t(sum >> shift));
  return out;
}

// Rows of `rowBytes` compressed. Where runs alone do as well on a sample of the rows (every
// eighth band of eight), as on noisy pictures, they are used: four times faster than matches.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& in, size_t rowBytes) {
  std::vector<uint8_t> sample;
  for (size_t row = 0; row * rowBytes < in.size(); row += row % 8 == 7 ? 57 : 1)
    sample.insert(sample.end(), in.begin() + ptrdiff_t(row * rowBytes),
                  in.begin() + ptrdiff_t(std::min(in.size(), (row + 1) * rowBytes)));
  if (DeflateAt(sample, kLevel, Z_RLE).size() <=
      DeflateAt(sample, kLevel, Z_DEFAULT_STRATEGY).size())
    return DeflateInBands(in, rowBytes, kLevel, Z_RLE);
  std::vector<uint8_t> out = DeflateInBands(in, rowBytes, kLevel, Z_DEFAULT_STRATEGY);
  if (out.empty() || out.size() > in.size() / 4) return out;
  std::vector<uint8_t> finer = DeflateInBands(in, rowBytes, kLevelForFew, Z_DEFAULT_STRATEGY);
  return finer.empty() || finer.size() >= out.size() ? out : finer;
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

bool MakeGrey(std::vector<uint8_t>& rgb) {
  const size_t pixels = rgb.size() / 3;
  for (size_t i = 0; i < pixels; ++i)
    if (rgb[3 * i] != rgb[3 * i + 1] || rgb[3 * i] != rgb[3 * i + 2]) return false;
  for (size_t i = 0; i < pixels; ++i) rgb[i] = rgb[3 * i];
  rgb.resize(pixels);
  return true;
}

std::optional<StoredPixels> AsPalette(const std::vector<uint8_t>& raw, int width, int height,
                                      int components) {
  const size_t pixels = size_t(width) * size_t(height);
  if (width <= 0 || height <= 0 || raw.size() != pixels * size_t(components)) return std::nullopt;
  ColourTable table;
  for (size_t i = 0; i < pixels; ++i)
    if (!table.add(ColourAt(&raw[i * size_t(components)], components))) return std::nullopt;
  table.sortIndices();
  const size_t count = table.colours().size();
  const int bits = count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
  const size_t rowBytes = (size_t(width) * size_t(bits) + 7) / 8;
  std::vector<uint8_t> packed(rowBytes * size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = &raw[size_t(y) * size_t(width) * size_t(components)];
    uint8_t* out = &packed[size_t(y) * rowBytes];
    for (int x = 0; x < width; ++x) {
      const size_t at = size_t(x) * size_t(bits);
      out[at / 8] |= uint8_t(table.index(ColourAt(in + size_t(x) * size_t(components), components))
                             << (8 - bits - int(at % 8)));
    }
  }
  static const char kHex[] = "0123456789ABCDEF";
  StoredPixels s;
  s.bitsPerComponent = bits;
  s.colourSpace = std::string("[/Indexed ") + (components == 3 ? "/DeviceRGB " : "/DeviceGray ") +
                  std::to_string(count - 1) + " <";
  for (uint32_t c : table.colours())
    for (int shift = (components - 1) * 8; shift >= 0; shift -= 8)
      s.colourSpace += {kHex[(c >> (shift + 4)) & 15], kHex[(c >> shift) & 15]};
  s.colourSpace += ">]";
  s.data = Deflate(packed, rowBytes);
  if (s.data.empty()) return std::nullopt;
  return s;
}

StoredPixels WithPredictors(const std::vector<uint8_t>& raw, int width, int height,
                            int components) {
  const size_t n = size_t(width) * size_t(components);
  std::vector<uint8_t> filtered((n + 1) * size_t(height));
  ForRows(height, 64, [&](const RowBand& band) {
    std::vector<uint8_t> trial(n);
    for (int y = band.begin; y < band.end; ++y) {
      const uint8_t* row = &raw[size_t(y) * n];
      const uint8_t* above = y > 0 ? row - n : nullptr;
      uint8_t* out = &filtered[size_t(y) * (n + 1)];
      int best = 0;
      uint64_t bestCost = UINT64_MAX;
      for (int type = 0; type <= 4; ++type) {
        FilterRow(type, row, above, n, size_t(components), trial.data());
        if (const uint64_t cost = Cost(trial.data(), n); cost < bestCost)
          bestCost = cost, best = type;
      }
      out[0] = uint8_t(best);
      FilterRow(best, row, above, n, size_t(components), out + 1);
    }
  });
  StoredPixels s;
  s.colourSpace = components == 3 ? "/DeviceRGB" : "/DeviceGray";
  s.decodeParms = "<< /Predictor 15 /Colors " + std::to_string(components) +
                  " /BitsPerComponent 8 /Columns " + std::to_string(width) + " >>";
  s.data = Deflate(filtered, n + 1);
  return s;
}
