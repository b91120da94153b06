#pragma once
// Document units are 1/200000 millimetre; inches convert with 25.39995 millimetres.
#include <cstdint>

constexpr double kMmPerInch = 25.39995;
constexpr double kUnitsPerMm = 200000.0;

// Document units per picture pixel: one picture pixel is two screen pixels long on the cover.
double BaseScaleForDpi(double screenDpi);
// Truncated document units of a length of `pixels` device pixels at `dpi`.
int32_t PixelsToUnits(int64_t pixels, double dpi);
