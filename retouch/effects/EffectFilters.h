#pragma once
// The fourteen fixed 5 x 5 effect filters of the Effects menu, in menu order.
#include <cstdint>
#include <string>

struct EffectFilter {
  char FilterName[257];
  int32_t Divisor;
  int32_t Bias;
  // Matrix[j][i] weighs the pixel j - 2 rows below and i - 2 columns right of the target.
  int32_t Matrix[5][5];
};

constexpr int kEffectCount = 14;

inline constexpr EffectFilter kEffectFilters[kEffectCount] = {
    {"Soften",
     9,
     0,
     {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {"Less soften",
     5,
     0,
     {{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0}}},
    {"More soften",
     25,
     0,
     {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}},
    {"Sharpen",
     12,
     0,
     {{0, 0, 0, 0, 0},
      {0, -1, -1, -1, 0},
      {0, -1, 20, -1, 0},
      {0, -1, -1, -1, 0},
      {0, 0, 0, 0, 0}}},
    {"More sharpen",
     36,
     0,
     {{-1, -1, -1, -1, -1},
      {-1, -1, -1, -1, -1},
      {-1, -1, 60, -1, -1},
      {-1, -1, -1, -1, -1},
      {-1, -1, -1, -1, -1}}},
    {"Grease",
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, -7, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {"Lithograph",
     1,
     0,
     {{-1, -1, -1, -1, -1},
      {-1, -10, -10, -10, -1},
      {-1, -10, 98, -10, -1},
      {-1, -10, -10, -10, -1},
      {-1, -1, -1, -1, -1}}},
    {"Psychdist",
     1,
     0,
     {{0, -1, -2, -3, -4},
      {0, -1, 3, 2, 1},
      {0, -1, 10, 2, 1},
      {0, -1, 3, 2, 1},
      {0, -1, -2, -3, -4}}},
    {"Highlight edges",
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 9, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}},
    {"Find edges",
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 8, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}},
    {"Find edges horizontal",
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}},
    {"Find edges vertical",
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {"Emboss",
     1,
     128,
     {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}},
    {"Emboss vertical",
     1,
     128,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
};

// Index of the entry whose caption is `name` (letter case ignored), or -1.
int FindEffect(const std::string& name);
// Index of the table entry with the same divisor, bias and weights as `f`, or -1.
int TableIndexOf(const EffectFilter& f);
