#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/DibRows.h"

namespace {
constexpr int kBins = 32 * 32 * 32;  // 5 bits per channel for the histogram

struct Box {
  int lo[3], hi[3];  // inclusive bin ranges per channel
  uint64_t count = 0;
};

inline int BinOf(int r, int g, int b) {
  return (r << 10) | (g << 5) | b;
}

// Shrinks the box to the bins that hold pixels and counts them.
void Fit(Box& box, const std::vector<uint32_t>& hist) {
  int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
  uint64_t count = 0;
  for (int r = box.lo[0]; r <= box.hi[0]; ++r)
    for (int g = box.lo[1]; g <= box.hi[1]; ++g)
      for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
        const uint32_t n = hist[BinOf(r, g, b)];
        if (!n) continue;
        count += n;
        const int c[3] = {r, g, b};
        for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], c[k]), hi[k] = std::max(hi[k], c[k]);
      }
  box.count = count;
  if (count) std::memcpy(box.lo, lo, sizeof lo), std::memcpy(box.hi, hi, sizeof hi);
}

// Median cut over the histogram: splits the most populous divisible box along its longest side.
std::vector<Box> MedianCut(const std::vector<uint32_t>& hist, int colors) {
  std::vector<Box> boxes(1, Box{{0, 0, 0}, {31, 31, 31}, 0});
  Fit(boxes[0], hist);
  while (int(boxes.size()) < colors) {
    int best = -1;
    uint64_t bestScore = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      const Box& b = boxes[i];
      const int span = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
      const uint64_t score = b.count * uint64_t(span);
      if (span > 0 && score > bestScore) bestScore = score, best = int(i);
    }
    if (best < 0) break;
    Box a = boxes[size_t(best)];
    int axis = 0;
    for (int k = 1; k < 3; ++k)
      if (a.hi[k] - a.lo[k] > a.hi[axis] - a.lo[axis]) axis = k;
    // Count pixels per plane along the axis and cut at the median.
    std::vector<uint64_t> plane(32, 0);
    for (int r = a.lo[0]; r <= a.hi[0]; ++r)
      for (int g = a.lo[1]; g <= a.hi[1]; ++g)
        for (int b = a.lo[2]; b <= a.hi[2]; ++b) {
          const int c[3] = {r, g, b};
          plane[size_t(c[axis])] += hist[BinOf(r, g, b)];
        }
    uint64_t acc = 0;
    int cut = a.lo[axis];
    for (int v = a.lo[axis]; v < a.hi[axis]; ++v) {
      acc += plane[size_t(v)];
      cut = v;
      if (acc * 2 >= a.count) break;
    }
    Box lower = a, upper = a;
    lower.hi[axis] = cut;
    upper.lo[axis] = cut + 1;
    Fit(lower, hist);
    Fit(upper, hist);
    boxes[size_t(best)] = lower;
    if (upper.count) boxes.push_back(upper);
  }
  return boxes;
}

// Nearest palette entry for a colour, cached on a 6-bit-per-channel grid.
class NearestColor {
 public:
  NearestColor(const uint8_t* rgb, int count) : rgb_(rgb), count_(count), cache_(1 << 18, -1) {}
  int operator()(int r, int g, int b) {
    const int key = (r >> 2) << 12 | (g >> 2) << 6 | (b >> 2);
    int16_t& hit = cache_[size_t(key)];
    if (hit < 0) {
      const int cr = (r & ~3) + 2, cg = (g & ~3) + 2, cb = (b & ~3) + 2;
      int best = 0, bestDist = 1 << 30;
      for (int i = 0; i < count_; ++i) {
        const int dr = cr - rgb_[3 * i], dg = cg - rgb_[3 * i + 1], db = cb - rgb_[3 * i + 2];
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) bestDist = d, best = i;
      }
      hit = int16_t(best);
    }
    return hit;
  }

 private:
  const uint8_t* rgb_;
  int count_;
  std::vector<int16_t> cache_;
};

// Collects up to 256 distinct colours; false when there are more.
bool ExactColors(const Dib& dib, std::vector<uint32_t>& colors) {
  std::vector<uint64_t> seen((1u << 24) / 64, 0);
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* p = DibRow(dib, y);
    for (int32_t x = 0; x < w; ++x, p += 3) {
      const uint32_t c = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
      uint64_t& word = seen[c >> 6];
      const uint64_t bit = uint64_t(1) << (c & 63);
      if (word & bit) continue;
      word |= bit;
      if (colors.size() == 256) return false;
      colors.push_back(c);
    }
  }
  return true;
}

// Palette: the mean colour of the pixels in each box of the median cut.
std::vector<uint8_t> DiffusionPalette(const Dib& dib) {
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  std::vector<uint32_t> hist(kBins, 0);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* p = DibRow(dib, y);
    for (int32_t x = 0; x < w; ++x, p += 3) {
      uint32_t& n = hist[size_t(BinOf(p[2] >> 3, p[1] >> 3, p[0] >> 3))];
      if (n != 0xFFFFFFFFu) ++n;
    }
  }
  const std::vector<Box> boxes = MedianCut(hist, 256);
  std::vector<uint8_t> rgb(boxes.size() * 3);
  std::vector<uint64_t> sum(boxes.size() * 4, 0);
  std::vector<int16_t> boxOfBin(kBins, 0);
  for (size_t i = 0; i < boxes.size(); ++i)
    for (int r = boxes[i].lo[0]; r <= boxes[i].hi[0]; ++r)
      for (int g = boxes[i].lo[1]; g <= boxes[i].hi[1]; ++g)
        for (int b = boxes[i].lo[2]; b <= boxes[i].hi[2]; ++b)
          boxOfBin[size_t(BinOf(r, g, b))] = int16_t(i);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* p = DibRow(dib, y);
    for (int32_t x = 0; x < w; ++x, p += 3) {
      uint64_t* s = &sum[size_t(boxOfBin[size_t(BinOf(p[2] >> 3, p[1] >> 3, p[0] >> 3))]) * 4];
      s[0] += p[2], s[1] += p[1], s[2] += p[0], s[3] += 1;
    }
  }
  for (size_t i = 0; i < boxes.size(); ++i) {
    const uint64_t n = std::max<uint64_t>(sum[4 * i + 3], 1);
    for (int k = 0; k < 3; ++k)
      rgb[3 * i + size_t(k)] = uint8_t((sum[4 * i + size_t(k)] + n / 2) / n);
  }
  return rgb;
}
}  // namespace

struct RowReducer::State {
  std::vector<uint32_t> exact;  // the sorted colours when there are at most 256
  std::optional<NearestColor> nearest;
  std::vector<int> errCur, errNext;
  uint32_t lastColor = 0xFFFFFFFF;
  uint8_t lastIndex = 0;
};

RowReducer::RowReducer(const Dib& dib) : dib_(dib), state_(std::make_unique<State>()) {
  if (ExactColors(dib, state_->exact)) {
    std::sort(state_->exact.begin(), state_->exact.end());
    rgb_.resize(state_->exact.size() * 3);
    for (size_t i = 0; i < state_->exact.size(); ++i) {
      rgb_[3 * i] = uint8_t(state_->exact[i] >> 16);
      rgb_[3 * i + 1] = uint8_t(state_->exact[i] >> 8);
      rgb_[3 * i + 2] = uint8_t(state_->exact[i]);
    }
    return;
  }
  state_->exact.clear();
  rgb_ = DiffusionPalette(dib);
  state_->nearest.emplace(rgb_.data(), colors());
  restart();
}

RowReducer::~RowReducer() = default;

void RowReducer::restart() {
  y_ = 0;
  state_->lastColor = 0xFFFFFFFF, state_->lastIndex = 0;
  if (!state_->nearest) return;
  state_->errCur.assign(size_t(DibWidth(dib_) + 2) * 3, 0);
  state_->errNext.assign(state_->errCur.size(), 0);
}

void RowReducer::next(uint8_t* dst) {
  State& s = *state_;
  const int32_t w = DibWidth(dib_), y = y_++;
  const uint8_t* src = DibRow(dib_, y);
  if (!s.nearest) {
    for (int32_t x = 0; x < w; ++x, src += 3) {
      const uint32_t c = uint32_t(src[2]) << 16 | uint32_t(src[1]) << 8 | src[0];
      if (c != s.lastColor) {
        s.lastColor = c;
        s.lastIndex =
            uint8_t(std::lower_bound(s.exact.begin(), s.exact.end(), c) - s.exact.begin());
      }
      dst[x] = s.lastIndex;
    }
    return;
  }
  // Floyd-Steinberg error diffusion, serpentine rows.
  const bool ltr = (y & 1) == 0;
  std::fill(s.errNext.begin(), s.errNext.end(), 0);
  for (int32_t i = 0; i < w; ++i) {
    const int32_t x = ltr ? i : w - 1 - i;
    const int dir = ltr ? 1 : -1;
    int* e = &s.errCur[size_t(x + 1) * 3];
    const int want[3] = {std::clamp(src[3 * x + 2] + (e[0] + 8) / 16, 0, 255),
                         std::clamp(src[3 * x + 1] + (e[1] + 8) / 16, 0, 255),
                         std::clamp(src[3 * x] + (e[2] + 8) / 16, 0, 255)};
    const int idx = (*s.nearest)(want[0], want[1], want[2]);
    dst[x] = uint8_t(idx);
    for (int k = 0; k < 3; ++k) {
      const int err = want[k] - rgb_[size_t(idx) * 3 + size_t(k)];
      s.errCur[size_t(x + 1 + dir) * 3 + size_t(k)] += err * 7;
      s.errNext[size_t(x + 1 - dir) * 3 + size_t(k)] += err * 3;
      s.errNext[size_t(x + 1) * 3 + size_t(k)] += err * 5;
      s.errNext[size_t(x + 1 + dir) * 3 + size_t(k)] += err;
    }
  }
  std::swap(s.errCur, s.errNext);
}

bool ReduceTo8Bits(const Dib& dib, Dib& out) {
  out = Dib{};
  if (!dib.Bits) return false;
  if (DibBitCount(dib) != 24) {
    CopyDib(out, dib);
    return out.Bits != nullptr;
  }
  NewDib(out, DibWidth(dib), DibHeight(dib), 8, nullptr, 0);
  if (!out.Bits) return false;
  try {
    RowReducer reducer(dib);
    SetDibColors(out, reducer.palette(), reducer.colors());
    for (int32_t y = 0; y < DibHeight(dib); ++y) reducer.next(DibRow(out, y));
  } catch (const std::bad_alloc&) {
    FreeDib(out);
    return false;
  }
  return true;
}

bool ExpandTo24Bits(const Dib& dib, Dib& out) {
  out = Dib{};
  if (!dib.Bits) return false;
  NewDib(out, DibWidth(dib), DibHeight(dib), 24, nullptr, 0);
  if (!out.Bits) return false;
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  if (DibBitCount(dib) == 24) {
    std::memcpy(out.Bits, dib.Bits, dib.Info->bmiHeader.biSizeImage);
    return true;
  }
  try {
    std::vector<uint8_t> rgb(size_t(w) * 3);
    for (int32_t y = 0; y < h; ++y) {
      LoadRgbRow(dib, y, rgb.data());
      uint8_t* q = DibRow(out, y);
      for (int32_t x = 0; x < w; ++x)
        q[3 * x] = rgb[3 * x + 2], q[3 * x + 1] = rgb[3 * x + 1], q[3 * x + 2] = rgb[3 * x];
    }
  } catch (const std::bad_alloc&) {
    FreeDib(out);
    return false;
  }
  return true;
}
