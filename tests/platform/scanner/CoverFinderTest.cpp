// Finding the cover on synthetic previews of the glass.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/scanner/CoverFinder.h"

namespace {
constexpr ScanArea kBed{0, 0, 216, 297};
constexpr double kPi = 3.14159265358979;

struct Cover {
  ScanArea place;        // unrotated, in millimetres
  double degrees = 0;    // turned about its centre
  uint32_t colour = 0;   // 0xRRGGBB
  bool printed = false;  // mostly white inside, with a printed frame and a bar
};

// A preview of 364 x 500 pixels: a white lid with uniform noise and the cover on it.
RgbPicture Preview(const std::vector<Cover>& covers, int noise, uint32_t seed = 7) {
  RgbPicture p{364, 500, {}};
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> jitter(-noise, noise);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const double mx = (x + 0.5) * kBed.width / p.width, my = (y + 0.5) * kBed.height / p.height;
      uint32_t c = 0xf4f4f2;
      for (const Cover& cover : covers) {
        const double cx = cover.place.left + cover.place.width / 2,
                     cy = cover.place.top + cover.place.height / 2;
        const double a = -cover.degrees * kPi / 180;
        const double u = (mx - cx) * std::cos(a) - (my - cy) * std::sin(a);
        const double v = (mx - cx) * std::sin(a) + (my - cy) * std::cos(a);
        const double hw = cover.place.width / 2, hh = cover.place.height / 2;
        if (std::fabs(u) > hw || std::fabs(v) > hh) continue;
        const bool ink =
            !cover.printed || std::fabs(u) > hw - 3 || std::fabs(v) > hh - 3 || std::fabs(v) < 8;
        c = ink ? cover.colour : 0xfafafa;
      }
      uint32_t out = 0;
      for (int shift : {16, 8, 0})
        out |= uint32_t(std::clamp(int(c >> shift & 0xff) + jitter(random), 0, 255)) << shift;
      p.pixels.push_back(out);
    }
  return p;
}

// The bounding box of the turned cover.
ScanArea Outline(const Cover& c) {
  const double a = c.degrees * kPi / 180;
  const double hw =
      std::fabs(c.place.width / 2 * std::cos(a)) + std::fabs(c.place.height / 2 * std::sin(a));
  const double hh =
      std::fabs(c.place.width / 2 * std::sin(a)) + std::fabs(c.place.height / 2 * std::cos(a));
  const double cx = c.place.left + c.place.width / 2, cy = c.place.top + c.place.height / 2;
  return {cx - hw, cy - hh, 2 * hw, 2 * hh};
}
}  // namespace

TEST(CoverFinderTest, FindsDarkAndLightCoversTurnedAndNoisy) {
  struct Case {
    const char* what;
    Cover cover;
    int noise;
  };
  const Case cases[] = {
      {"dark, straight", {{30, 40, 120, 120}, 0, 0x202840}, 6},
      {"dark, turned", {{50, 60, 120, 120}, 2.5, 0x503020}, 10},
      {"light, turned back", {{20, 100, 140, 120}, -3, 0xd8dcc8}, 6},
      {"printed on white, turned", {{40, 30, 120, 120}, 1.5, 0x303030, true}, 8},
      {"dark, in the corner", {{0, 0, 120, 120}, 0, 0x101010}, 6},
      {"light, booklet size", {{10, 20, 120, 240}, -1, 0xe0d0b0}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto found = FindCover(Preview({c.cover}, c.noise), kBed);
    ASSERT_TRUE(found);
    const ScanArea truth = Outline(c.cover);
    const double pixel = kBed.width / 364 + 0.01;  // one preview pixel in millimetres
    // Whole millimetres that hold the whole cover, with at most a pixel and the rounding more.
    for (double v : {found->left, found->top, found->width, found->height})
      EXPECT_EQ(v, std::round(v));
    EXPECT_LE(found->left, truth.left + pixel);
    EXPECT_LE(found->top, truth.top + pixel);
    EXPECT_GE(found->left + found->width, truth.left + truth.width - pixel);
    EXPECT_GE(found->top + found->height, truth.top + truth.height - pixel);
    EXPECT_GE(found->left, std::max(0.0, truth.left - pixel - 1));
    EXPECT_GE(found->top, std::max(0.0, truth.top - pixel - 1));
    EXPECT_LE(found->width, truth.width + 2 * pixel + 2);
    EXPECT_LE(found->height, truth.height + 2 * pixel + 2);
  }
}

TEST(CoverFinderTest, AnEmptyGlassOrDustFindsNothing) {
  EXPECT_FALSE(FindCover(Preview({}, 10), kBed));
  EXPECT_FALSE(FindCover(Preview({{{100, 100, 4, 6}, 0, 0x000000}}, 6), kBed));  // a speck
  EXPECT_FALSE(FindCover(RgbPicture{}, kBed));
  EXPECT_FALSE(FindCover(RgbPicture{10, 10, std::vector<uint32_t>(5)}, kBed));  // damaged
  // Dust beside the cover does not widen its rectangle.
  const Cover cover{{30, 40, 120, 120}, 0, 0x202840};
  const auto found = FindCover(Preview({cover, {{180, 250, 3, 3}, 0, 0}}, 6), kBed);
  ASSERT_TRUE(found);
  EXPECT_LE(found->left + found->width, 152);
}
