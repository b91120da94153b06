#include "platform/scanner/CoverFinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double kMinCoverMm = 15;       // smaller spots are dust, not a cover
constexpr int kMinThreshold = 12;        // colour steps that always count as noise
constexpr double kNoiseFactor = 5;       // a cover differs by this many noise deviations
constexpr double kFragmentShare = 0.05;  // parts this much of the largest belong to the cover

using Rgb = std::array<int, 3>;

Rgb Channels(uint32_t v) {
  return {int(v >> 16 & 0xff), int(v >> 8 & 0xff), int(v & 0xff)};
}

// Each channel averaged over 3 x 3 pixels: scanner noise shrinks, edges stay.
std::vector<Rgb> Smoothed(const RgbPicture& p) {
  std::vector<Rgb> out(p.pixels.size());
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      Rgb sum{0, 0, 0};
      int n = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) continue;
          const Rgb c = Channels(p.pixels[size_t(sy) * p.width + sx]);
          for (int i = 0; i < 3; ++i) sum[i] += c[i];
          ++n;
        }
      for (int i = 0; i < 3; ++i) out[size_t(y) * p.width + x][i] = sum[i] / n;
    }
  return out;
}

int Distance(const Rgb& a, const Rgb& b) {
  return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

int Median(std::vector<int>& v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// The lid's colour and how far it wanders: the median of the outermost pixels, which the cover
// covers only in part even when it lies in a corner, and the median distance from it.
void Background(const RgbPicture& p, const std::vector<Rgb>& s, Rgb& colour, int& threshold) {
  std::vector<size_t> border;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; x += (y == 0 || y == p.height - 1) ? 1 : p.width - 1)
      border.push_back(size_t(y) * p.width + x);
  for (int i = 0; i < 3; ++i) {
    std::vector<int> v;
    for (size_t at : border) v.push_back(s[at][i]);
    colour[i] = Median(v);
  }
  std::vector<int> spread;
  for (size_t at : border) spread.push_back(Distance(s[at], colour));
  threshold = std::max(kMinThreshold, int(std::ceil(kNoiseFactor * 1.4826 * Median(spread))) + 1);
}

struct Box {
  int left, top, right, bottom;  // pixels, right and bottom inclusive
  int64_t count;
};

// Groups of touching differing pixels (eight neighbours), each with its bounding box.
std::vector<Box> Regions(std::vector<uint8_t>& mask, int width, int height) {
  std::vector<Box> boxes;
  std::vector<size_t> stack;
  for (size_t start = 0; start < mask.size(); ++start) {
    if (mask[start] != 1) continue;
    Box b{width, height, -1, -1, 0};
    mask[start] = 2;
    stack.push_back(start);
    while (!stack.empty()) {
      const size_t at = stack.back();
      stack.pop_back();
      const int x = int(at % width), y = int(at / width);
      b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x), std::max(b.bottom, y),
           b.count + 1};
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const size_t n = size_t(ny) * width + nx;
          if (mask[n] == 1) {
            mask[n] = 2;
            stack.push_back(n);
          }
        }
    }
    boxes.push_back(b);
  }
  return boxes;
}
}  // namespace

std::optional<ScanArea> FindCover(const RgbPicture& p, const ScanArea& bed) {
  if (p.width < 3 || p.height < 3 || int64_t(p.width) * p.height > kMaxCoverFinderPixels ||
      p.pixels.size() != size_t(p.width) * size_t(p.height) || bed.width <= 0 || bed.height <= 0)
    return std::nullopt;
  const std::vector<Rgb> s = Smoothed(p);
  Rgb lid;
  int threshold = 0;
  Background(p, s, lid, threshold);
  std::vector<uint8_t> mask(s.size());
  for (size_t i = 0; i < s.size(); ++i) mask[i] = Distance(s[i], lid) >= threshold;
  const double mmX = bed.width / p.width, mmY = bed.height / p.height;
  std::vector<Box> boxes = Regions(mask, p.width, p.height);
  const auto largest = std::max_element(
      boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.count < b.count; });
  if (largest == boxes.end()) return std::nullopt;
  Box all = *largest;
  for (const Box& b : boxes)  // a light cover may fall apart into its printed parts
    if (b.count >= kFragmentShare * largest->count)
      all = {std::min(all.left, b.left), std::min(all.top, b.top), std::max(all.right, b.right),
             std::max(all.bottom, b.bottom), all.count};
  if ((all.right + 1 - all.left) * mmX < kMinCoverMm ||
      (all.bottom + 1 - all.top) * mmY < kMinCoverMm)
    return std::nullopt;
  // Rounded out to whole millimetres and kept on the glass.
  const double left = std::max(bed.left, std::floor(bed.left + all.left * mmX));
  const double top = std::max(bed.top, std::floor(bed.top + all.top * mmY));
  const double right = std::min(bed.left + bed.width, std::ceil(bed.left + (all.right + 1) * mmX));
  const double bottom = std::min(bed.top + bed.height, std::ceil(bed.top + (all.bottom + 1) * mmY));
  return ScanArea{left, top, right - left, bottom - top};
}
