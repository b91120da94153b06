#pragma once
// The fourteen fixed 5 x 5 effect filters of the Effects menu, in menu order.
#include <QtGlobal>
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
    {QT_TRANSLATE_NOOP("EffectFilters", "Soften"),
     9,
     0,
     {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Less soften"),
     5,
     0,
     {{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "More soften"),
     25,
     0,
     {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Sharpen"),
     12,
     0,
     {{0, 0, 0, 0, 0},
      {0, -1, -1, -1, 0},
      {0, -1, 20, -1, 0},
      {0, -1, -1, -1, 0},
      {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "More sharpen"),
     36,
     0,
     {{-1, -1, -1, -1, -1},
      {-1, -1, -1, -1, -1},
      {-1, -1, 60, -1, -1},
      {-1, -1, -1, -1, -1},
      {-1, -1, -1, -1, -1}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Grease"),
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, -7, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Lithograph"),
     1,
     0,
     {{-1, -1, -1, -1, -1},
      {-1, -10, -10, -10, -1},
      {-1, -10, 98, -10, -1},
      {-1, -10, -10, -10, -1},
      {-1, -1, -1, -1, -1}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Psychdist"),
     1,
     0,
     {{0, -1, -2, -3, -4},
      {0, -1, 3, 2, 1},
      {0, -1, 10, 2, 1},
      {0, -1, 3, 2, 1},
      {0, -1, -2, -3, -4}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Highlight edges"),
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 9, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Find edges"),
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 8, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Find edges horizontal"),
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Find edges vertical"),
     1,
     0,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Emboss"),
     1,
     128,
     {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}},
    {QT_TRANSLATE_NOOP("EffectFilters", "Emboss vertical"),
     1,
     128,
     {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}},
};

// Index of the entry whose caption is `name` (letter case ignored), or -1.
int FindEffect(const std::string& name);
// Index of the table entry with the same divisor, bias and weights as `f`, or -1.
int TableIndexOf(const EffectFilter& f);
